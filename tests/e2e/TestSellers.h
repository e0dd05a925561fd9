#pragma once
// Sellers and items for the emulator, dated relative to now.

#include <optional>
#include <string>
#include <vector>

#include "EmulatedSeller.h"
#include "platform/Clock.h"

namespace gb::e2e {

using emulator::EmulatedBuyer;
using emulator::EmulatedItem;
using emulator::EmulatedSeller;
using emulator::SaleKind;

inline Money Cents(std::int64_t cents) {
    return Money::FromUnits(cents * (Money::kUnitsPerWhole / 100));
}

// An item that started and ends the given hours from now (negative: past),
// on whole seconds so that the dates the pages show read back exactly.
inline EmulatedItem Item(std::string number, std::string title, int startHours, int endHours,
                         std::int64_t priceCents, std::optional<EmulatedBuyer> buyer = std::nullopt,
                         SaleKind kind = SaleKind::Auction) {
    const std::optional<CivilTime> now = Clock::Now().ToCivil();
    const DateTime base =
        DateTime::FromCivil(now->year, now->month, now->day, now->hour, now->minute, now->second);
    EmulatedItem item;
    item.number = std::move(number);
    item.title = std::move(title);
    item.kind = kind;
    item.start = base.AddHours(startHours);
    item.end = base.AddHours(endHours);
    item.price = Cents(priceCents);
    item.buyer = std::move(buyer);
    return item;
}

inline EmulatedBuyer Buyer(std::string userId, std::string rating, std::string email,
                           std::string location = {}) {
    return EmulatedBuyer{std::move(userId), std::move(rating), std::move(email),
                         std::move(location)};
}

inline EmulatedSeller Seller(sites::SiteClass site, std::string userId, std::string password,
                             std::vector<EmulatedItem> items, int rowsPerPage = 200) {
    EmulatedSeller seller;
    seller.site = site;
    seller.userId = std::move(userId);
    seller.password = std::move(password);
    seller.items = std::move(items);
    seller.rowsPerPage = rowsPerPage;
    return seller;
}

}  // namespace gb::e2e
