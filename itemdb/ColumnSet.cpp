#include "itemdb/ColumnSet.h"

#include <algorithm>

#include "itemdb/FieldId.h"
#include "itemdb/LotkeeperStrings.h"

namespace gb::itemdb {

namespace {

constexpr int kCodeBase = '!';

int CodeOfCharacter(char c) {
    return static_cast<unsigned char>(c) - kCodeBase;
}

char CharacterOfCode(std::size_t code) {
    return static_cast<char>(code + kCodeBase);
}

}  // namespace

ColumnSet ColumnSet::Parse(std::string_view text) {
    ColumnSet set;
    if (text.empty()) {
        return set;
    }
    const int announced = std::max(CodeOfCharacter(text.front()), 0);
    const std::size_t count = std::min(static_cast<std::size_t>(announced), text.size() - 1);
    for (const char c : text.substr(1, count)) {
        const int code = CodeOfCharacter(c);
        if (IsValidCode(code)) {
            set.codes_.push_back(code);
        }
    }
    return set;
}

ColumnSet ColumnSet::Standard(StandardColumnSet set) {
    return Parse(LotkeeperStrings().Get(static_cast<int>(set)));
}

int ColumnSet::FieldIdOf(int code) {
    return code >= kFirstFieldCode && code <= kLastCode ? code + kFieldIdOffset : 0;
}

int ColumnSet::CodeOfField(int fieldId) {
    return fieldId >= field::First && fieldId <= field::Last ? fieldId - kFieldIdOffset : -1;
}

bool ColumnSet::Contains(int code) const {
    return std::find(codes_.begin(), codes_.end(), code) != codes_.end();
}

bool ColumnSet::Add(int code) {
    if (!IsValidCode(code) || Contains(code) || codes_.size() >= kMaxEntries) {
        return false;
    }
    codes_.push_back(code);
    return true;
}

bool ColumnSet::TextHasCode(std::string_view text, int code) {
    return IsValidCode(code) &&
           text.find(CharacterOfCode(static_cast<std::size_t>(code)), 1) != std::string_view::npos;
}

bool ColumnSet::AppendCode(std::string& text, int code) {
    if (!IsValidCode(code)) {
        return false;
    }
    if (text.empty()) {
        text = CharacterOfCode(0);
    }
    if (TextHasCode(text, code) || text.size() - 1 >= kMaxEntries) {
        return false;
    }
    text += CharacterOfCode(static_cast<std::size_t>(code));
    text.front() = CharacterOfCode(text.size() - 1);
    return true;
}

std::string ColumnSet::ToText() const {
    std::string text(1, CharacterOfCode(codes_.size()));
    for (const int code : codes_) {
        text += CharacterOfCode(static_cast<std::size_t>(code));
    }
    return text;
}

}  // namespace gb::itemdb
