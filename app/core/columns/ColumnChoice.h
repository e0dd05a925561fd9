#pragma once
// The columns a folder shows or an export writes, as the "Edit Columns" and
// export dialogs edit them: the columns available (the active charges, fees
// and display-only entries of the fee schedule marked with '*', and every item
// field), kept in alphabetical order, and the columns shown, in display order.
// A column code the lists do not offer (an entry no longer active) leaves the
// set.

#include <string>
#include <string_view>
#include <vector>

namespace gb::itemdb {
class CFeeSchedule;
}  // namespace gb::itemdb

namespace gb::app {

struct ColumnEntry {
    int code = 0;
    std::string title;

    bool operator==(const ColumnEntry&) const = default;
};

class ColumnChoice {
public:
    ColumnChoice(std::string_view columnSet, const gb::itemdb::CFeeSchedule& fees);

    const std::vector<ColumnEntry>& Available() const { return available_; }
    const std::vector<ColumnEntry>& Shown() const { return shown_; }

    // Moves an available column into the shown ones before `before` (appended
    // when `before` is -1 or past the end). Gives its index among the shown;
    // -1 when `index` names no available column.
    int Show(int index, int before);
    // Moves a shown column back among the available ones. Gives its index
    // there; -1 when `index` names no shown column.
    int Hide(int index);
    // Moves a shown column one place up (-1) or down (+1); gives its index.
    int MoveShown(int index, int delta);

    // The shown columns as a column-set text.
    std::string ColumnSetText() const;

private:
    int InsertAvailable(ColumnEntry entry);

    std::vector<ColumnEntry> available_;
    std::vector<ColumnEntry> shown_;
};

}  // namespace gb::app
