#pragma once
// The one field formatter of printing and export: a cell text cut or padded
// with blanks to the width of its field, which depends on the field and on
// whether the text is printed or exported.

#include <string>
#include <string_view>

namespace gb::app {
struct ListColumn;
}  // namespace gb::app

namespace gb::app {

enum class PadPurpose { Print, Export };

// `fieldId` is the field's ID; a fee-schedule entry pads as field 504. Texts
// are left-aligned (cut or padded on the right), except amounts, numbers and
// the Charge Note, which are right-aligned: a Charge Note wider than its
// field keeps its last characters, while an amount or number that does not
// fit fills the field with '#', so that no number is shown cut (without its
// sign or leading digits).
std::string PadField(std::string_view text, int fieldId, PadPurpose purpose);
// The same, appended to `out`.
void AppendPadded(std::string& out, std::string_view text, int fieldId, PadPurpose purpose);

// The field ID a column pads as.
int PaddingFieldOf(const gb::app::ListColumn& column);

}  // namespace gb::app
