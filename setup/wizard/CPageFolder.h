#pragma once
// The folder page: where Gavelbook goes. "Change" asks the folder browser the
// sheet was given, so tests answer it without a window.

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
    std::filesystem::path Folder() const;

private:
    void ChangeFolder();

    CWizardSheet& sheet_;
    QLineEdit* folder_;
};

}  // namespace gb::setup::ui
