#pragma once
// Message boxes on the screen, over the main window.

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include "app/core/MessageService.h"

namespace ui {

class QtMessageService final : public MessageService {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageResult Show(std::string_view text, MessageButtons buttons = MessageButtons::Ok,
                       MessageIcon icon = MessageIcon::Warning) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace ui
