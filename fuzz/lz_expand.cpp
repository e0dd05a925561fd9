// Expands a file of the install medium as the installer does: its expanded
// name from the header, then its data into a file beside it.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "ScratchFile.h"
#include "setup/core/LzExpander.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path source = gb::fuzz::WriteScratchFile("Lotkeepe.ex_", bytes);
    (void)gb::setup::ExpandedName(source);
    (void)gb::setup::ExpandFile(
        source, gb::fuzz::ScratchFolder() / "Lotkeeper",
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    return 0;
}
