#include "retrieval/reader/ReaderStreams.h"

#include <unistd.h>

#include <cerrno>

namespace gb::retrieval {

std::optional<std::string> ReaderStreams::ReadPage(std::size_t limit) {
    std::string page;
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, block, sizeof block);
        if (got == 0) {
            return page;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (static_cast<std::size_t>(got) > limit - page.size()) {
            return std::nullopt;
        }
        page.append(block, static_cast<std::size_t>(got));
    }
}

bool ReaderStreams::WriteAnswer(std::string_view answer) {
    while (!answer.empty()) {
        const ssize_t written = write(STDOUT_FILENO, answer.data(), answer.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        answer.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace gb::retrieval
