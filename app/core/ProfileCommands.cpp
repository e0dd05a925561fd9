#include "app/core/ProfileCommands.h"

#include <optional>

#include "app/core/CommandIds.h"
#include "app/core/DocumentStrings.h"
#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"
#include "app/core/UiStrings.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace gb::app {

ProfileCommands::ProfileCommands(CAucDoc& document, CLotkeeperApp& app, FileDialogService& files,
                                 MessageService& messages)
    : document_(document), app_(app), files_(files), messages_(messages) {
    commands_.On(cmd::FileNew, [this](int) { NewProfile(); });
    commands_.On(cmd::FileOpen, [this](int) { OpenChosenProfile(); });
    commands_.OnRange(cmd::FileRecent1, cmd::FileRecent4, [this](int id) {
        OpenRecent(static_cast<std::size_t>(id - cmd::FileRecent1));
    });
    commands_.OnUpdateRange(cmd::FileRecent1, cmd::FileRecent4,
                            [this](int id, CommandUpdate& update) {
                                const auto index = static_cast<std::size_t>(id - cmd::FileRecent1);
                                update.Enable(index < app_.GetRecentFiles().Entries().size());
                                update.SetText(app_.GetRecentFiles().MenuText(index));
                            });
    commands_.On(cmd::FileSave, [this](int) { Save(); });
    commands_.On(cmd::FileSaveAs, [this](int) { SaveAs(); });
}

void ProfileCommands::Notify(Event event) {
    if (listener_) {
        listener_(event);
    }
}

void ProfileCommands::Remember(const std::filesystem::path& path) {
    app_.GetRecentFiles().Add(path);
}

bool ProfileCommands::RefusedDuringUpdate() {
    if (!document_.IsUpdating()) {
        return false;
    }
    messages_.Show(UiText(string_id::UpdateRunning));
    return true;
}

void ProfileCommands::StoreTypedEntries() {
    if (formStore_) {
        formStore_();
    }
}

bool ProfileCommands::NewProfile() {
    if (RefusedDuringUpdate()) {
        return false;
    }
    StoreTypedEntries();
    if (!document_.SaveModified()) {
        return false;
    }
    if (!document_.OnNewDocument()) {
        return false;
    }
    NameNewProfile();
    Notify(Event::Created);
    return true;
}

void ProfileCommands::NameNewProfile() {
    // The name the new profile's root folder has: the window's title and the
    // profile view's name field show it too, and a save keeps it.
    const std::string name =
        document_.GetFolders().FolderName(gb::itemdb::folder::Root).value_or(std::string());
    document_.SetProfileName(name);
    document_.SetTitle(name);
    // Untouched by the user: closing it asks nothing.
    document_.SetModifiedFlag(false);
    document_.UpdateAllViews(nullptr, DocumentEvent::kHintNew);
}

bool ProfileCommands::OpenProfile(const std::filesystem::path& path) {
    return Open(path) == OpenResult::Opened;
}

ProfileCommands::OpenResult ProfileCommands::Open(const std::filesystem::path& given) {
    if (RefusedDuringUpdate()) {
        return OpenResult::Kept;
    }
    StoreTypedEntries();
    if (!document_.SaveModified()) {
        return OpenResult::Kept;
    }
    // The document keeps the profile that was open when the file cannot be
    // read; the user has been told why.
    const std::filesystem::path path = AbsoluteProfilePath(given);
    if (!document_.OnOpenDocument(path)) {
        return OpenResult::Unreadable;
    }
    document_.SetPathName(path);
    document_.SetModifiedFlag(false);
    Remember(path);
    Notify(Event::Opened);
    return OpenResult::Opened;
}

bool ProfileCommands::OpenChosenProfile() {
    if (RefusedDuringUpdate()) {
        return false;
    }
    const auto path = files_.AskOpenFile("Open", ProfileFilter());
    return path && OpenProfile(*path);
}

bool ProfileCommands::OpenRecent(std::size_t index) {
    auto& recent = app_.GetRecentFiles();
    if (index >= recent.Entries().size()) {
        return false;
    }
    const std::filesystem::path path = recent.Entries()[index];
    const OpenResult result = Open(path);
    if (result == OpenResult::Unreadable) {
        recent.Remove(index);
    }
    return result == OpenResult::Opened;
}

bool ProfileCommands::Save() {
    StoreTypedEntries();
    const bool saved = document_.DoFileSave();
    if (saved) {
        Remember(document_.GetPathName());
        Notify(Event::Saved);
    }
    return saved;
}

bool ProfileCommands::SaveAs() {
    StoreTypedEntries();
    const bool saved = document_.DoSave(std::nullopt);
    if (saved) {
        Remember(document_.GetPathName());
        Notify(Event::Saved);
    }
    return saved;
}

}  // namespace gb::app
