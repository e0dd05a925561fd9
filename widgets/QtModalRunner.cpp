#include "widgets/QtModalRunner.h"

#include <QtWidgets/QDialog>

namespace gb::widgets {

int QtModalRunner::Run(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace gb::widgets
