#pragma once
// The one seam through which every modal window runs: dialogs, message boxes
// and (non-native) file dialogs are all QDialogs. The programs run them on the
// screen; tests answer them from a script and never block.

class QDialog;

namespace gb::widgets {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;

    // Runs `dialog` modally and gives what QDialog::exec() gives: Accepted or
    // Rejected, or for a message box the standard button that was pressed.
    virtual int Run(QDialog& dialog) = 0;
};

}  // namespace gb::widgets
