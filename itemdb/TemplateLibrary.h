#pragma once
// The templates of one template library file (".cta"). The main program reads
// a library each time it renders; the template editor also adds, replaces,
// deletes and saves templates. Libraries written by the editor keep their
// templates in ascending name order.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "itemdb/TDocText.h"
#include "platform/Archive.h"

namespace gb::itemdb {

class CTemplateLibrary {
public:
    CTemplateLibrary() = default;

    // Stores the path and reads the file. False when it cannot be opened or is
    // malformed; the templates read completely until then are kept.
    bool OpenFile(const std::filesystem::path& path);
    // Writes the library to its path, replacing the old file only when the
    // whole write succeeded. False for an empty path or a failed write.
    bool SaveFile();

    const std::filesystem::path& GetPath() const { return path_; }
    void SetPath(const std::filesystem::path& path) { path_ = path; }

    int GetCount() const { return static_cast<int>(templates_.size()); }

    // Cursor. SetCurrent also makes the index the selected one; outside the
    // library it changes nothing and gives false.
    bool SetCurrent(int index);
    bool MoveFirst();
    bool MoveNext();
    // The template at `index`; a negative index means the cursor, an index past
    // the end the first template. Null when that leaves no template.
    const CTDocText* GetTemplate(int index = -1) const;

    // The template selected last; stored in the file.
    int GetSelected() const { return selected_; }
    bool IsModified() const { return modified_; }

    // The index of the first template with exactly this name; -1 when none.
    int FindByName(std::string_view name) const;
    // Inserts the template before the first whose name sorts after its own
    // (byte order) and gives its index; -1 when the name is taken.
    int AddTemplate(const CTDocText& added);
    // -1 removes every template and gives false; an index in the library
    // removes that one and gives true; any other changes nothing.
    bool DeleteTemplate(int index);
    // Stores the template at `index` (negative: the cursor), or over the
    // template that has its name when there is one. A template renamed moves to
    // its new place in name order. The result is its index; -1 when nothing was
    // stored.
    int SetTemplate(const CTDocText& changed, int index);

    // The file form: selected index, count, then the template records. Loading
    // replaces the templates; both directions clear the modified flag.
    void Serialize(gb::Archive& ar);

private:
    bool IsIndex(int index) const { return index >= 0 && index < GetCount(); }
    void ClampPositions();

    std::int32_t selected_ = 0;
    std::filesystem::path path_;
    int cursor_ = 0;
    std::vector<CTDocText> templates_;
    bool modified_ = false;
};

}  // namespace gb::itemdb
