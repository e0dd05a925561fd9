#pragma once
// The readme page: the medium's readme in a fixed-pitch font as it is laid
// out, or a notice when it is missing, in which case the wizard goes no
// further. The warning about an earlier installation stands above the readme,
// wrapped to the page's width. Next checks the machine first.

#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>

#include "setup/wizard/CWizardPage.h"

namespace gb::setup::ui {

class CWizardSheet;

class CPageRead : public CWizardPage {
    Q_OBJECT
public:
    CPageRead(CWizardSheet& sheet, int position, int count, QWidget* parent = nullptr);

    void initializePage() override;
    bool isComplete() const override;
    int nextId() const override;

    // The warning, if any, and the readme, as the page shows them.
    QString Text() const;
    const QPlainTextEdit& TextBox() const { return *text_; }

private:
    CWizardSheet& sheet_;
    QLabel* warning_;
    QPlainTextEdit* text_;
    bool stay_ = true;
};

}  // namespace gb::setup::ui
