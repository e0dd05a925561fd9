#include "app/ui/QtMessageService.h"

#include "app/core/DocumentStrings.h"
#include "widgets/MessageBox.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

MessageResult QtMessageService::Show(std::string_view text, MessageButtons buttons,
                                     MessageIcon icon) {
    const gb::widgets::MessageBoxContent message{ToQt(ApplicationTitle()), ToQt(text), QtIcon(icon),
                                                 QtButtons(buttons)};
    switch (gb::widgets::ShowMessage(runner_, parent_, message)) {
        case QMessageBox::Yes:
            return MessageResult::Yes;
        case QMessageBox::No:
            return MessageResult::No;
        case QMessageBox::Cancel:
            return MessageResult::Cancel;
        default:
            return MessageResult::Ok;
    }
}

}  // namespace gb::app::ui
