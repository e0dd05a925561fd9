#pragma once
// The folder page: where Gavelbook goes. "Change" asks the folder browser the
// sheet was given, so tests answer it without a window. Next takes the folder
// typed, with "~" for the home folder, and refuses a relative one with a
// message on the page.

#include <QtWidgets/QLineEdit>
#include <filesystem>

#include "setup/wizard/CWizardPage.h"

namespace gb::setup::ui {

class CWizardSheet;

class CPageFolder : public CWizardPage {
    Q_OBJECT
public:
    CPageFolder(CWizardSheet& sheet, int position, int count, QWidget* parent = nullptr);

    void initializePage() override;
    bool validatePage() override;
    // The folder the page was left with.
    const std::filesystem::path& Folder() const { return folder_; }
    QString Problem() const { return problem_->text(); }

private:
    void ChangeFolder();

    CWizardSheet& sheet_;
    QLineEdit* edit_;
    QLabel* problem_;
    std::filesystem::path folder_;
};

}  // namespace gb::setup::ui
