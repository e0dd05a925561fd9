#include "platform/TextScanner.h"

#include <algorithm>

#include "platform/Cp1252.h"

namespace gb {

char TextScanner::Peek(std::size_t ahead) const {
    return ahead < text_.size() - pos_ ? text_[pos_ + ahead] : '\0';
}

void TextScanner::Advance(std::size_t count) {
    pos_ = std::min(text_.size(), pos_ + count);
}

bool TextScanner::SkipBlanks() {
    return !TakeWhile(IsBlank).empty();
}

bool TextScanner::Consume(char c) {
    if (AtEnd() || text_[pos_] != c) {
        return false;
    }
    ++pos_;
    return true;
}

bool TextScanner::ConsumeNoCase(std::string_view word) {
    if (word.empty() || text_.size() - pos_ < word.size() ||
        !cp1252::EqualsNoCase(text_.substr(pos_, word.size()), word)) {
        return false;
    }
    pos_ += word.size();
    return true;
}

std::string_view TextScanner::TakeDigits() {
    return TakeWhile(IsDigit);
}

std::string_view TextScanner::TakeLetters() {
    return TakeWhile(IsLetter);
}

bool TextScanner::IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\xA0';
}

bool TextScanner::IsLetter(char c) {
    return cp1252::ToLower(c) != cp1252::ToUpper(c);
}

template <typename Predicate>
std::string_view TextScanner::TakeWhile(Predicate predicate) {
    const std::size_t start = pos_;
    while (!AtEnd() && predicate(text_[pos_])) {
        ++pos_;
    }
    return text_.substr(start, pos_ - start);
}

}  // namespace gb
