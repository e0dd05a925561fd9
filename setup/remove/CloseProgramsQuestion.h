#pragma once
// The message box in which Setup and Remove ask the user to close the
// programs of the installation that run, with Retry and Cancel.

#include <QtCore/QString>

#include "setup/core/RunningPrograms.h"

class QWidget;

namespace gb::widgets {
class ModalRunner;
}

namespace gb::setup::ui {

// Asks through `runner`, over `parent`, in a box titled `caption`.
RunningPrograms::Question AskToCloseOnScreen(widgets::ModalRunner& runner, QWidget* parent,
                                             const QString& caption);

}  // namespace gb::setup::ui
