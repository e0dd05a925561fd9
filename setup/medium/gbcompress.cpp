// gbcompress INPUT OUTPUT EXPANDED-NAME
// Writes INPUT compressed in the installer's LZ format to OUTPUT, keeping the
// last character of EXPANDED-NAME in the header, as the install medium stores
// its files.

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/FileIo.h"
#include "setup/medium/SzddWriter.h"

int main(int argc, char** argv) {
    if (argc != 4 || argv[3][0] == '\0') {
        std::fprintf(stderr, "usage: gbcompress INPUT OUTPUT EXPANDED-NAME\n");
        return 2;
    }
    const std::optional<std::string> input = gb::ReadWholeFile(argv[1]);
    if (!input) {
        std::fprintf(stderr, "gbcompress: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string name = argv[3];
    try {
        gb::WriteFileAtomically(argv[2], gb::setup::CompressSzdd(*input, name.back()));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "gbcompress: %s: %s\n", argv[2], failure.what());
        return 1;
    }
    return 0;
}
