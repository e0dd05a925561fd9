#pragma once
// The character set a fetched page is written in, and its conversion to the
// forms the engine works with: Windows-1252 for the site objects, UTF-8 for
// the HTML parser.

#include <string>
#include <string_view>

namespace gb::retrieval {

enum class PageCharset {
    Utf8,
    // Windows-1252 and everything treated like it (ISO-8859-1, ASCII, unknown):
    // the bytes are taken as they are.
    Windows1252,
};

// The charset named by the Content-Type header's charset parameter, else by a
// <meta charset> or <meta http-equiv="Content-Type"> near the start of the page.
PageCharset DetectPageCharset(std::string_view contentType, std::string_view body);

// The page as Windows-1252; characters outside it become "&#N;".
std::string PageToCp1252(std::string_view body, PageCharset charset);

// The page as UTF-8.
std::string PageToUtf8(std::string_view body, PageCharset charset);

// A UTF-8 text (a form value) in the page's charset, as a browser submits it;
// characters a Windows-1252 page cannot hold become "&#N;".
std::string Utf8ToPageCharset(std::string_view utf8, PageCharset charset);

}  // namespace gb::retrieval
