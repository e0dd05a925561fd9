// Resolves a link against a page address as the browser session does for
// links and form actions, and replaces an address's query as a form sent by
// GET does. Input: the base address, a NUL byte, the reference.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "retrieval/browser/Url.h"

using namespace gb::retrieval;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view base = input.substr(0, split);
    const std::string_view reference =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    const std::optional<std::string> resolved = url::Resolve(base, reference);
    (void)url::WithQuery(base, reference);
    if (resolved) {
        // A resolved address is absolute: resolving it again changes nothing.
        const std::optional<std::string> again = url::Resolve(*resolved, *resolved);
        if (!again || *again != *resolved) {
            std::abort();
        }
        (void)url::WithQuery(*resolved, "a=1&b=%20");
    }
    return 0;
}
