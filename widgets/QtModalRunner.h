#pragma once
// Modal windows on the screen.

#include "widgets/ModalRunner.h"

namespace gb::widgets {

class QtModalRunner final : public ModalRunner {
public:
    int Run(QDialog& dialog) override;
};

}  // namespace gb::widgets
