#include "app/core/print/FieldPadding.h"

#include <algorithm>
#include <array>

#include "app/core/ListColumns.h"
#include "itemdb/FieldId.h"

using namespace gb::itemdb;

namespace gb::app {

namespace {

enum class Alignment {
    Left,         // cut on the right
    RightText,    // cut on the left: the last characters are kept
    RightNumber,  // too wide: '#' all over, as a cut number would be wrong
};

struct FieldWidth {
    std::size_t print;
    std::size_t exported;
    Alignment alignment;
};

FieldWidth WidthOf(int fieldId) {
    static constexpr std::array kLongTexts{
        field::Description, field::InvoiceNote,     field::ItemNote,
        field::FeeNote,     field::ShippingAddress, field::PayNote,
    };
    if (std::find(kLongTexts.begin(), kLongTexts.end(), fieldId) != kLongTexts.end()) {
        return {50, 200, Alignment::Left};
    }
    if (fieldId == field::ChargeNote) {
        // The one right-aligned field that holds text.
        return {13, 16, Alignment::RightText};
    }
    if (gb::app::IsRightAlignedField(fieldId)) {
        return {13, 16, Alignment::RightNumber};
    }
    if (fieldId == field::Updated || fieldId == field::EndTime) {
        return {25, 30, Alignment::Left};
    }
    return {16, 30, Alignment::Left};
}

}  // namespace

std::string PadField(std::string_view text, int fieldId, PadPurpose purpose) {
    std::string padded;
    AppendPadded(padded, text, fieldId, purpose);
    return padded;
}

void AppendPadded(std::string& out, std::string_view text, int fieldId, PadPurpose purpose) {
    const FieldWidth width = WidthOf(fieldId);
    const std::size_t size = purpose == PadPurpose::Print ? width.print : width.exported;
    if (width.alignment == Alignment::Left) {
        const std::string_view kept = text.substr(0, size);
        out.append(kept);
        out.append(size - kept.size(), ' ');
    } else if (text.size() <= size) {
        out.append(size - text.size(), ' ');
        out.append(text);
    } else if (width.alignment == Alignment::RightText) {
        out.append(text.substr(text.size() - size));
    } else {
        out.append(size, '#');
    }
}

int PaddingFieldOf(const gb::app::ListColumn& column) {
    return column.IsFeeEntry() ? field::MinBid : column.FieldId();
}

}  // namespace gb::app
