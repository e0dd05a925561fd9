#include "SampleCatalogue.h"

#include <array>
#include <string>

#include "SiteForms.h"

using namespace gb::sites;

namespace gb::emulator {

namespace {

struct SampleListing {
    std::string_view title;
    SaleKind kind;
    int startHours;  // relative to now
    int endHours;
    std::int64_t priceCents;
    bool withBuyer;
};

// Ten kinds of listing, repeated as often as needed.
// clang-format off
constexpr std::array<SampleListing, 10> kListings{{
    {"Caf\xE9 table & two chairs",   SaleKind::Auction,    -72, 96,   4550, true},
    {"Brass ship's lantern",         SaleKind::Auction,    -24, 144,  1999, false},
    {"Oak rocking chair",            SaleKind::Auction,    -200, -30, 12500, true},
    {"Set of six crystal glasses",   SaleKind::Auction,    -190, -20, 2500, false},
    {"Garden bench, teak",           SaleKind::FixedPrice, -100, -2,  18000, true},
    {"Drill bits, 1/4\" - 3/8\"",    SaleKind::Dutch,      -48, 120,  999, false},
    {"Gr\xF6\xDF" "e 42 hiking boots", SaleKind::Auction,  -150, -5,  3275, true},
    {"Vintage fountain pen",         SaleKind::Auction,    -12, 60,   8800, true},
    {"Porcelain teapot",             SaleKind::Auction,    -300, -60, 1500, true},
    {"Antique map of the coast",     SaleKind::Auction,    -6, 162,   25000, false},
}};
constexpr std::array<std::string_view, 4> kBuyers{{"kporter", "frank_b", "gina.m", "olaf_k"}};
// clang-format on

}  // namespace

std::vector<EmulatedItem> SampleItems(SiteClass site, int count, std::uint64_t firstNumber,
                                      const DateTime& now) {
    const SiteForms forms = SiteForms::Of(site);
    std::vector<EmulatedItem> items;
    for (int index = 0; index < count; ++index) {
        const SampleListing& listing =
            kListings[static_cast<std::size_t>(index) % kListings.size()];
        EmulatedItem item;
        item.number = std::to_string(firstNumber + static_cast<std::uint64_t>(index));
        item.title = listing.title;
        item.kind = listing.kind;
        // Later rounds of the listings are a little older and dearer.
        const int round = index / static_cast<int>(kListings.size());
        item.start = now.AddHours(listing.startHours - 24 * round);
        item.end = now.AddHours(listing.endHours - 24 * round);
        item.price =
            Money::FromUnits((listing.priceCents + 100 * round) * (Money::kUnitsPerWhole / 100));
        item.quantityLeft = listing.kind == SaleKind::Dutch ? 12 : 0;
        if (listing.withBuyer) {
            const std::string_view buyer =
                kBuyers[static_cast<std::size_t>(index) % kBuyers.size()];
            item.buyer =
                EmulatedBuyer{std::string(buyer), std::to_string(10 + 7 * index),
                              std::string(buyer) + "@example.net", std::string(forms.Location())};
        }
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace gb::emulator
