#include "platform/TextTokens.h"

namespace gb {

bool ReplaceToken(std::string& text, std::string_view token, std::string_view replacement) {
    if (token.empty()) {
        return false;
    }
    const std::size_t at = text.find(token);
    if (at == std::string::npos) {
        return false;
    }
    text.replace(at, token.size(), replacement);
    return true;
}

}  // namespace gb
