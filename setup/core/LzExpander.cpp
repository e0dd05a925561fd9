#include "setup/core/LzExpander.h"

#include <fcntl.h>
#include <mspack.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string_view>
#include <system_error>

namespace gb::setup {

namespace fs = std::filesystem;

namespace {

struct DecompressorDeleter {
    void operator()(msszdd_decompressor* decompressor) const {
        mspack_destroy_szdd_decompressor(decompressor);
    }
};
using Decompressor = std::unique_ptr<msszdd_decompressor, DecompressorDeleter>;

// An opened compressed file; closed with its decompressor.
class SzddFile {
public:
    // An empty path opens nothing.
    explicit SzddFile(const fs::path& path) : path_(path.string()) {
        if (path_.empty()) {
            return;
        }
        decompressor_.reset(mspack_create_szdd_decompressor(nullptr));
        if (decompressor_) {
            header_ = decompressor_->open(decompressor_.get(), path_.c_str());
        }
    }
    SzddFile(const SzddFile&) = delete;
    SzddFile& operator=(const SzddFile&) = delete;
    ~SzddFile() {
        if (header_ != nullptr) {
            decompressor_->close(decompressor_.get(), header_);
        }
    }

    bool Created() const { return decompressor_ != nullptr; }
    const msszddd_header* Header() const { return header_; }
    int ExtractTo(const fs::path& target) {
        const std::string name = target.string();
        return decompressor_->extract(decompressor_.get(), header_, name.c_str());
    }

private:
    Decompressor decompressor_;
    std::string path_;  // libmspack keeps the name while the file is open
    msszddd_header* header_ = nullptr;
};

constexpr std::string_view kSignature{"SZDD\x88\xF0\x27\x33", 8};

enum class SourceKind { Unreadable, Plain, Compressed };

// Whether the file begins with the compressed format's signature.
SourceKind KindOf(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return SourceKind::Unreadable;
    }
    char start[kSignature.size()];
    const ssize_t got = ::read(fd, start, sizeof start);
    ::close(fd);
    if (got < 0) {
        return SourceKind::Unreadable;
    }
    return std::string_view(start, static_cast<std::size_t>(got)) == kSignature
               ? SourceKind::Compressed
               : SourceKind::Plain;
}

// A temporary file beside the target, removed unless it was renamed into place.
class TemporaryBeside {
public:
    explicit TemporaryBeside(const fs::path& target) {
        std::string pattern = (target.parent_path() / ("." + target.filename().string())).string();
        pattern += ".XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0) {
            ::close(fd);
            path_ = pattern;
        }
    }
    TemporaryBeside(const TemporaryBeside&) = delete;
    TemporaryBeside& operator=(const TemporaryBeside&) = delete;
    ~TemporaryBeside() {
        if (!path_.empty()) {
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }

    const fs::path& Path() const { return path_; }
    bool Commit(const fs::path& target, fs::perms permissions) {
        std::error_code error;
        fs::permissions(path_, permissions, error);
        if (!error) {
            fs::rename(path_, target, error);
        }
        if (error) {
            return false;
        }
        path_.clear();
        return true;
    }

private:
    fs::path path_;
};

ExpandStatus StatusOfExtraction(int error) {
    switch (error) {
        case MSPACK_ERR_OK:
            return ExpandStatus::Expanded;
        case MSPACK_ERR_OPEN:
            return ExpandStatus::TargetUnwritable;
        case MSPACK_ERR_NOMEMORY:
            return ExpandStatus::OutOfMemory;
        case MSPACK_ERR_WRITE:
            return ExpandStatus::WriteFailed;
        default:
            return ExpandStatus::Corrupt;
    }
}

std::uintmax_t SizeOf(const fs::path& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    return error ? 0 : size;
}

}  // namespace

std::optional<std::string> ExpandedName(const fs::path& source) {
    const SourceKind kind = KindOf(source);
    std::string name = source.filename().string();
    if (kind != SourceKind::Compressed) {
        return kind == SourceKind::Plain ? std::optional(name) : std::nullopt;
    }
    SzddFile file(source);
    if (file.Header() == nullptr) {
        return std::nullopt;
    }
    const char missing = file.Header()->missing_char;
    if (missing != '\0' && !name.empty() && name.back() == '_') {
        name.back() = missing;
    }
    return name;
}

ExpandResult ExpandFile(const fs::path& source, const fs::path& target, fs::perms permissions) {
    const SourceKind kind = KindOf(source);
    if (kind == SourceKind::Unreadable) {
        return {ExpandStatus::SourceUnreadable};
    }
    const bool compressed = kind == SourceKind::Compressed;
    SzddFile file(compressed ? source : fs::path());
    if (compressed && file.Header() == nullptr) {
        return {file.Created() ? ExpandStatus::Corrupt : ExpandStatus::OutOfMemory};
    }
    TemporaryBeside temporary(target);
    if (temporary.Path().empty()) {
        return {ExpandStatus::TargetUnwritable};
    }
    std::uintmax_t expected = 0;
    if (compressed) {
        if (const ExpandStatus status = StatusOfExtraction(file.ExtractTo(temporary.Path()));
            status != ExpandStatus::Expanded) {
            return {status};
        }
        expected = static_cast<std::uintmax_t>(file.Header()->length);
    } else {
        std::error_code error;
        fs::copy_file(source, temporary.Path(), fs::copy_options::overwrite_existing, error);
        if (error) {
            return {ExpandStatus::WriteFailed};
        }
        expected = SizeOf(source);
    }
    // The format has no checksum: a damaged or cut file shows in its length.
    const std::uintmax_t written = SizeOf(temporary.Path());
    if (written != expected) {
        return {ExpandStatus::Corrupt};
    }
    if (!temporary.Commit(target, permissions)) {
        return {ExpandStatus::TargetUnwritable};
    }
    return {ExpandStatus::Expanded, written};
}

}  // namespace gb::setup
