#pragma once
// The profile document: one open profile with its name, seller IDs, folder
// tree, items and selected folder, read from and written to the profile file
// (".pro"). It has no window of its own: views register with it to hear of
// changes and to be offered commands, and the questions of its lifecycle go
// through injectable prompts. User-interface thread only.
//
// The profile counts as modified when the document's own flag, the folder
// tree's, the seller list's or the item list's is set; the three part flags
// are cleared by their own archive operations on every load and save.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/DocumentEvents.h"
#include "itemdb/DocumentView.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemList.h"
#include "itemdb/ProfileVersion.h"
#include "itemdb/SellerList.h"
#include "platform/Archive.h"

namespace gb::itemdb {

class DocumentPrompts;
class ProfileHost;
class UpdateRun;

class CAucDoc {
public:
    // The name profile-version errors carry, as the format error of a file.
    static constexpr std::string_view kVersionErrorName = "Profile";

    CAucDoc();
    CAucDoc(const CAucDoc&) = delete;
    CAucDoc& operator=(const CAucDoc&) = delete;
    // Releases the retrievals of an update still running.
    virtual ~CAucDoc();

    // Collaborators; either may be null. Without prompts, an untitled modified
    // profile is never discarded: the question counts as cancelled.
    void SetHost(ProfileHost* host) { host_ = host; }
    void SetPrompts(DocumentPrompts* prompts) { prompts_ = prompts; }

    // The one channel through which the document announces its changes as
    // they happen: its items, folders, replacement and update runs.
    DocumentEvents& GetEvents() { return events_; }

    // Views, in the order they were added, for commands.
    void AddView(DocumentView* view);
    void RemoveView(DocumentView* view);
    // Updates every listener but the sender with the hint
    // (DocumentEvent::ViewsUpdated).
    void UpdateAllViews(const DocumentListener* sender, std::int32_t hint);
    // Offers the command to every view but the sender, in view order; true at
    // the first that handles it.
    virtual bool RouteCmdToAllViews(DocumentView* sender, const ViewCommand& command);

    // The folder tree, for questions: they leave its cursor where it is.
    const CFolderTree& GetFolders() const { return folderTree_; }
    // The folder tree, for the commands that change folders; its cursor is
    // theirs, and says nothing about the selected folder.
    CFolderTree& EditFolders() { return folderTree_; }
    // Selects the folder with this id; an id below 100 stands for the first
    // folder after the root that is not a heading. False (selection kept) when
    // no folder has the id. Selecting another folder marks the profile modified.
    bool SelectFolder(std::int32_t id);
    std::int32_t GetSelectedFolderId() const { return selectedFolderId_; }
    // The selected folder, and its filter; none when no folder has its id
    // (or, for the filter, when the folder has none).
    const CFolderNode* GetSelectedFolder() const { return folderTree_.GetNode(selectedFolderId_); }
    const CItemFilter* GetSelectedFilter() const {
        return folderTree_.GetFilter(selectedFolderId_);
    }

    CItemList& GetItemList() { return itemList_; }
    const CItemList& GetItemList() const { return itemList_; }
    CSellerList& GetSellerList() { return sellerList_; }
    const CSellerList& GetSellerList() const { return sellerList_; }

    const std::string& GetProfileName() const { return profileName_; }
    // Always true; a name that differs (case counts) marks the profile modified.
    bool SetProfileName(std::string_view name);

    bool IsModified() const;
    // Stores the document's own flag only.
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    // A value of the file's header kept as read.
    std::int32_t GetHeaderValue() const { return headerValue_; }
    // The version of the profile file last read, or 272252.
    std::int32_t GetFileVersion() const { return fileVersion_; }
    // Whether the update run asks the sites for adult-only listings too.
    bool GetAdultFlag() const { return adult_; }
    void SetAdultFlag(bool adult) { adult_ = adult; }

    // The file the profile was opened from or saved to; empty for a new one.
    const std::filesystem::path& GetPathName() const { return pathName_; }
    // Also sets the title to the file's name without its extension.
    void SetPathName(const std::filesystem::path& path);
    const std::string& GetTitle() const { return title_; }
    void SetTitle(std::string_view title) { title_ = title; }

    // Lifecycle. A new profile, opening one and closing this one (see
    // SaveModified) are refused, giving false, while an update runs.
    // A new, empty, untitled profile: just the root folder, no seller IDs, no
    // items, selected folder 100. Once it stands, one DocumentReplaced with
    // hint 0 announces it; nothing is announced before.
    bool OnNewDocument();
    // Reads the profile file. On failure the user is told ("Unexpected file
    // format." for a file that is not a readable profile) and the profile that
    // was open stays as it was. On success, once the new profile stands, one
    // DocumentReplaced with hint 1 announces it; nothing is announced before.
    bool OnOpenDocument(const std::filesystem::path& path);
    // Checks the folders and writes the profile to `path`: to a temporary file
    // renamed over the old one only when the whole write succeeded, readable
    // by its owner only. A failure is reported and leaves the profile modified.
    bool OnSaveDocument(const std::filesystem::path& path);
    // Saves under the given path, or a path the prompts ask for; the document
    // then takes that path and title. False when cancelled or failed.
    bool DoSave(std::optional<std::filesystem::path> path);
    // Saves to the profile's own file, or asks for one when it has none.
    bool DoFileSave();
    // Before the profile is closed or replaced: a modified profile with a file
    // is saved without asking; an untitled modified one asks "Save changes to
    // ...?". False when the profile must stay open (cancelled, save failed,
    // or an update runs).
    bool SaveModified();
    // Empties the profile: only the root folder, no seller IDs, no items, no name.
    void DeleteContents();
    // The profile file: version, name, selected folder, header value, (a legacy
    // record in version 272247 only), seller list, folder tree, item list.
    // Writing always writes version 272252. Loading accepts 272246 to 272252,
    // anything else throws ArchiveException named "Profile"; files up to 272248
    // have the first character of every folder's column set or address moved
    // down by 32 after loading.
    void Serialize(gb::Archive& ar);

    // Folders.
    // Names the root after the profile, makes the default folders when the tree
    // has only its root, and selects the first item folder when the root or
    // nothing is selected. False (and nothing done) for a profile without a
    // name or without seller IDs.
    bool CheckFolders();
    // Gives every seller ID its folder, found by the seller's display name or
    // made anew, and stores the folder's id in the seller entry. A selection
    // that the folder check made before there were seller folders moves to
    // the first seller's first item folder.
    void EnsureSellerFolders();
    // The fixed groups and their folders; gives the id of the last one added.
    std::int32_t CreateDefaultFolders();
    // A seller's folder with its sub-folders, directly after the root; gives its id.
    std::int32_t CreateSellerFolder(std::string_view displayName);
    // Delete the folder and its sub-folders after treating the items that
    // refer to the folder itself: ended items with this status get Needs
    // Attention (an item in progress keeps its status); items with this
    // category lose it; in-progress and ended items stored in this seller
    // folder go to Deleted Items (archived ones stay). The item list is left
    // showing the items treated; the caller selects another folder. The items
    // are treated even when no folder has the id (then the result is false).
    bool DeleteStatusFolder(std::int32_t id);
    bool DeleteCategoryFolder(std::int32_t id);
    bool DeleteSellerFolder(std::int32_t id);

    // Update Database, run by the document's UpdateRun: the window that gets
    // the retrievals' messages hands them to GetUpdateRun().OnMessage.
    UpdateRun& GetUpdateRun() { return *updateRun_; }
    bool IsUpdating() const;
    bool UpdateAuctions();
    bool OnRetrievalDone(std::uint16_t request, bool success);
    std::vector<std::string> GetSiteNames();
    std::string GetSiteCLSID(std::string_view siteName);
    std::string GetSiteURL(std::string_view siteName, std::string_view itemNumber, int kind);

private:
    void LoadProfile(gb::Archive& ar);
    // Takes over the file version, header, seller IDs, folders and items of a
    // profile just loaded, in place of its own emptied ones.
    void TakeContents(CAucDoc& loaded);
    void StoreProfile(gb::Archive& ar);
    void LowerFolderDataOfOldFiles();
    // The first folder that is not a heading, from the folder `id` on along
    // the tree's chain (the chain's last when all are headings).
    std::int32_t FirstItemFolderFrom(std::int32_t id) const;
    void SetFileVersion(std::int32_t version);
    void SetCurrentDocument(CAucDoc* document);
    void ReportError(std::string_view message);
    // Gives the item list the filter, then runs `treat` on every item it
    // displays.
    template <typename Treat>
    void TreatItems(const CItemFilter& filter, Treat treat);

    ProfileHost* host_ = nullptr;
    DocumentPrompts* prompts_ = nullptr;
    std::vector<DocumentView*> views_;
    DocumentEvents events_;
    std::filesystem::path pathName_;
    std::string title_;
    bool modified_ = false;
    std::int32_t fileVersion_ = profile_version::kCurrent;
    bool adult_ = false;
    std::int32_t headerValue_ = 0;
    std::int32_t selectedFolderId_ = folder::Root;
    // The selection is the folder check's stand-in, not the user's choice.
    bool provisionalSelection_ = false;
    std::string profileName_;
    CSellerList sellerList_;
    CFolderTree folderTree_;
    CItemList itemList_;
    // Last, so that it goes first: its retrievals merge into the lists above.
    std::unique_ptr<UpdateRun> updateRun_;
};

}  // namespace gb::itemdb
