#include "app/ui/CProblemDlg.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QVBoxLayout>

#include "app/ui/QtText.h"

namespace ui {

namespace {

// The logs end their lines with CR LF; the text box wants LF alone.
QString LogText(const std::string& log) {
    QString text = ToQt(log);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

CProblemDlg::CProblemDlg(const RetrievalProblems& problems, QWidget* parent)
    : QDialog(parent),
      tabs_(new QTabBar(this)),
      text_(new QPlainTextEdit(this)),
      details_(LogText(problems.details)),
      summary_(LogText(problems.summary)) {
    setWindowTitle(QStringLiteral("There is a problem..."));
    auto* layout = new QVBoxLayout(this);
    tabs_->addTab(QStringLiteral("Summary"));
    tabs_->addTab(QStringLiteral("Details"));
    layout->addWidget(tabs_);

    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setMinimumSize(480, 260);
    layout->addWidget(text_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) { OnSelchangeTab(tab); });
    OnSelchangeTab(tabs_->currentIndex());
}

void CProblemDlg::OnSelchangeTab(int tab) {
    text_->setPlainText(tab == 0 ? summary_ : details_);
}

QString CProblemDlg::ShownText() const {
    return text_->toPlainText();
}

}  // namespace ui
