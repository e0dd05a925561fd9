#include "setup/core/InstallPlan.h"

namespace gb::setup {

namespace {

const InstallFile kShippedFiles[] = {
#include "InstallFiles.inc"
};

}  // namespace

const InstallFile* InstallPlan::FindExpanded(std::string_view expandedName) const {
    for (const InstallFile& file : files) {
        if (file.expandedName == expandedName) {
            return &file;
        }
    }
    return nullptr;
}

std::string InstallPlan::InstalledName(std::string_view expandedName) const {
    const InstallFile* file = FindExpanded(expandedName);
    return file != nullptr ? file->installedName : std::string(expandedName);
}

const InstallPlan& ShippedPlan() {
    static const InstallPlan plan{
        {std::begin(kShippedFiles), std::end(kShippedFiles)},
        {"Bidscope.dll", "Fetchwell.dll"},
        {
            {Shortcut::Kind::Program, "Lotkeeper.exe", "Gavelbook for Sellers",
             "gavelbook-lotkeeper.desktop",
             "Keep track of your auction items after the bidding ends", true},
            {Shortcut::Kind::Document, "Lotkeeper.html", "Help for Gavelbook",
             "gavelbook-help.desktop", "The Gavelbook user guide", false},
        },
        "Remove.exe",
        "Lotkeeper.png",
    };
    return plan;
}

}  // namespace gb::setup
