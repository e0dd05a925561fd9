#pragma once
// The commands that make, open and save profiles, on the one profile document
// of the program: New, Open, the recently used profiles, Save and Save As.
// They also open the first profile at start-up.

#include <cstddef>
#include <filesystem>
#include <functional>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandMap.h"

namespace gb::itemdb {
class CAucDoc;
}  // namespace gb::itemdb

namespace gb::app {

class FileDialogService;
class MessageService;

class ProfileCommands final : public ProfileOpener {
public:
    enum class Event { Created, Opened, Saved };
    using Listener = std::function<void(Event)>;

    ProfileCommands(gb::itemdb::CAucDoc& document, CLotkeeperApp& app, FileDialogService& files,
                    MessageService& messages);

    // Told after a profile was made, opened or saved.
    void SetListener(Listener listener) { listener_ = std::move(listener); }
    // Puts what the window's form holds into the profile; run before the
    // profile is saved or replaced, so that nothing typed is lost.
    void SetFormStore(std::function<void()> store) { formStore_ = std::move(store); }

    const CommandMap& Commands() const { return commands_; }

    // ProfileOpener. Each first lets the document save or keep the profile
    // open now; false when it must stay. While an update run lasts the
    // profile stays, and the user is told why.
    bool NewProfile() override;
    // A profile that cannot be read leaves the open profile as it was.
    bool OpenProfile(const std::filesystem::path& path) override;

    // Asks for the profile to open.
    bool OpenChosenProfile();
    // Opens recently used profile `index`; one that cannot be opened leaves
    // the list.
    bool OpenRecent(std::size_t index);
    bool Save();
    bool SaveAs();

private:
    // A new profile takes its root folder's name, "New Profile", as its own
    // name and title.
    void NameNewProfile();
    void StoreTypedEntries();
    enum class OpenResult { Opened, Kept, Unreadable };

    OpenResult Open(const std::filesystem::path& path);
    // True (after telling the user) while an update run keeps the profile.
    bool RefusedDuringUpdate();
    void Notify(Event event);
    void Remember(const std::filesystem::path& path);

    gb::itemdb::CAucDoc& document_;
    CLotkeeperApp& app_;
    FileDialogService& files_;
    MessageService& messages_;
    Listener listener_;
    std::function<void()> formStore_;
    CommandMap commands_;
};

}  // namespace gb::app
