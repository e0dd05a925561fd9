// Reads a settings file. What the reader keeps must be written back in a form
// it reads again unchanged: otherwise every write by one program would lose or
// alter what another program stored.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/SettingsFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const gb::ParsedSettings parsed = gb::ParseSettings(text);
    const std::string written = gb::FormatSettings(parsed.root);
    const gb::ParsedSettings reread = gb::ParseSettings(written);
    if (reread.malformedLines != 0 || gb::FormatSettings(reread.root) != written) {
        std::abort();
    }
    return 0;
}
