#include "platform/InstanceLock.h"

#include <sys/types.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <string>

namespace gb {

namespace fs = std::filesystem;

namespace {

// The process id on the lock's first line; nothing when there is none.
std::optional<pid_t> HolderId(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    // A process id has at most ten digits: the first line is read no further.
    char text[16] = {};
    in.read(text, sizeof text - 1);
    const char* end = text + in.gcount();
    pid_t id = 0;
    const auto [stop, error] = std::from_chars(text, end, id);
    if (error != std::errc() || stop == text || id <= 0 || (stop != end && *stop != '\n')) {
        return std::nullopt;
    }
    return id;
}

}  // namespace

InstanceLock::InstanceLock(std::string_view programName) {
    const std::string stem = std::string(programName) + '-' + std::to_string(::getuid());
    file_ = RuntimeFolder() / (stem + ".lock");
    socket_ = RuntimeFolder() / (stem + ".socket");
}

std::optional<fs::path> InstanceLock::HolderProgram() const {
    const std::optional<pid_t> holder = HolderId(file_);
    if (!holder) {
        return std::nullopt;
    }
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/" + std::to_string(*holder) + "/exe", error);
    if (error) {
        return std::nullopt;
    }
    // A program file replaced or removed while it runs is still its program.
    constexpr std::string_view kDeleted = " (deleted)";
    if (std::string text = program.string(); text.ends_with(kDeleted)) {
        text.resize(text.size() - kDeleted.size());
        program = text;
    }
    return program;
}

fs::path InstanceLock::RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    if (runtime != nullptr && *runtime != '\0' && fs::is_directory(runtime, error)) {
        return runtime;
    }
    const fs::path temporary = fs::temp_directory_path(error);
    return error ? fs::path("/tmp") : temporary;
}

}  // namespace gb
