#pragma once
// The two values the editor remembers between runs, in the section the main
// program reads them from: the library's file name and the selected template.

#include <string>

namespace gb {
class Settings;
}

namespace gb::editor {

class EditorSettings {
public:
    explicit EditorSettings(gb::Settings& root) : root_(root) {}

    // The library's file name (the file system's bytes, not 1252 text),
    // without a folder; "VizEvav.cta" when unset.
    std::string GetLibraryName() const;
    // The template selected when the editor last closed; 0 when unset.
    int GetTemplateIndex() const;
    void Store(const std::string& libraryName, int templateIndex);

private:
    gb::Settings& root_;
};

}  // namespace gb::editor
