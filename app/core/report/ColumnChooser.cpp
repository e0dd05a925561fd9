#include "app/core/report/ColumnChooser.h"

#include <algorithm>
#include <utility>

#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/LotkeeperStrings.h"

namespace gb::app {

namespace {

constexpr int kFirstFieldCode = 32;
constexpr int kLastFieldCode = 80;
constexpr int kFirstFieldId = 500;
constexpr char kCodeBase = '!';

bool ByName(const ChooserColumn& a, const ChooserColumn& b) {
    return a.name < b.name;
}

}  // namespace

ColumnChooser::ColumnChooser(gb::itemdb::CFeeSchedule fees, const std::string& columnSet) {
    namespace fee_type = gb::itemdb::fee_type;
    constexpr std::int32_t kTypes = fee_type::Charge | fee_type::SellerFee | fee_type::DisplayOnly;
    for (bool more = fees.MoveFirst(kTypes); more; more = fees.MoveNext(kTypes)) {
        if (fees.IsActive()) {
            available_.push_back({fees.GetName() + "*", fees.GetCurrent()});
        }
    }
    for (int code = kFirstFieldCode; code <= kLastFieldCode; ++code) {
        available_.push_back(
            {gb::itemdb::LoadString(kFirstFieldId + code - kFirstFieldCode), code});
    }
    std::stable_sort(available_.begin(), available_.end(), ByName);
    // Codes that name nothing available (an entry no longer active) drop out.
    const std::size_t count =
        columnSet.empty() ? 0 : static_cast<std::size_t>(columnSet[0] - kCodeBase);
    for (std::size_t i = 1; i <= count && i < columnSet.size(); ++i) {
        const int code = columnSet[i] - kCodeBase;
        const auto found = std::find_if(available_.begin(), available_.end(),
                                        [code](const ChooserColumn& c) { return c.code == code; });
        if (found != available_.end()) {
            Show(static_cast<std::size_t>(found - available_.begin()), std::nullopt);
        }
    }
}

std::size_t ColumnChooser::Show(std::size_t index, std::optional<std::size_t> before) {
    ChooserColumn moved = std::move(available_.at(index));
    available_.erase(available_.begin() + static_cast<std::ptrdiff_t>(index));
    const std::size_t at = std::min(before.value_or(shown_.size()), shown_.size());
    shown_.insert(shown_.begin() + static_cast<std::ptrdiff_t>(at), std::move(moved));
    return at;
}

std::size_t ColumnChooser::Hide(std::size_t index) {
    ChooserColumn moved = std::move(shown_.at(index));
    shown_.erase(shown_.begin() + static_cast<std::ptrdiff_t>(index));
    const auto at = std::upper_bound(available_.begin(), available_.end(), moved, ByName);
    return static_cast<std::size_t>(available_.insert(at, std::move(moved)) - available_.begin());
}

bool ColumnChooser::MoveUp(std::size_t index) {
    if (index == 0 || index >= shown_.size()) {
        return false;
    }
    std::swap(shown_[index], shown_[index - 1]);
    return true;
}

bool ColumnChooser::MoveDown(std::size_t index) {
    if (index + 1 >= shown_.size()) {
        return false;
    }
    std::swap(shown_[index], shown_[index + 1]);
    return true;
}

std::string ColumnChooser::ColumnSet() const {
    std::string set(1, static_cast<char>(kCodeBase + static_cast<int>(shown_.size())));
    for (const ChooserColumn& choice : shown_) {
        set += static_cast<char>(kCodeBase + choice.code);
    }
    return set;
}

}  // namespace gb::app
