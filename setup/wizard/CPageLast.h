#pragma once
// The last page: Finish starts the installation once, on a thread of its own,
// and shows the setup log as it is written, with the buttons disabled until
// it ends; then the result. After that the same button, now "Close", ends
// the wizard.

#include "setup/wizard/CWizardPage.h"
#include "setup/wizard/InstallRun.h"
#include "setup/wizard/SetupArt.h"

namespace gb::setup::ui {

class CPictureStatic;
class CWizardSheet;

class CPageLast : public CWizardPage {
    Q_OBJECT
public:
    CPageLast(CWizardSheet& sheet, int position, int count, QWidget* parent = nullptr);

    void initializePage() override;
    bool validatePage() override;
    bool isComplete() const override { return !run_.Running(); }
    // The error page follows in the sheet's order but is reached only by a jump.
    int nextId() const override { return -1; }

    bool Installing() const { return run_.Running(); }
    bool Done() const { return done_; }
    QString Title() const { return title_->text(); }
    QString Text() const { return text_->text(); }

Q_SIGNALS:
    // The installation ended and its result is shown.
    void InstallationEnded(bool installed);

private:
    void Show(int titleId, const QString& text, SetupPicture picture);
    void ShowLog(const QString& text);
    void ShowResult(bool installed);
    // Back and Cancel stay off once the installation has started.
    void DisableBackAndCancel();

    CWizardSheet& sheet_;
    CPictureStatic* picture_;
    QLabel* title_;
    QLabel* text_;
    InstallRun run_;
    bool done_ = false;
};

}  // namespace gb::setup::ui
