#include "app/core/fees/CalcEntryEdit.h"

#include <algorithm>
#include <array>

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

bool StoreCalcEntry(CFeeSchedule& schedule, const CalcEntryForm& form, CalcEntryPrompts& prompts) {
    const std::int32_t type = FeeTypeOfIndex(form.typeIndex);
    if (!schedule.SetBaseText(form.baseText.empty() ? std::string("0") : form.baseText)) {
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
    schedule.SetFactor(form.formula ? form.factor : 0.0f);
    schedule.SetType(type);
    schedule.ClearFields();
    if (form.formula) {
        for (const int field : form.selectedFields) {
            schedule.AddField(field);
        }
    }

    if (!form.inactive) {
        if (const int question = FormulaQuestion(schedule);
            question != 0 && prompts.Revise(question)) {
            return false;
        }
    }
    if (schedule.GetFactor() == 0.0f) {
        schedule.ClearFields();
    }
    return true;
}

}  // namespace gb::app
