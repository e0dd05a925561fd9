#pragma once
// Writes the LZ format the installer expands: the "SZDD" header (signature,
// mode 'A', the expanded name's last character, the expanded length) and LZSS
// data over a 4096-byte window that starts filled with blanks. Used by the
// build to make the install medium.

#include <string>
#include <string_view>

namespace gb::setup {

// The compressed form of `data`; `missingChar` is the character the stored
// name's final "_" stands for. The format holds at most 2^32 - 1 bytes.
std::string CompressSzdd(std::string_view data, char missingChar);

}  // namespace gb::setup
