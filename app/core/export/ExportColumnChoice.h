#pragma once
// The two lists of the export dialog: the columns available, sorted by name,
// and the columns to export, in order, each with a selection. Filled from a
// column-set text and given back as one.

#include <string>
#include <string_view>
#include <vector>

namespace gb::itemdb {
class CFeeSchedule;
}  // namespace gb::itemdb

namespace gb::app {

class ExportColumnChoice {
public:
    struct Entry {
        std::string name;  // a fee-schedule entry's name ends in '*'
        int code = 0;      // its column-set code

        bool operator==(const Entry&) const = default;
    };
    static constexpr int kNone = -1;

    // Available: the active fee-schedule entries that charge the buyer, are
    // seller fees or are display only, and the fields 500-548. Then every code
    // of the column set moves its entry to the end of the export list (codes
    // without an entry are ignored). The first entry of each list is selected.
    ExportColumnChoice(gb::itemdb::CFeeSchedule& fees, std::string_view columnSet);

    const std::vector<Entry>& Available() const { return available_; }
    const std::vector<Entry>& Exported() const { return exported_; }
    int AvailableSelection() const { return availableSelection_; }
    int ExportedSelection() const { return exportedSelection_; }
    void SelectAvailable(int index);
    void SelectExported(int index);

    // Moves the selected available entry in front of the selected export
    // entry (to the end when none is selected) and selects it there; the
    // available selection goes to the next entry (the previous one at the end).
    void Add();
    // Moves the selected export entry back among the available ones and selects it there.
    void Remove();
    // Swap the selected export entry with its neighbour; it stays selected.
    void Up();
    void Down();

    // The export list as a column-set text.
    std::string ColumnSet() const;

private:
    // Inserts in name order (ignoring case), after equal names; gives the index.
    int InsertAvailable(Entry entry);
    static int Clamp(int index, std::size_t size);
    void Swap(int from, int to);

    std::vector<Entry> available_;
    std::vector<Entry> exported_;
    int availableSelection_ = kNone;
    int exportedSelection_ = kNone;
};

}  // namespace gb::app
