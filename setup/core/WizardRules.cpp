#include "setup/core/WizardRules.h"

#include "platform/FileIo.h"
#include "setup/core/SetupStrings.h"

namespace gb::setup {

ReadmePage ReadmePageText(const std::filesystem::path& programFolder, bool earlierInstallation,
                          const std::string& logHeader) {
    const std::optional<std::string> readme = ReadWholeFile(programFolder / "Readme.txt");
    ReadmePage page;
    if (!readme) {
        page.text = std::string(SetupText(ids::ReadmeMissing)) + '\n' + logHeader;
        page.stay = true;
        return page;
    }
    if (earlierInstallation) {
        page.warning = SetupText(ids::EarlierInstallation);
    }
    page.text = *readme;
    return page;
}

std::filesystem::path FolderForChoice(const std::filesystem::path& chosen) {
    return chosen / "Lotkeeper";
}

std::variant<std::filesystem::path, std::string> FolderForText(std::string_view text,
                                                               const std::filesystem::path& home) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    text = first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.empty()) {
        return std::string("Type the folder to install Gavelbook in.");
    }
    if (text == "~") {
        return home;
    }
    if (text.starts_with("~/")) {
        return home / text.substr(2);
    }
    const std::filesystem::path folder(text);
    if (!folder.is_absolute()) {
        return "\"" + std::string(text) +
               "\" is not a complete folder name. Type a folder that begins with \"/\" (or "
               "with \"~/\" for your home folder).";
    }
    return folder;
}

}  // namespace gb::setup
