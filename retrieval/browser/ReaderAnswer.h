#pragma once
// The answer the page-reading program writes back: one verdict byte, then for
// a page that was read its forms, fields and base address. Numbers are
// little-endian 32-bit; a text is its length followed by its bytes.
//
// The answer comes from a process that parsed untrusted bytes, so it is
// untrusted too: decoding checks every length against what is left and every
// count against the caps before taking anything, and anything malformed
// gives nothing.

#include <optional>
#include <string>
#include <string_view>

#include "retrieval/browser/PageForms.h"

namespace gb::retrieval {

enum class ReaderVerdict : unsigned char {
    Read = 0,
    TooDeep = 1,   // nested deeper than any real page
    TooLarge = 2,  // over the cap on the page, its fields or their texts
};

struct ReaderAnswer {
    ReaderVerdict verdict = ReaderVerdict::Read;
    PageForms page;  // only for Read

    static std::string Encode(const ReaderAnswer& answer);
    // Nothing when `bytes` is not exactly one well-formed answer within the caps.
    static std::optional<ReaderAnswer> Decode(std::string_view bytes);
};

}  // namespace gb::retrieval
