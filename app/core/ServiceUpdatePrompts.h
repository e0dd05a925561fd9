#pragma once
// The update run's messages, shown through the program's message-box service.

#include "itemdb/UpdatePrompts.h"

namespace gb::app {

class MessageService;

class ServiceUpdatePrompts final : public gb::itemdb::UpdatePrompts {
public:
    explicit ServiceUpdatePrompts(MessageService& messages) : messages_(messages) {}

    void ShowMessage(std::string_view text) override;

private:
    MessageService& messages_;
};

}  // namespace gb::app
