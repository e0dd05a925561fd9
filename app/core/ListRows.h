#pragma once
// The rows of the item list as displayed, for printing and export: the items
// in list order and what their cells' texts need. Made where the rows are
// used, from identities resolved then: its item addresses hold only until the
// event loop runs again (see HeldItems).

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace gb::itemdb {
class CAucItem;
class CFeeSchedule;
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::app {
struct ListColumn;
}  // namespace gb::app

namespace gb::app {

class ListRows {
public:
    ListRows(std::vector<const gb::itemdb::CAucItem*> items, gb::itemdb::CFeeSchedule& fees,
             const gb::itemdb::FolderNameLookup* folders)
        : items_(std::move(items)), fees_(fees), folders_(folders) {}

    std::size_t Count() const { return items_.size(); }
    bool IsEmpty() const { return items_.empty(); }
    // The text the list shows in the row's cell of the column.
    std::string Cell(std::size_t row, const gb::app::ListColumn& column) const;

private:
    std::vector<const gb::itemdb::CAucItem*> items_;
    gb::itemdb::CFeeSchedule& fees_;
    const gb::itemdb::FolderNameLookup* folders_;
};

}  // namespace gb::app
