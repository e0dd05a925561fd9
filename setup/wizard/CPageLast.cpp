#include "setup/wizard/CPageLast.h"

#include <QtGui/QGuiApplication>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QVBoxLayout>

#include "setup/core/RunningPrograms.h"
#include "setup/core/SetupStrings.h"
#include "setup/remove/CloseProgramsQuestion.h"
#include "setup/wizard/CPictureStatic.h"
#include "setup/wizard/CWizardSheet.h"
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
    connect(&run_, &InstallRun::LogText, this, &CPageLast::ShowLog);
    connect(&run_, &InstallRun::Finished, this, &CPageLast::ShowResult);
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
    if (run_.Running()) {
        return false;
    }
    // Nothing is installed over a program of an earlier installation that runs.
    const RunningPrograms programs(CInstaller::AbsoluteFolder(sheet_.InstallFolder()));
    if (!programs.AwaitClosed(
            AskToCloseOnScreen(sheet_.Runner(), wizard(), ToQt(SetupText(ids::Caption))))) {
        return false;
    }
    Show(ids::WaitTitle, ToQt(SetupText(ids::WaitText)) + QStringLiteral("\n\n"),
         SetupPicture::Wait);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    run_.Start(sheet_.Installer(), sheet_.InstallFolder());
    Q_EMIT completeChanged();
    DisableBackAndCancel();
    wizard()->button(QWizard::HelpButton)->setEnabled(false);
    return false;
}

void CPageLast::ShowLog(const QString& text) {
    text_->setText(text_->text() + text);
}

void CPageLast::ShowResult(bool installed) {
    if (installed) {
        Show(ids::SuccessTitle,
             ToQt(SetupText(sheet_.Installer().MadeDesktopShortcut()
                                ? ids::SuccessText
                                : ids::SuccessTextWithoutDesktop)),
             SetupPicture::Success);
    } else {
        Show(ids::ProblemTitle,
             ToQt(SetupText(ids::ProblemText)) +
                 QString::fromStdString(sheet_.Installer().SetupLog()),
             SetupPicture::Problem);
    }
    QGuiApplication::restoreOverrideCursor();
    done_ = true;
    wizard()->setButtonText(QWizard::FinishButton, QStringLiteral("Close"));
    Q_EMIT completeChanged();
    DisableBackAndCancel();
    wizard()->button(QWizard::HelpButton)->setEnabled(true);
    Q_EMIT InstallationEnded(installed);
}

void CPageLast::DisableBackAndCancel() {
    wizard()->button(QWizard::BackButton)->setEnabled(false);
    wizard()->button(QWizard::CancelButton)->setEnabled(false);
}

}  // namespace gb::setup::ui
