#pragma once
// The checks and the store of the fee-entry editor, without its widgets: the
// editor hands over what its controls hold, and the entry is written to its
// copy of the schedule (the copy's current entry) when every check passes.
// Messages and questions go through CalcEntryPrompts in the order the checks
// run.

#include <cstdint>
#include <string>
#include <vector>

namespace gb::itemdb {
class CFeeSchedule;
}

namespace gb::app {

// The entry types in the order of the editor's type list.
std::int32_t FeeTypeOfIndex(int index);
int FeeIndexOfType(std::int32_t type);

// The field numbers the editor offers for an entry type, in the order of the
// type's column set: ten money fields for charges and fees, three more for
// transaction fees and the transaction fee itself for display-only entries.
std::vector<int> FeeFieldsOfType(std::int32_t type);
// A field number's column name.
std::string FeeFieldName(int field);

// A factor as the editor shows it: the five decimals the schedule keeps,
// without trailing zeros ("0.029", "-0.05", "149.87654", "2").
std::string FactorText(float factor);

struct CalcEntryForm {
    int typeIndex = 0;
    std::string name;
    // The name chosen from the payment methods, for a transaction fee.
    std::string methodName;
    std::string description;
    std::string currencySymbol;
    // A base text equal to the one the entry shows keeps the stored amount,
    // which may hold more decimals than the text.
    std::string baseText;
    float factor = 0.0f;
    // An untouched factor box keeps the stored factor as it is.
    bool factorEdited = true;
    bool inactive = false;
    bool formula = false;
    // The fields in list order; the same fields as the entry's keep the
    // entry's own order.
    std::vector<int> selectedFields;
};

class CalcEntryPrompts {
public:
    virtual ~CalcEntryPrompts() = default;
    // A refusal with one OK button.
    virtual void Refuse(int messageId) = 0;
    // Another active entry has the name: true (OK) makes it inactive.
    virtual bool DeactivateOther(int messageId) = 0;
    // A formula that will not calculate much: true (Yes) goes back to it.
    virtual bool Revise(int messageId) = 0;
};

// Checks the form and writes it into the schedule's current entry; true when
// the editor may close with OK. False leaves the editor open (the entry may
// hold part of the form).
bool StoreCalcEntry(gb::itemdb::CFeeSchedule& schedule, const CalcEntryForm& form,
                    CalcEntryPrompts& prompts);

}  // namespace gb::app
