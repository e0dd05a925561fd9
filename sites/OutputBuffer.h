#pragma once
// The rule of every site-object operation that fills a caller's 8-bit text
// buffer: a text fits when its length is less than the buffer's size, which
// leaves room for the terminating zero.

#include <cstdint>
#include <string_view>

#include "platform/HResult.h"

namespace gb::sites {

// A null buffer holds nothing, so nothing fits it.
bool FitsBuffer(std::string_view text, const char* buffer, std::uint32_t size);

// Copies `text` and its zero into `buffer` when it fits and returns S_OK;
// otherwise returns E_FAIL and leaves the buffer untouched.
HRESULT CopyToBuffer(std::string_view text, char* buffer, std::uint32_t size);

}  // namespace gb::sites
