#include "setup/core/DesktopEntry.h"

namespace gb::setup {

namespace {

// A value of type string: backslashes and line breaks escaped.
std::string StringValue(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Header(std::string_view name, std::string_view comment,
                   const std::filesystem::path& icon) {
    std::string entry = "[Desktop Entry]\nType=Application\nVersion=1.0\nName=";
    entry += StringValue(name);
    entry += "\nComment=";
    entry += StringValue(comment);
    if (!icon.empty()) {
        entry += "\nIcon=";
        entry += StringValue(icon.string());
    }
    entry += "\nTerminal=false\nCategories=Office;\n";
    return entry;
}

}  // namespace

std::string ExecArgument(std::string_view argument) {
    // Inside double quotes the Exec rules escape these four with a backslash;
    // the file format then escapes every backslash once more.
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c == '%' ? std::string("%%") : std::string(1, c);
    }
    quoted += '"';
    return StringValue(quoted);
}

std::string ProgramEntry(std::string_view name, std::string_view comment,
                         const std::filesystem::path& program, bool opensProfiles,
                         const std::filesystem::path& icon) {
    std::string entry = Header(name, comment, icon);
    entry += "Exec=";
    entry += ExecArgument(program.string());
    if (opensProfiles) {
        entry += " %f\nMimeType=";
        entry += kProfileMimeType;
        entry += ';';
    }
    entry += "\nPath=";
    entry += StringValue(program.parent_path().string());
    entry += '\n';
    return entry;
}

std::string DocumentEntry(std::string_view name, std::string_view comment,
                          const std::filesystem::path& document,
                          const std::filesystem::path& icon) {
    std::string entry = Header(name, comment, icon);
    entry += "Exec=xdg-open ";
    entry += ExecArgument(document.string());
    entry += '\n';
    return entry;
}

std::string ProfileMimePackage() {
    std::string package =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"";
    package += kProfileMimeType;
    package +=
        "\">\n"
        "    <comment>Gavelbook profile</comment>\n"
        "    <glob pattern=\"*.pro\" weight=\"60\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    return package;
}

}  // namespace gb::setup
