#include "sites/SiteFees.h"

#include "platform/Locale.h"
#include "sites/TextUtilities.h"

namespace gb::sites {

namespace {

constexpr std::int64_t kDaysPerPeriod = 30;

Money ReadPrice(std::string_view price) {
    return ParseCurrency(price, kLocaleUserDefault);
}

std::string FeeText(const Money& fee) {
    std::string text;
    FormatCurrencyOrEmpty(text, fee);
    return text;
}

}  // namespace

Money SiteFees::StoreInsertionFee(std::int32_t days) const {
    const std::int64_t periods = (static_cast<std::int64_t>(days) + 1) / kDaysPerPeriod;
    return periods > 1 ? storeInsertionRate * periods : storeInsertionRate;
}

std::string SiteFees::CalcInsertionFee(std::string_view price) const {
    return FeeText(insertion.Fee(ReadPrice(price)));
}

std::string SiteFees::CalcFinalValueFee(std::string_view price) const {
    return FeeText(finalValue.Fee(ReadPrice(price)));
}

std::string SiteFees::CalcStoreInsertionFee(std::string_view /*price*/, std::int32_t days) const {
    return FeeText(StoreInsertionFee(days));
}

std::string SiteFees::CalcStoreFinalValueFee(std::string_view price) const {
    return FeeText(storeFinalValue.Fee(ReadPrice(price)));
}

}  // namespace gb::sites
