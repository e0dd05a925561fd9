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

std::string NoHelpProgramText(std::string_view helpFile) {
    return "The help file \"" + std::string(helpFile) +
           "\" could not be opened: no web browser is set up on this computer to show it. Set "
           "up a default web browser, or open the file in a browser yourself.";
}

std::string NoMailProgramText(std::string_view mailTo) {
    return "No mail program could be started to write to " + std::string(MailAddress(mailTo)) +
           ": none is set up on this computer for e-mail links. Set up a default mail program, "
           "or write to the address from the mail program you use.";
}

}  // namespace gb::app
