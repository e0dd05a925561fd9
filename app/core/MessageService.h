#pragma once
// Message boxes, injectable so that tests never wait on a modal window.
// Texts are Windows-1252.

#include <string_view>

namespace gb::app {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageResult { Ok, Cancel, Yes, No };

class MessageService {
public:
    virtual MessageResult Show(std::string_view text, MessageButtons buttons = MessageButtons::Ok,
                               MessageIcon icon = MessageIcon::Warning) = 0;

protected:
    ~MessageService() = default;
};

}  // namespace gb::app
