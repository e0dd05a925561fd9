#include "app/core/ServiceUpdatePrompts.h"

#include "app/core/MessageService.h"

namespace gb::app {

void ServiceUpdatePrompts::ShowMessage(std::string_view text) {
    messages_.Show(text, MessageButtons::Ok, MessageIcon::Warning);
}

}  // namespace gb::app
