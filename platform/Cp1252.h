#pragma once
// Windows-1252, the system's 8-bit code page: every text inside the core is a
// std::string of 1252 bytes. These helpers convert at the edges and give the
// code page's case rules.

#include <optional>
#include <string>
#include <string_view>

namespace gb::cp1252 {

// What to write for a character that 1252 cannot hold.
enum class Unmappable {
    QuestionMark,  // plain text: "?"
    HtmlEntity,    // HTML: "&#N;"
};

// The Unicode code point of a 1252 byte. The five bytes 1252 leaves undefined
// map to the C1 control of the same number, so every byte round-trips.
char32_t ToUnicode(unsigned char byte);

// The 1252 byte of a code point, if the code page has one.
std::optional<unsigned char> FromUnicode(char32_t codePoint);

std::string ToUtf8(std::string_view text);

// Malformed UTF-8 sequences become U+FFFD, which is then unmappable.
std::string FromUtf8(std::string_view utf8, Unmappable unmappable = Unmappable::QuestionMark);

// Whether the bytes are well-formed UTF-8.
bool IsUtf8(std::string_view bytes);

char ToUpper(char c);
char ToLower(char c);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

// Compares case-insensitively by the code page's lower-case mapping:
// negative, zero or positive like strcmp.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Finds `needle` in `haystack` case-insensitively from `from`; npos if absent.
std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);

}  // namespace gb::cp1252
