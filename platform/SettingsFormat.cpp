#include "platform/SettingsFormat.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/Cp1252.h"

namespace gb {

namespace {

constexpr std::string_view kHeader =
    "; Gavelbook settings. Each [key] line is followed by the key's values,\n"
    "; name=text:... or name=number:...; an empty name is the key's default value.\n"
    "; %XX stands for the byte with hex code XX.\n";
constexpr std::string_view kTextTag = "text:";
constexpr std::string_view kNumberTag = "number:";

// Characters escaped in each kind of field besides '%', control characters and
// a trailing blank (which editors tend to strip).
constexpr std::string_view kKeyNameSpecials = "[]";
constexpr std::string_view kValueNameSpecials = "=[];#";
constexpr std::string_view kDataSpecials = "";

void AppendEscaped(std::string& out, std::string_view text, std::string_view specials) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool trailingBlank = byte == ' ' && i + 1 == text.size();
        if (byte < 0x20 || byte == 0x7F || byte == '%' || trailingBlank ||
            specials.find(static_cast<char>(byte)) != std::string_view::npos) {
            out.push_back('%');
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0x0F]);
        } else {
            out.push_back(static_cast<char>(byte));
        }
    }
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        unsigned value = 0;
        const char* first = text.data() + i + 1;
        const char* last = first + std::min<std::size_t>(2, text.size() - i - 1);
        const auto [end, error] = std::from_chars(first, last, value, 16);
        if (error != std::errc() || end != first + 2) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(value));
        i += 2;
    }
    return out;
}

void FormatKey(std::string& out, const SettingsKey& key, const std::string& path) {
    if (!path.empty() || !key.Values().empty()) {
        out += '[';
        out += path;
        out += "]\n";
    }
    for (const auto& [name, value] : key.Values()) {
        AppendEscaped(out, name, kValueNameSpecials);
        out += '=';
        if (value.type == SettingsValue::Type::Number) {
            out += kNumberTag;
            out += std::to_string(value.number);
        } else {
            out += kTextTag;
            AppendEscaped(out, value.text, kDataSpecials);
        }
        out += '\n';
    }
    for (const SettingsKey* sub : key.SubKeys()) {
        std::string subPath = path;
        if (!subPath.empty()) {
            subPath += '\\';
        }
        AppendEscaped(subPath, sub->Name(), kKeyNameSpecials);
        FormatKey(out, *sub, subPath);
    }
}

// The key named by a "[path]" line, created in `root`; null when malformed.
SettingsKey* ReadKeyLine(std::string_view line, SettingsKey& root) {
    if (line.size() < 2 || line.back() != ']') {
        return nullptr;
    }
    SettingsKey* key = &root;
    for (const std::string_view escaped : SettingsKey::SplitPath(line.substr(1, line.size() - 2))) {
        const std::optional<std::string> name = Unescape(escaped);
        // A key's name can hold no backslash: it separates the names of a path.
        if (!name || name->empty() || name->find('\\') != std::string::npos) {
            return nullptr;
        }
        key = &key->CreateKey(*name);
    }
    return key;
}

bool ReadValueLine(std::string_view line, SettingsKey& key) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    const std::optional<std::string> name = Unescape(line.substr(0, equals));
    std::string_view data = line.substr(equals + 1);
    if (!name) {
        return false;
    }
    if (data.starts_with(kTextTag)) {
        std::optional<std::string> text = Unescape(data.substr(kTextTag.size()));
        if (!text) {
            return false;
        }
        key.SetValue(*name, SettingsValue::Text(std::move(*text)));
        return true;
    }
    if (data.starts_with(kNumberTag)) {
        data.remove_prefix(kNumberTag.size());
        std::uint32_t number = 0;
        const auto [end, error] = std::from_chars(data.data(), data.data() + data.size(), number);
        if (data.empty() || error != std::errc() || end != data.data() + data.size()) {
            return false;
        }
        key.SetValue(*name, SettingsValue::Number(number));
        return true;
    }
    return false;
}

}  // namespace

std::string FormatSettings(const SettingsKey& root) {
    std::string text(kHeader);
    FormatKey(text, root, {});
    return cp1252::ToUtf8(text);
}

ParsedSettings ParseSettings(std::string_view fileText) {
    ParsedSettings parsed;
    const std::string text = cp1252::FromUtf8(fileText);
    SettingsKey* current = &parsed.root;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            SettingsKey* key = ReadKeyLine(line, parsed.root);
            if (key == nullptr) {
                ++parsed.malformedLines;
                // Values under an unreadable key line must not land in another key.
                current = nullptr;
                continue;
            }
            current = key;
        } else if (current == nullptr || !ReadValueLine(line, *current)) {
            ++parsed.malformedLines;
        }
    }
    return parsed;
}

}  // namespace gb
