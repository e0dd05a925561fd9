#pragma once
// The last page: Finish installs once and shows the result; after that the
// same button, now "Close", ends the wizard.

#include "setup/wizard/CWizardPage.h"
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
    // The error page follows in the sheet's order but is reached only by a jump.
    int nextId() const override { return -1; }

    bool Done() const { return done_; }
    QString Title() const { return title_->text(); }
    QString Text() const { return text_->text(); }

private:
    void Show(int titleId, const QString& text, SetupPicture picture);

    CWizardSheet& sheet_;
    CPictureStatic* picture_;
    QLabel* title_;
    QLabel* text_;
    bool done_ = false;
};

}  // namespace gb::setup::ui
