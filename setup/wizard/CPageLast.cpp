#include "setup/wizard/CPageLast.h"

#include <QtGui/QGuiApplication>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QVBoxLayout>

#include "setup/core/SetupStrings.h"
#include "setup/wizard/CPictureStatic.h"
#include "setup/wizard/CWizardSheet.h"
#include "setup/wizard/SetupArt.h"
#include "setup/wizard/SetupQtText.h"

namespace gb::setup::ui {

CPageLast::CPageLast(CWizardSheet& sheet, int position, int count, QWidget* parent)
    : CWizardPage(position, count, parent),
      sheet_(sheet),
      picture_(new CPictureStatic(this)),
      title_(MakeTitle(this)),
      text_(MakeText(this)) {
    // The setup log can be long: the text scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(text_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* column = new QVBoxLayout;
    column->addWidget(title_);
    column->addWidget(scroll, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture_, 2);
    layout->addLayout(column, 5);
}

void CPageLast::Show(int titleId, const QString& text, SetupPicture picture) {
    title_->setText(ToQt(SetupText(titleId)));
    text_->setText(text);
    picture_->SetPicture(PictureOf(picture));
}

void CPageLast::initializePage() {
    Show(ids::ReadyTitle, ToQt(SetupText(ids::Ready)), SetupPicture::Logo);
}

bool CPageLast::validatePage() {
    if (done_) {
        return true;
    }
    Show(ids::WaitTitle, ToQt(SetupText(ids::WaitText)), SetupPicture::Wait);
    repaint();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool installed = sheet_.Install();
    if (installed) {
        Show(ids::SuccessTitle, ToQt(SetupText(ids::SuccessText)), SetupPicture::Success);
    } else {
        Show(ids::ProblemTitle,
             ToQt(SetupText(ids::ProblemText)) +
                 QString::fromStdString(sheet_.Installer().SetupLog()),
             SetupPicture::Problem);
    }
    QGuiApplication::restoreOverrideCursor();
    wizard()->setButtonText(QWizard::FinishButton, QStringLiteral("Close"));
    wizard()->button(QWizard::CancelButton)->setEnabled(false);
    wizard()->button(QWizard::BackButton)->setEnabled(false);
    done_ = true;
    return false;
}

}  // namespace gb::setup::ui
