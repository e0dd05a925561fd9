#pragma once
// The Display page of the report criteria: the columns a report may show,
// split into those available (kept sorted by name) and those shown (in order).

#include <optional>
#include <string>
#include <vector>

namespace gb::itemdb {
class CFeeSchedule;
}  // namespace gb::itemdb

namespace gb::app {

struct ChooserColumn {
    std::string name;  // a fee entry's name is followed by "*"
    int code = 0;      // 0-31 fee entries, 32-80 the fields 500-548
};

class ColumnChooser {
public:
    // The active charge, fee and display-only entries and the fields; the
    // column set's codes are moved to the shown list in its order.
    ColumnChooser(gb::itemdb::CFeeSchedule fees, const std::string& columnSet);

    const std::vector<ChooserColumn>& Available() const { return available_; }
    const std::vector<ChooserColumn>& Shown() const { return shown_; }

    // Moves available entry `index` into the shown list before `before` (at
    // the end for none); gives its new index in the shown list.
    std::size_t Show(std::size_t index, std::optional<std::size_t> before);
    // Moves shown entry `index` back to the available list; gives its index there.
    std::size_t Hide(std::size_t index);
    // Swaps the shown entry with its neighbour; false at the edge.
    bool MoveUp(std::size_t index);
    bool MoveDown(std::size_t index);

    // '!' plus the number of shown entries, then '!' plus each one's code.
    std::string ColumnSet() const;

private:
    std::vector<ChooserColumn> available_;
    std::vector<ChooserColumn> shown_;
};

}  // namespace gb::app
