#pragma once
// Whether a section's body survives the design view. The web engine's HTML
// parser drops the tags of table parts (rows, cells, row groups, captions,
// columns) that stand outside a table, and closes a table left open, so a
// table that starts in one section and ends in another would lose its
// structure if the design view stored a section back.

#include <string_view>

namespace gb::editor {

// True when the body holds a table-part tag, opening or closing, outside any
// table of its own, or opens a table it does not close, or closes one it did
// not open. Tags inside comments do not count.
bool HasStrayTablePart(std::string_view body);

}  // namespace gb::editor
