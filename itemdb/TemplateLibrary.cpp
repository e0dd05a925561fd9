#include "itemdb/TemplateLibrary.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "platform/ArchiveFile.h"

namespace gb::itemdb {

namespace {

// The smallest template record: six empty texts of one length byte each and
// the kind.
constexpr std::size_t kMinRecordSize = 6 + 4;

}  // namespace

bool CTemplateLibrary::OpenFile(const std::filesystem::path& path) {
    path_ = path;
    return gb::LoadArchiveFile(path, [this](gb::Archive& ar) { Serialize(ar); });
}

bool CTemplateLibrary::SaveFile() {
    return !path_.empty() && gb::SaveArchiveFile(path_, [this](gb::Archive& ar) { Serialize(ar); });
}

bool CTemplateLibrary::SetCurrent(int index) {
    if (!IsIndex(index)) {
        return false;
    }
    cursor_ = selected_ = index;
    return true;
}

bool CTemplateLibrary::MoveFirst() {
    if (templates_.empty()) {
        return false;
    }
    cursor_ = 0;
    return true;
}

bool CTemplateLibrary::MoveNext() {
    if (cursor_ + 1 >= GetCount()) {
        return false;
    }
    ++cursor_;
    return true;
}

const CTDocText* CTemplateLibrary::GetTemplate(int index) const {
    if (index < 0) {
        index = cursor_;
    }
    if (index >= GetCount()) {
        index = 0;
    }
    return IsIndex(index) ? &templates_[static_cast<std::size_t>(index)] : nullptr;
}

int CTemplateLibrary::FindByName(std::string_view name) const {
    const auto found = std::find_if(templates_.begin(), templates_.end(),
                                    [name](const CTDocText& t) { return t.GetName() == name; });
    return found == templates_.end() ? -1 : static_cast<int>(found - templates_.begin());
}

int CTemplateLibrary::AddTemplate(const CTDocText& added) {
    const std::string& name = added.GetName();
    const auto at = std::find_if(templates_.begin(), templates_.end(),
                                 [&name](const CTDocText& t) { return t.GetName() >= name; });
    if (at != templates_.end() && at->GetName() == name) {
        return -1;
    }
    const auto inserted = templates_.insert(at, added);
    modified_ = true;
    return static_cast<int>(inserted - templates_.begin());
}

bool CTemplateLibrary::DeleteTemplate(int index) {
    bool deleted = false;
    if (index == -1) {
        templates_.clear();
    } else if (IsIndex(index)) {
        templates_.erase(templates_.begin() + index);
        modified_ = true;
        deleted = true;
    }
    ClampPositions();
    return deleted;
}

int CTemplateLibrary::SetTemplate(const CTDocText& changed, int index) {
    int position = index < 0 ? cursor_ : index;
    if (const int named = FindByName(changed.GetName()); named >= 0) {
        position = named;
    }
    // The cursor is -1 once the last template is gone: nothing to replace then.
    if (!IsIndex(position)) {
        return -1;
    }
    CTDocText& target = templates_[static_cast<std::size_t>(position)];
    if (target.GetName() == changed.GetName()) {
        target = changed;
        modified_ = true;
        return position;
    }
    DeleteTemplate(position);
    return AddTemplate(changed);
}

void CTemplateLibrary::Serialize(gb::Archive& ar) {
    modified_ = false;
    if (ar.IsStoring()) {
        ar.WriteInt32(selected_);
        ar.WriteCount(static_cast<std::uint32_t>(templates_.size()));
        for (CTDocText& t : templates_) {
            t.Serialize(ar);
        }
        return;
    }
    templates_.clear();
    selected_ = ar.ReadInt32();
    // The count only bounds what is reserved ahead: a file cut short keeps
    // the templates read before the cut.
    const std::uint32_t count = ar.ReadCount(0);
    templates_.reserve(std::min<std::size_t>(count, ar.Remaining() / kMinRecordSize));
    for (std::uint32_t i = 0; i < count; ++i) {
        CTDocText read;
        read.Serialize(ar);
        templates_.push_back(std::move(read));
    }
}

void CTemplateLibrary::ClampPositions() {
    const int last = GetCount() - 1;
    cursor_ = std::min(cursor_, last);
    selected_ = std::min(selected_, last);
}

}  // namespace gb::itemdb
