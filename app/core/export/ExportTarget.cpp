#include "app/core/export/ExportTarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <system_error>

namespace gb::app {

std::string_view ExtensionFor(ExportType type) {
    switch (type) {
        case ExportType::Separated:
            return "csv";
        case ExportType::FixedLength:
            return "txt";
        case ExportType::Tab:
            return "tab";
    }
    return "txt";
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    std::string result(path);
    if (path.size() <= 1) {
        return result;
    }
    const std::size_t slash = path.find_last_of('/');
    const std::size_t name = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string_view::npos && dot > name) {
        result.resize(dot);
    }
    result += '.';
    result += extension;
    return result;
}

bool TargetExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

bool CanWriteTarget(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return false;
    }
    const bool existed = TargetExists(path);
    const int flags = O_WRONLY | O_CLOEXEC | (existed ? O_APPEND : O_CREAT | O_EXCL);
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    if (!existed) {
        std::filesystem::remove(path, error);
    }
    return true;
}

}  // namespace gb::app
