#pragma once
// Lists the entries of one folder that match a list of wildcard patterns, one
// pattern after the other: either the files or the sub-folders. Hidden entries
// (names starting with '.') and entries that are neither files nor folders are
// never listed. Patterns use '*' and '?' and ignore case.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gb::itemdb {

class CFileFinder {
public:
    explicit CFileFinder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    void SetPattern(std::string_view pattern) { pattern_ = pattern; }
    // Patterns separated by ';' or ' '. Takes the first one; false when there is none.
    bool SetPatterns(std::string_view patterns, bool folders);
    // Cuts the next pattern off the list; false when it is empty.
    bool NextPattern(std::string& pattern);

    // Starts a new search with the current pattern; the first matching entry of
    // any kind. False when nothing matches or the folder cannot be read.
    bool FindFirst(std::string& name);
    // The next accepted entry, going on to the next pattern when one runs out;
    // false when every pattern is exhausted.
    bool FindNext(std::string& name);

private:
    enum class EntryKind { File, Folder, Other };
    struct Entry {
        std::string name;
        EntryKind kind;
    };

    // Lists the folder's entries that match the pattern; false when none does.
    bool StartSearch();
    // Moves the search to its next entry; false at its end.
    bool Advance();
    bool Accepts(const Entry& entry) const;

    std::filesystem::path folder_;
    std::string pattern_ = "*";
    std::string patternList_;
    bool folders_ = false;
    // The running search: the matching entries in name order and the one last given.
    std::vector<Entry> matches_;
    std::size_t position_ = 0;
    bool restart_ = false;
};

}  // namespace gb::itemdb
