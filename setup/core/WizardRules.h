#pragma once
// The wizard's decisions that need no window: the readme page's text, the
// folder a choice in the folder browser gives and the folder a typed text names.

#include <filesystem>
#include <string>
#include <variant>

namespace gb::setup {

struct ReadmePage {
    std::string warning;  // that an earlier installation is registered, or empty
    std::string text;
    bool stay = false;  // the readme is missing: the wizard cannot go on
};

// The readme of `programFolder`, with a warning when an earlier installation
// is registered; when it cannot be read, the notice and the log header.
ReadmePage ReadmePageText(const std::filesystem::path& programFolder, bool earlierInstallation,
                          const std::string& logHeader);

// The folder to install into when the user chose `chosen` in the browser.
std::filesystem::path FolderForChoice(const std::filesystem::path& chosen);

// The folder the folder page's text names: blanks around it dropped, "~" and
// a leading "~/" standing for `home`. A relative path names no folder: the
// result is then the message that refuses it.
std::variant<std::filesystem::path, std::string> FolderForText(std::string_view text,
                                                               const std::filesystem::path& home);

}  // namespace gb::setup
