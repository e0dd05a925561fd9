#pragma once
// The wizard's decisions that need no window: the readme page's text and the
// folder a choice in the folder browser gives.

#include <filesystem>
#include <string>

namespace gb::setup {

struct ReadmePage {
    std::string text;
    bool stay = false;  // the readme is missing: the wizard cannot go on
};

// The readme of `programFolder`, behind a warning when an earlier installation
// is registered; when it cannot be read, the notice and the log header.
ReadmePage ReadmePageText(const std::filesystem::path& programFolder, bool earlierInstallation,
                          const std::string& logHeader);

// The folder to install into when the user chose `chosen` in the browser.
std::filesystem::path FolderForChoice(const std::filesystem::path& chosen);

}  // namespace gb::setup
