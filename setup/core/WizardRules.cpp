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
        page.text = SetupText(ids::EarlierInstallation);
    }
    page.text += *readme;
    return page;
}

std::filesystem::path FolderForChoice(const std::filesystem::path& chosen) {
    return chosen / "Lotkeeper";
}

}  // namespace gb::setup
