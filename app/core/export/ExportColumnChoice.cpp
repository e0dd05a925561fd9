#include "app/core/export/ExportColumnChoice.h"

#include <algorithm>
#include <utility>

#include "app/core/UiStrings.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "platform/Cp1252.h"

using namespace gb::itemdb;

namespace gb::app {

ExportColumnChoice::ExportColumnChoice(CFeeSchedule& fees, std::string_view columnSet) {
    constexpr std::int32_t kOffered =
        fee_type::Charge | fee_type::SellerFee | fee_type::DisplayOnly;
    const int current = fees.GetCurrent();
    for (bool more = fees.MoveFirst(kOffered); more; more = fees.MoveNext(kOffered)) {
        if (fees.IsActive()) {
            InsertAvailable({fees.GetName() + "*", fees.GetCurrent()});
        }
    }
    fees.SetCurrent(current);
    for (int id = field::First; id < field::Icon; ++id) {
        InsertAvailable({gb::app::UiText(id), gb::itemdb::ColumnSet::CodeOfField(id)});
    }
    const gb::itemdb::ColumnSet listed = gb::itemdb::ColumnSet::Parse(columnSet);
    for (const int code : listed.Codes()) {
        const auto found = std::find_if(available_.begin(), available_.end(),
                                        [code](const Entry& entry) { return entry.code == code; });
        if (found != available_.end()) {
            exported_.push_back(std::move(*found));
            available_.erase(found);
        }
    }
    availableSelection_ = Clamp(0, available_.size());
    exportedSelection_ = Clamp(0, exported_.size());
}

int ExportColumnChoice::Clamp(int index, std::size_t size) {
    if (size == 0 || index < 0) {
        return kNone;
    }
    return std::min(index, static_cast<int>(size) - 1);
}

int ExportColumnChoice::InsertAvailable(Entry entry) {
    const auto place = std::upper_bound(
        available_.begin(), available_.end(), entry, [](const Entry& left, const Entry& right) {
            return gb::cp1252::CompareNoCase(left.name, right.name) < 0;
        });
    const auto inserted = available_.insert(place, std::move(entry));
    return static_cast<int>(inserted - available_.begin());
}

void ExportColumnChoice::SelectAvailable(int index) {
    availableSelection_ = index >= 0 && index < static_cast<int>(available_.size()) ? index : kNone;
}

void ExportColumnChoice::SelectExported(int index) {
    exportedSelection_ = index >= 0 && index < static_cast<int>(exported_.size()) ? index : kNone;
}

void ExportColumnChoice::Add() {
    if (availableSelection_ == kNone) {
        return;
    }
    const auto from = available_.begin() + availableSelection_;
    Entry entry = std::move(*from);
    available_.erase(from);
    const auto to =
        exportedSelection_ == kNone ? exported_.end() : exported_.begin() + exportedSelection_;
    const auto inserted = exported_.insert(to, std::move(entry));
    exportedSelection_ = static_cast<int>(inserted - exported_.begin());
    availableSelection_ = Clamp(availableSelection_, available_.size());
}

void ExportColumnChoice::Remove() {
    if (exportedSelection_ == kNone) {
        return;
    }
    const auto from = exported_.begin() + exportedSelection_;
    Entry entry = std::move(*from);
    exported_.erase(from);
    exportedSelection_ = kNone;
    availableSelection_ = InsertAvailable(std::move(entry));
}

void ExportColumnChoice::Swap(int from, int to) {
    if (from == kNone || to < 0 || to >= static_cast<int>(exported_.size())) {
        return;
    }
    std::swap(exported_[static_cast<std::size_t>(from)], exported_[static_cast<std::size_t>(to)]);
    exportedSelection_ = to;
}

void ExportColumnChoice::Up() {
    Swap(exportedSelection_, exportedSelection_ - 1);
}

void ExportColumnChoice::Down() {
    Swap(exportedSelection_, exportedSelection_ + 1);
}

std::string ExportColumnChoice::ColumnSet() const {
    std::string text(1, static_cast<char>(exported_.size() + '!'));
    for (const Entry& entry : exported_) {
        text += static_cast<char>(entry.code + '!');
    }
    return text;
}

}  // namespace gb::app
