#include "app/core/fees/CalcEntryEdit.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "app/core/UiStrings.h"
#include "itemdb/FeeSchedule.h"

namespace gb::app {

using gb::itemdb::CFeeSchedule;
namespace fee_type = gb::itemdb::fee_type;

namespace {

constexpr std::array<std::int32_t, 4> kTypes{fee_type::Charge, fee_type::SellerFee,
                                             fee_type::TransactionFee, fee_type::DisplayOnly};

// The column sets whose codes name the fields offered, by type.
constexpr int kDisplayOnlyFields = 496;
constexpr int kTransactionFields = 497;
constexpr int kChargeFields = 498;
// A field code is '!' plus the field number; the field's name is the string
// 468 + its number.
constexpr int kCodeBase = '!';
constexpr int kFieldNameBase = 468;

void DeactivateEntry(CFeeSchedule& schedule, int entry) {
    const int current = schedule.GetCurrent();
    schedule.SetCurrent(entry);
    schedule.SetActive(false);
    schedule.SetCurrent(current);
}

// Whether the entry sums exactly these fields, in any order.
bool HasExactlyFields(const CFeeSchedule& schedule, const std::vector<int>& fields) {
    std::vector<int> unique = fields;
    std::sort(unique.begin(), unique.end());
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
    return static_cast<int>(unique.size()) == schedule.GetFieldCount() &&
           std::all_of(unique.begin(), unique.end(),
                       [&schedule](int field) { return schedule.HasField(field); });
}

// The fields of the form, unless they are the entry's own, whose order stays.
void StoreFields(CFeeSchedule& schedule, const std::vector<int>& fields) {
    if (HasExactlyFields(schedule, fields)) {
        return;
    }
    schedule.ClearFields();
    for (const int field : fields) {
        schedule.AddField(field);
    }
}

// The formula question for an active entry, or 0 when it needs none.
int FormulaQuestion(const CFeeSchedule& schedule) {
    const bool zeroBase = schedule.GetEntry().GetBase() == gb::Money::FromUnits(0);
    const bool zeroFactor = schedule.GetFactor() == 0.0f;
    const int fields = schedule.GetFieldCount();
    if (zeroBase && zeroFactor) {
        return string_id::FeeAlwaysZero;
    }
    if (zeroFactor && fields > 0) {
        return string_id::FeeFactorZero;
    }
    if (!zeroFactor && fields == 0) {
        return string_id::FeeNoFields;
    }
    return 0;
}

}  // namespace

std::int32_t FeeTypeOfIndex(int index) {
    return index >= 0 && index < static_cast<int>(kTypes.size()) ? kTypes[index]
                                                                 : fee_type::DisplayOnly;
}

int FeeIndexOfType(std::int32_t type) {
    for (std::size_t i = 0; i < kTypes.size(); ++i) {
        if (kTypes[i] == type) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(kTypes.size()) - 1;
}

std::vector<int> FeeFieldsOfType(std::int32_t type) {
    const int setId = type == fee_type::TransactionFee ? kTransactionFields
                      : type == fee_type::DisplayOnly  ? kDisplayOnlyFields
                                                       : kChargeFields;
    const std::string set = gb::app::UiText(setId);
    std::vector<int> fields;
    if (set.empty()) {
        return fields;
    }
    const std::size_t count =
        std::min<std::size_t>(static_cast<unsigned char>(set[0]) - kCodeBase, set.size() - 1);
    for (std::size_t i = 1; i <= count; ++i) {
        fields.push_back(static_cast<unsigned char>(set[i]) - kCodeBase);
    }
    return fields;
}

std::string FeeFieldName(int field) {
    return gb::app::UiText(kFieldNameBase + field);
}

std::string FactorText(float factor) {
    char text[64];
    std::snprintf(text, sizeof text, "%.5f", static_cast<double>(factor));
    std::string shown(text);
    if (shown.find('.') != std::string::npos) {
        shown.erase(shown.find_last_not_of('0') + 1);
        if (shown.back() == '.') {
            shown.pop_back();
        }
    }
    return shown == "-0" ? "0" : shown;
}

bool StoreCalcEntry(CFeeSchedule& schedule, const CalcEntryForm& form, CalcEntryPrompts& prompts) {
    const std::int32_t type = FeeTypeOfIndex(form.typeIndex);
    std::string shownBase;
    schedule.GetBaseText(shownBase);
    if (form.baseText != shownBase &&
        !schedule.SetBaseText(form.baseText.empty() ? std::string("0") : form.baseText)) {
        prompts.Refuse(string_id::FeeBaseInvalid);
        return false;
    }
    const std::string& name = type == fee_type::TransactionFee ? form.methodName : form.name;
    if (!form.inactive) {
        if (name.empty()) {
            prompts.Refuse(string_id::FeeNameMissing);
            return false;
        }
        int other = -1;
        if (schedule.IsNameUsed(name, type, schedule.GetCurrent(), &other)) {
            if (!prompts.DeactivateOther(string_id::FeeNameUsed)) {
                return false;
            }
            DeactivateEntry(schedule, other);
        }
    }

    schedule.SetName(name);
    schedule.SetDescription(form.description);
    schedule.SetActive(!form.inactive);
    schedule.SetCurrencySymbol(type == fee_type::DisplayOnly ? form.currencySymbol : std::string());
    if (!form.formula) {
        schedule.SetFactor(0.0f);
    } else if (form.factorEdited) {
        schedule.SetFactor(form.factor);
    }
    schedule.SetType(type);
    StoreFields(schedule, form.formula ? form.selectedFields : std::vector<int>());

    if (!form.inactive) {
        if (const int question = FormulaQuestion(schedule);
            question != 0 && prompts.Revise(question)) {
            return false;
        }
    }
    if (schedule.GetFactor() == 0.0f && schedule.GetFieldCount() > 0) {
        schedule.ClearFields();
    }
    return true;
}

}  // namespace gb::app
