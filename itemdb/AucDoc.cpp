#include "itemdb/AucDoc.h"

#include <algorithm>

#include "itemdb/DocumentPrompts.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/LotkeeperStrings.h"
#include "itemdb/ProfileHost.h"
#include "itemdb/UpdateRun.h"
#include "platform/Cp1252.h"
#include "platform/FileIo.h"
#include "platform/MappedFile.h"

namespace gb::itemdb {

namespace {

// Texts of the document's lifecycle.
constexpr int kUnexpectedFormatString = 61700;
constexpr int kFailedToOpenString = 61701;
constexpr int kFailedToSaveString = 61702;
constexpr int kAskToSaveString = 61703;
constexpr int kUntitledString = 61704;

// The record that files of version 272247 carry after the header value: a
// number and five pairs of texts, read and discarded.
constexpr std::int32_t kLegacyRecordVersion = 272247;
constexpr int kLegacyPairs = 5;
// Files up to this version stored every folder's data text with its first
// character 32 higher.
constexpr std::int32_t kRaisedFolderDataVersion = 272248;
constexpr unsigned char kFolderDataShift = 32;

std::string QuestionFor(std::string_view title) {
    std::string question = LoadString(kAskToSaveString);
    const std::string name = title.empty() ? LoadString(kUntitledString) : std::string(title);
    const std::size_t at = question.find("%1");
    if (at != std::string::npos) {
        question.replace(at, 2, name);
    }
    return question;
}

}  // namespace

void CAucDoc::AddView(DocumentView* view) {
    if (view != nullptr && std::find(views_.begin(), views_.end(), view) == views_.end()) {
        views_.push_back(view);
    }
}

void CAucDoc::RemoveView(DocumentView* view) {
    std::erase(views_, view);
}

void CAucDoc::UpdateAllViews(const DocumentListener* sender, std::int32_t hint) {
    events_.Raise(DocumentEvent::WithHint(DocumentEvent::Kind::ViewsUpdated, hint, sender));
}

bool CAucDoc::RouteCmdToAllViews(DocumentView* sender, const ViewCommand& command) {
    const std::vector<DocumentView*> views = views_;
    return std::any_of(views.begin(), views.end(), [&](DocumentView* view) {
        return view != sender && view->OnCmdMsg(command);
    });
}

std::int32_t CAucDoc::FirstItemFolderFrom(std::int32_t id) const {
    // The first folder from `id` on, in chain order, that is not a heading,
    // else the chain's last one.
    const std::vector<const CFolderNode*> chain = folderTree_.GetChain();
    auto from = std::find_if(chain.begin(), chain.end(),
                             [id](const CFolderNode* node) { return node->id == id; });
    const auto found =
        std::find_if(from, chain.end(), [](const CFolderNode* node) { return node->heading == 0; });
    return found != chain.end() ? (*found)->id : chain.back()->id;
}

bool CAucDoc::SelectFolder(std::int32_t id) {
    provisionalSelection_ = false;
    if (id < folder::Root) {
        id = FirstItemFolderFrom(folder::Root);
    }
    if (folderTree_.GetNode(id) == nullptr) {
        return false;
    }
    if (id != selectedFolderId_) {
        SetModifiedFlag();
    }
    selectedFolderId_ = id;
    return true;
}

bool CAucDoc::SetProfileName(std::string_view name) {
    if (name != profileName_) {
        profileName_ = name;
        SetModifiedFlag();
    }
    return true;
}

bool CAucDoc::IsModified() const {
    return modified_ || folderTree_.IsModified() || sellerList_.IsModified() ||
           itemList_.IsModified();
}

void CAucDoc::SetPathName(const std::filesystem::path& path) {
    pathName_ = path;
    title_ = gb::cp1252::FromUtf8(path.stem().string());
}

void CAucDoc::SetFileVersion(std::int32_t version) {
    fileVersion_ = version;
    if (host_ != nullptr) {
        host_->SetFileVersion(version);
    }
}

void CAucDoc::SetCurrentDocument(CAucDoc* document) {
    if (host_ != nullptr) {
        host_->SetCurrentDocument(document);
    }
}

void CAucDoc::ReportError(std::string_view message) {
    if (prompts_ != nullptr) {
        prompts_->ReportError(message);
    }
}

CAucDoc::CAucDoc() : updateRun_(std::make_unique<UpdateRun>(*this)) {
    folderTree_.SetEvents(&events_);
    itemList_.SetEvents(&events_);
}

CAucDoc::~CAucDoc() = default;

bool CAucDoc::OnNewDocument() {
    if (IsUpdating()) {
        return false;
    }
    {
        const DocumentEvents::Hold replacing(events_);
        DeleteContents();
        pathName_.clear();
        title_.clear();
        SetModifiedFlag(false);
        SetCurrentDocument(this);
        SetFileVersion(profile_version::kCurrent);
        selectedFolderId_ = folder::Root;
    }
    events_.Raise(
        DocumentEvent::WithHint(DocumentEvent::Kind::DocumentReplaced, DocumentEvent::kHintNew));
    return true;
}

bool CAucDoc::OnOpenDocument(const std::filesystem::path& path) {
    if (IsUpdating()) {
        return false;
    }
    // What a save of this profile that was killed left behind goes first.
    gb::RemoveStaleTemporaries(path);
    const std::optional<gb::MappedFile> file = gb::MappedFile::Open(path);
    if (!file) {
        ReportError(LoadString(kFailedToOpenString));
        return false;
    }
    // The whole file is read into a scratch profile first, which this one
    // then takes over: a file that is not a whole profile leaves the open one
    // untouched.
    CAucDoc loaded;
    try {
        gb::Archive ar = gb::Archive::ForLoadingInPlace(file->Bytes(), path.string());
        loaded.Serialize(ar);
    } catch (const gb::ArchiveException&) {
        ReportError(LoadString(kUnexpectedFormatString));
        return false;
    }
    {
        const DocumentEvents::Hold replacing(events_);
        DeleteContents();
        TakeContents(loaded);
        SetModifiedFlag(false);
        SetPathName(path);
        SetCurrentDocument(this);
        if (host_ != nullptr) {
            host_->SetProfilePath(path);
        }
        if (profileName_.empty() || sellerList_.GetCount() == 0) {
            selectedFolderId_ = folder::Root;
        }
    }
    events_.Raise(
        DocumentEvent::WithHint(DocumentEvent::Kind::DocumentReplaced, DocumentEvent::kHintOpened));
    return true;
}

bool CAucDoc::OnSaveDocument(const std::filesystem::path& path) {
    if (host_ != nullptr) {
        host_->SetProfilePath(path);
    }
    CheckFolders();
    try {
        // The file is written as it is stored, a piece at a time.
        gb::AtomicFileWriter file(path, gb::FileAccess::OwnerOnly);
        gb::Archive ar =
            gb::Archive::ForStoringTo([&file](std::string_view bytes) { file.Append(bytes); },
                                      path.string(), profile_version::kCurrent);
        Serialize(ar);
        ar.Flush();
        file.Commit();
    } catch (const gb::FileError& error) {
        // Writing cleared the parts' flags; the profile is still unsaved.
        SetModifiedFlag();
        ReportError(LoadString(kFailedToSaveString) + "\n" + gb::cp1252::FromUtf8(error.what()));
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CAucDoc::DoSave(std::optional<std::filesystem::path> path) {
    // A saved profile is proposed under its file's name, a new one under the
    // name the user gave it.
    if (!path && prompts_ != nullptr) {
        path = prompts_->ChooseSavePath(!pathName_.empty() || profileName_.empty() ? title_
                                                                                   : profileName_);
    }
    if (!path || !OnSaveDocument(*path)) {
        return false;
    }
    SetPathName(*path);
    return true;
}

bool CAucDoc::DoFileSave() {
    return DoSave(pathName_.empty() ? std::nullopt : std::optional(pathName_));
}

bool CAucDoc::SaveModified() {
    if (IsUpdating()) {
        return false;
    }
    if (!IsModified()) {
        return true;
    }
    if (!pathName_.empty()) {
        CheckFolders();
        return DoFileSave();
    }
    const DocumentPrompts::Answer answer = prompts_ != nullptr
                                               ? prompts_->AskSaveChanges(QuestionFor(title_))
                                               : DocumentPrompts::Answer::Cancel;
    switch (answer) {
        case DocumentPrompts::Answer::Yes:
            return DoFileSave();
        case DocumentPrompts::Answer::No:
            return true;
        case DocumentPrompts::Answer::Cancel:
            break;
    }
    return false;
}

void CAucDoc::DeleteContents() {
    SetCurrentDocument(nullptr);
    folderTree_.DeleteNode(folder::Root);
    sellerList_.RemoveAll();
    itemList_.RemoveAll();
    profileName_.clear();
    provisionalSelection_ = false;
}

void CAucDoc::TakeContents(CAucDoc& loaded) {
    SetFileVersion(loaded.fileVersion_);
    profileName_ = std::move(loaded.profileName_);
    selectedFolderId_ = loaded.selectedFolderId_;
    headerValue_ = loaded.headerValue_;
    sellerList_ = std::move(loaded.sellerList_);
    folderTree_ = std::move(loaded.folderTree_);
    itemList_.TakeItems(loaded.itemList_);
}

void CAucDoc::Serialize(gb::Archive& ar) {
    if (ar.IsStoring()) {
        StoreProfile(ar);
    } else {
        LoadProfile(ar);
    }
}

void CAucDoc::StoreProfile(gb::Archive& ar) {
    SetFileVersion(profile_version::kCurrent);
    ar.SetFileVersion(profile_version::kCurrent);
    ar.WriteUInt32(static_cast<std::uint32_t>(profile_version::kCurrent));
    ar.WriteString(profileName_);
    ar.WriteInt32(selectedFolderId_);
    ar.WriteInt32(headerValue_);
    sellerList_.Serialize(ar);
    folderTree_.Serialize(ar);
    itemList_.Serialize(ar);
}

void CAucDoc::LoadProfile(gb::Archive& ar) {
    const std::uint32_t stored = ar.ReadUInt32();
    if (stored > static_cast<std::uint32_t>(profile_version::kCurrent) ||
        !profile_version::IsReadable(static_cast<std::int32_t>(stored))) {
        throw gb::ArchiveException(gb::ArchiveException::Cause::BadIndex,
                                   std::string(kVersionErrorName));
    }
    const auto version = static_cast<std::int32_t>(stored);
    // Item records are laid out by the version, so it is set before any section.
    SetFileVersion(version);
    ar.SetFileVersion(version);

    profileName_ = ar.ReadString();
    selectedFolderId_ = ar.ReadInt32();
    headerValue_ = ar.ReadInt32();
    if (version == kLegacyRecordVersion) {
        ar.ReadInt32();
        for (int i = 0; i < 2 * kLegacyPairs; ++i) {
            ar.ReadString();
        }
    }
    sellerList_.Serialize(ar);
    folderTree_.Serialize(ar);
    itemList_.Serialize(ar);
    if (version <= kRaisedFolderDataVersion) {
        LowerFolderDataOfOldFiles();
    }
}

void CAucDoc::LowerFolderDataOfOldFiles() {
    folderTree_.FindNode(folder::Root);
    while (folderTree_.MoveNext()) {
        std::string data = folderTree_.GetCurColumnsOrURL();
        if (!data.empty()) {
            data[0] = static_cast<char>(static_cast<unsigned char>(data[0]) - kFolderDataShift);
            folderTree_.SetCurColumnsOrURL(data);
        }
    }
}

bool CAucDoc::CheckFolders() {
    if (profileName_.empty() || sellerList_.GetCount() == 0) {
        return false;
    }
    folderTree_.FindNode(folder::Root);
    folderTree_.SetCurName(profileName_);
    if (folderTree_.GetCount() == 1) {
        CreateDefaultFolders();
    }
    if (selectedFolderId_ <= folder::Root) {
        SelectFolder(0);
        provisionalSelection_ = true;
    }
    return true;
}

void CAucDoc::EnsureSellerFolders() {
    if (!CheckFolders()) {
        return;
    }
    const int current = sellerList_.GetCurrent();
    bool made = false;
    std::int32_t firstSellerFolder = 0;
    for (int i = 0; i < sellerList_.GetCount(); ++i) {
        sellerList_.SetCurrent(i);
        const std::string name = sellerList_.GetDisplayName();
        std::int32_t id = folderTree_.FindFolder(name, folder::Root, 1, folder::Sample);
        if (id == 0) {
            id = CreateSellerFolder(name);
            made = true;
        }
        sellerList_.SetFolderId(id);
        if (i == 0) {
            firstSellerFolder = id;
        }
    }
    sellerList_.SetCurrent(current);
    // The check chose the first item folder while there were no seller
    // folders: a new profile would open on the sample status folder.
    if (made && provisionalSelection_) {
        SelectFolder(FirstItemFolderFrom(firstSellerFolder));
    }
    provisionalSelection_ = false;
}

std::int32_t CAucDoc::CreateDefaultFolders() {
    folderTree_.FindNode(folder::Root);
    folderTree_.SetCurName(profileName_);
    return FolderBlueprint::AddDefaultFolders(folderTree_);
}

std::int32_t CAucDoc::CreateSellerFolder(std::string_view displayName) {
    return FolderBlueprint::AddSellerFolder(folderTree_, displayName);
}

template <typename Treat>
void CAucDoc::TreatItems(const CItemFilter& filter, Treat treat) {
    itemList_.SetFilter(filter);
    // Positions first: treating an item may take it off the display.
    std::vector<CItemList::ItemId> positions;
    for (bool more = itemList_.MoveFirst(); more; more = itemList_.MoveNext()) {
        positions.push_back(itemList_.GetCurrentId());
    }
    for (const CItemList::ItemId& position : positions) {
        if (const CAucItem* item = itemList_.GetItemAt(position)) {
            treat(*item, position);
        }
    }
}

bool CAucDoc::DeleteStatusFolder(std::int32_t id) {
    CItemFilter filter;
    filter.SetStateMask(CItemFilter::EndedBit);
    filter.AddStatus(id);
    TreatItems(filter, [&](const CAucItem& item, const CItemList::ItemId& position) {
        CAucItem edited = item;
        edited.SetStatus(folder::NeedsAttention, false);
        itemList_.ReplaceItem(edited, position);
    });
    return folderTree_.DeleteNode(id);
}

bool CAucDoc::DeleteCategoryFolder(std::int32_t id) {
    CItemFilter filter;
    filter.SetStateMask(CItemFilter::AllStates);
    filter.AddCategory(id);
    TreatItems(filter, [&](const CAucItem& item, const CItemList::ItemId& position) {
        CAucItem edited = item;
        edited.RemoveCategory(id);
        itemList_.ReplaceItem(edited, position);
    });
    return folderTree_.DeleteNode(id);
}

bool CAucDoc::DeleteSellerFolder(std::int32_t id) {
    CItemFilter filter;
    filter.SetStateMask(CItemFilter::InProgressBit | CItemFilter::EndedBit);
    filter.AddFolder(id);
    TreatItems(filter, [&](const CAucItem&, const CItemList::ItemId& position) {
        itemList_.MoveItem(position, folder::DeletedItems);
    });
    return folderTree_.DeleteNode(id);
}

bool CAucDoc::IsUpdating() const {
    return updateRun_->IsRunning();
}

bool CAucDoc::UpdateAuctions() {
    return updateRun_->UpdateAuctions();
}

bool CAucDoc::OnRetrievalDone(std::uint16_t request, bool success) {
    return updateRun_->OnRetrievalDone(request, success);
}

std::vector<std::string> CAucDoc::GetSiteNames() {
    return updateRun_->GetSiteNames();
}

std::string CAucDoc::GetSiteCLSID(std::string_view siteName) {
    return updateRun_->GetSiteCLSID(siteName);
}

std::string CAucDoc::GetSiteURL(std::string_view siteName, std::string_view itemNumber, int kind) {
    return updateRun_->GetSiteURL(siteName, itemNumber, kind);
}

}  // namespace gb::itemdb
