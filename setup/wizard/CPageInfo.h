#pragma once
// The welcome page.

#include "setup/wizard/CWizardPage.h"

namespace gb::setup::ui {

class CPageInfo : public CWizardPage {
    Q_OBJECT
public:
    CPageInfo(int position, int count, QWidget* parent = nullptr);
};

}  // namespace gb::setup::ui
