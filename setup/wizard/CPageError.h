#pragma once
// The page the readme page jumps to when the machine lacks what Gavelbook
// needs; from here the user can only cancel.

#include "setup/wizard/CWizardPage.h"

namespace gb::setup::ui {

class CPageError : public CWizardPage {
    Q_OBJECT
public:
    explicit CPageError(QWidget* parent = nullptr);

    bool isComplete() const override { return false; }
    QString Title() const { return title_->text(); }

private:
    QLabel* title_;
};

}  // namespace gb::setup::ui
