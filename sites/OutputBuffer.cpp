#include "sites/OutputBuffer.h"

#include <algorithm>

namespace gb::sites {

bool FitsBuffer(std::string_view text, const char* buffer, std::uint32_t size) {
    return buffer != nullptr && text.size() < size;
}

HRESULT CopyToBuffer(std::string_view text, char* buffer, std::uint32_t size) {
    if (!FitsBuffer(text, buffer, size)) {
        return E_FAIL;
    }
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = '\0';
    return S_OK;
}

}  // namespace gb::sites
