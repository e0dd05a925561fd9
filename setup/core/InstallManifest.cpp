#include "setup/core/InstallManifest.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <string_view>

namespace gb::setup {

namespace {

bool NeedsEscape(char c) {
    return c == '%' || c == '\t' || c == '\n' || c == '\r';
}

std::string Escape(std::string_view field) {
    std::string out;
    for (const char c : field) {
        if (NeedsEscape(c)) {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            out += field[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= field.size() ||
            std::from_chars(field.data() + i + 1, field.data() + i + 3, value, 16).ptr !=
                field.data() + i + 3) {
            return std::nullopt;
        }
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

void AddLine(std::string& text, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) {
            text += '\t';
        }
        text += Escape(field);
        first = false;
    }
    text += '\n';
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// FNV-1a, 64 bits: enough to tell a changed file from the one installed.
class Fnv1a {
public:
    void Add(std::string_view bytes) {
        for (const char c : bytes) {
            hash_ ^= static_cast<unsigned char>(c);
            hash_ *= 0x100000001B3ULL;
        }
    }
    std::uint64_t Value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

}  // namespace

std::string InstallManifest::ToText() const {
    std::string text;
    for (const InstalledFile& file : files) {
        AddLine(text, {"file", file.path.string(), std::to_string(file.size),
                       std::to_string(file.fingerprint)});
    }
    for (const std::filesystem::path& folder : folders) {
        AddLine(text, {"folder", folder.string()});
    }
    for (const InstalledValue& value : values) {
        AddLine(text, {"value", value.settingsFile.string(), value.key, value.name});
    }
    for (const InstalledKey& key : keys) {
        AddLine(text, {"key", key.settingsFile.string(), key.key});
    }
    for (const std::filesystem::path& file : settingsFiles) {
        AddLine(text, {"settings", file.string()});
    }
    for (const RegisteredServer& server : servers) {
        AddLine(text, {"server", server.library.string(), server.settingsFolder.string()});
    }
    return text;
}

std::optional<InstallManifest> InstallManifest::FromText(std::string_view text) {
    InstallManifest manifest;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty()) {
            continue;
        }
        std::vector<std::string> fields;
        std::size_t start = 0;
        while (true) {
            const std::size_t tab = line.find('\t', start);
            std::optional<std::string> field = Unescape(line.substr(start, tab - start));
            if (!field) {
                return std::nullopt;
            }
            fields.push_back(std::move(*field));
            if (tab == std::string_view::npos) {
                break;
            }
            start = tab + 1;
        }
        const std::string& kind = fields[0];
        if (kind == "file" && fields.size() == 4) {
            const auto size = ParseNumber<std::uintmax_t>(fields[2]);
            const auto fingerprint = ParseNumber<std::uint64_t>(fields[3]);
            if (!size || !fingerprint) {
                return std::nullopt;
            }
            manifest.files.push_back({fields[1], *size, *fingerprint});
        } else if (kind == "folder" && fields.size() == 2) {
            manifest.folders.emplace_back(fields[1]);
        } else if (kind == "value" && fields.size() == 4) {
            manifest.values.push_back({fields[1], fields[2], fields[3]});
        } else if (kind == "key" && fields.size() == 3) {
            manifest.keys.push_back({fields[1], fields[2]});
        } else if (kind == "settings" && fields.size() == 2) {
            manifest.settingsFiles.emplace_back(fields[1]);
        } else if (kind == "server" && fields.size() == 3) {
            manifest.servers.push_back({fields[1], fields[2]});
        } else {
            return std::nullopt;
        }
    }
    return manifest;
}

std::optional<InstalledFile> InstallManifest::Fingerprint(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    // Installed programs can be large: a piece at a time, never the whole file.
    std::array<char, 64 * 1024> piece;
    Fnv1a hash;
    std::uintmax_t size = 0;
    while (file.read(piece.data(), piece.size()) || file.gcount() > 0) {
        const auto got = static_cast<std::size_t>(file.gcount());
        hash.Add(std::string_view(piece.data(), got));
        size += got;
    }
    if (file.bad()) {
        return std::nullopt;
    }
    return InstalledFile{path, size, hash.Value()};
}

}  // namespace gb::setup
