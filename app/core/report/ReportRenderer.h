#pragma once
// Renders items through a template: the header and the footer once, the
// repeated part once per item. Field tokens ("[Max_Bid]") and the tokens of
// the fee schedule's active charges, fees and display-only entries
// ("[Handling*]") are replaced by the item's values; in the header and the
// footer money fields and fee entries give totals over the rendered items and
// every other field the first item's value.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/ItemTotals.h"
#include "itemdb/TDocText.h"
#include "platform/Money.h"

namespace gb::itemdb {
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::app {

class ReportRenderer {
public:
    // `folders` names the statuses and storage folders; may be null.
    explicit ReportRenderer(const gb::itemdb::CFeeSchedule& fees,
                            const gb::itemdb::FolderNameLookup* folders = nullptr);

    // Starts a report through `report`: no item, every total zero.
    void BeginReport(const gb::itemdb::CTDocText& report);
    // Adds the item to the totals and renders the repeated part for it; true
    // when a token was replaced.
    bool AppendItem(const gb::itemdb::CAucItem& item);

    // Replaces the tokens of `text` in one pass from left to right, so that a
    // value is never searched for tokens again. In totals mode money fields and
    // fee entries give the totals so far. True when a token was replaced.
    bool BuildItemHtml(std::string& text, const gb::itemdb::CAucItem& item, bool totalsMode);

    // The whole document: the header's head, the items, the footer's inner
    // part and the header's tail; empty when no item was added.
    std::string BuildReport();
    bool HasItems() const { return first_.has_value(); }

    const std::string& GetTemplateName() const { return template_.GetName(); }
    // Whether every item added so far has the first item's buyer (ignoring case).
    bool IsSameBuyer() const { return sameBuyer_; }
    // The "mailto:" address of the first item's buyer with the template's
    // subject; empty without an item or without a valid e-mail address.
    std::string BuildMailTo();

    // The token of a field or fee-entry name: blanks and '&' become '_'.
    static std::string TokenName(std::string_view name);

private:
    // What a token stands for: a field ID (500-548) or a fee entry (0-31).
    struct TokenTarget {
        bool feeEntry = false;
        int id = 0;
    };

    // Whether the item's amount of the fee entry counts: display-only entries
    // always, charges and fees when the item itemizes them.
    bool Carries(const gb::itemdb::CAucItem& item, int entry) const;
    // The entry's amount for the item set in the schedule; as money and text.
    gb::Money EntryAmount(int entry, std::string& text);
    std::string FieldValue(int fieldId, const gb::itemdb::CAucItem& item, bool totalsMode) const;
    std::string FeeValue(int entry, const gb::itemdb::CAucItem& item, bool totalsMode);
    // The text with its tokens replaced; `replaced` (when given) is set when
    // there was one.
    std::string Render(std::string_view text, const gb::itemdb::CAucItem& item, bool totalsMode,
                       bool* replaced = nullptr);

    gb::itemdb::CFeeSchedule fees_;
    const gb::itemdb::FolderNameLookup* folders_;
    std::unordered_map<std::string, TokenTarget> tokens_;
    std::vector<int> feeEntries_;  // the active entries of type 1, 2 and 8, in display order
    bool sameBuyer_ = true;
    std::string body_;
    gb::itemdb::CTDocText template_;
    std::string repeatInner_;
    gb::itemdb::CItemTotals totals_;
    std::optional<gb::itemdb::CAucItem> first_;
    std::array<gb::Money, gb::itemdb::CFeeSchedule::kEntryCount> feeTotals_{};
};

}  // namespace gb::app
