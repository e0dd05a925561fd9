#pragma once
// One folder of the folder tree as the flat 600-byte record the profile file
// stores: kind, type, id, parent id, next index, three zero-terminated texts
// (name, description, and the column set or page address), the heading and
// fixed flags and the index of the folder's filter.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "itemdb/FixedText.h"

namespace gb::itemdb {

class CFolderNode {
public:
    static constexpr std::size_t kRecordSize = 600;
    static constexpr std::size_t kMaxName = 59;
    static constexpr std::size_t kMaxText = 253;
    static constexpr std::int32_t kNoFilter = -1;

    // Reads a record of exactly kRecordSize bytes (std::invalid_argument
    // otherwise); the texts are taken as they are,
    // terminated or not (see HasTerminatedTexts).
    static CFolderNode FromRecord(std::string_view record);
    // Appends the record's kRecordSize bytes.
    void AppendRecord(std::string& out) const;

    // Whether every text field has its terminator.
    bool HasTerminatedTexts() const;

    std::int32_t kind = 0;
    std::int32_t type = 0;
    std::int32_t id = 0;
    std::int32_t parentId = 0;
    std::int32_t next = 0;  // index of the next node in chain order; 0 ends the chain
    FixedText<kMaxName + 1> name;
    FixedText<kMaxText + 1> description;
    FixedText<kMaxText + 1> data;  // column set, or the address of a page folder
    std::int32_t heading = 0;
    std::int32_t fixed = 0;
    std::int32_t filterIndex = kNoFilter;

    bool operator==(const CFolderNode&) const = default;
};

}  // namespace gb::itemdb
