#include "app/core/DesktopMessages.h"

namespace gb::app {

namespace {

constexpr std::string_view kMailScheme = "mailto:";

// The address of a "mailto:" link, without the scheme and the subject or
// body after '?'.
std::string_view MailAddress(std::string_view mailTo) {
    if (mailTo.substr(0, kMailScheme.size()) == kMailScheme) {
        mailTo.remove_prefix(kMailScheme.size());
    }
    return mailTo.substr(0, mailTo.find('?'));
}

}  // namespace

std::string NoMailProgramText(std::string_view mailTo) {
    return "No mail program could be started to write to " + std::string(MailAddress(mailTo)) +
           ": none is set up on this computer for e-mail links. Set up a default mail program, "
           "or write to the address from the mail program you use.";
}

}  // namespace gb::app
