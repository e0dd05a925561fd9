#include "itemdb/FileFinder.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "platform/Cp1252.h"

namespace gb::itemdb {

namespace {

// '*' matches any run of characters, '?' any one character; letters match
// either case. Backtracks only to the last '*', so the work stays bounded by
// the product of the two lengths.
bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    const auto same = [](char a, char b) {
        return gb::cp1252::ToLower(a) == gb::cp1252::ToLower(b);
    };
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

bool CFileFinder::SetPatterns(std::string_view patterns, bool folders) {
    patternList_ = patterns;
    folders_ = folders;
    restart_ = NextPattern(pattern_);
    return restart_;
}

bool CFileFinder::NextPattern(std::string& pattern) {
    const std::size_t cut = patternList_.find_first_of("; ");
    if (cut == std::string::npos) {
        pattern = std::move(patternList_);
        patternList_.clear();
    } else {
        pattern = patternList_.substr(0, cut);
        patternList_.erase(0, cut + 1);
    }
    return !pattern.empty();
}

bool CFileFinder::FindFirst(std::string& name) {
    if (!StartSearch()) {
        return false;
    }
    name = matches_.front().name;
    return true;
}

bool CFileFinder::StartSearch() {
    matches_.clear();
    position_ = 0;
    std::error_code error;
    std::filesystem::directory_iterator it(folder_, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::string entryName = it->path().filename().string();
        if (!MatchesWildcard(pattern_, entryName)) {
            continue;
        }
        std::error_code statusError;
        const std::filesystem::file_status status = it->status(statusError);
        const EntryKind kind = std::filesystem::is_directory(status)      ? EntryKind::Folder
                               : std::filesystem::is_regular_file(status) ? EntryKind::File
                                                                          : EntryKind::Other;
        matches_.push_back({std::move(entryName), kind});
    }
    // Listed in a fixed order, whatever order the file system keeps.
    std::sort(matches_.begin(), matches_.end(), [](const Entry& a, const Entry& b) {
        return gb::cp1252::CompareNoCase(a.name, b.name) < 0;
    });
    return !matches_.empty();
}

bool CFileFinder::FindNext(std::string& name) {
    // Every turn consumes an entry of the search or a pattern of the list.
    for (;;) {
        bool found = false;
        if (restart_) {
            restart_ = false;
            found = StartSearch();
        } else {
            found = Advance();
        }
        if (!found) {
            if (!NextPattern(pattern_)) {
                return false;
            }
            restart_ = true;
            continue;
        }
        const Entry& entry = matches_[position_];
        if (Accepts(entry)) {
            name = entry.name;
            return true;
        }
    }
}

bool CFileFinder::Advance() {
    if (position_ + 1 >= matches_.size()) {
        matches_.clear();
        position_ = 0;
        return false;
    }
    ++position_;
    return true;
}

bool CFileFinder::Accepts(const Entry& entry) const {
    if (entry.name.starts_with('.')) {
        return false;
    }
    return entry.kind == (folders_ ? EntryKind::Folder : EntryKind::File);
}

}  // namespace gb::itemdb
