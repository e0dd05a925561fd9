#pragma once
// Message boxes over the main window, run through the modal runner.

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include "app/core/MessageService.h"

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

class QtMessageService final : public MessageService {
public:
    explicit QtMessageService(gb::widgets::ModalRunner& runner) : runner_(runner) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageResult Show(std::string_view text, MessageButtons buttons = MessageButtons::Ok,
                       MessageIcon icon = MessageIcon::Warning) override;

private:
    gb::widgets::ModalRunner& runner_;
    QPointer<QWidget> parent_;
};

}  // namespace gb::app::ui
