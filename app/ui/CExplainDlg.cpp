#include "app/ui/CExplainDlg.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QStyle>

#include "app/core/UiStrings.h"
#include "app/ui/QtText.h"

namespace ui {

CExplainDlg::CExplainDlg(int stringId, QWidget* parent)
    : QDialog(parent),
      text_(new QPlainTextEdit(this)),
      doNotShow_(new QCheckBox(QStringLiteral("Do not display this message again."), this)) {
    setWindowTitle(QStringLiteral("A Helpful Hint"));
    auto* layout = new QGridLayout(this);

    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32));
    layout->addWidget(picture, 0, 0, Qt::AlignTop);

    text_->setReadOnly(true);
    text_->setPlainText(stringId > 0 ? ToQt(UiText(stringId)) : QString());
    text_->setMinimumSize(320, 90);
    layout->addWidget(text_, 0, 1);
    layout->addWidget(doNotShow_, 1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 2, 0, 1, 2);
}

bool CExplainDlg::DoNotShowAgain() const {
    return doNotShow_->isChecked();
}

QString CExplainDlg::Text() const {
    return text_->toPlainText();
}

}  // namespace ui
