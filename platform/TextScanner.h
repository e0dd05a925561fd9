#pragma once
// A read cursor over a Windows-1252 text, for the small hand-written parsers
// of money and date texts.

#include <cstddef>
#include <string_view>

namespace gb {

class TextScanner {
public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    // The character `ahead` places from the cursor; '\0' past the end.
    char Peek(std::size_t ahead = 0) const;
    void Advance(std::size_t count = 1);

    // Blanks are the space, tab, CR, LF and the no-break space (0xA0).
    // Returns whether any was skipped.
    bool SkipBlanks();
    // Moves past `c` when the text continues with it.
    bool Consume(char c);
    // Moves past `word` (not empty) when the text continues with it, letter
    // case aside.
    bool ConsumeNoCase(std::string_view word);
    // The run of digits, or of letters, at the cursor; the cursor moves past it.
    std::string_view TakeDigits();
    std::string_view TakeLetters();

    static bool IsBlank(char c);
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    // A character with an upper- and a lower-case form in 1252.
    static bool IsLetter(char c);

private:
    template <typename Predicate>
    std::string_view TakeWhile(Predicate predicate);

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace gb
