#pragma once
// How each emulated site writes dates and prices on its pages, in the forms its
// site class reads, and where its buyers live.

#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "platform/Money.h"
#include "sites/SiteProfile.h"

namespace gb::emulator {

class SiteForms {
public:
    static SiteForms Of(sites::SiteClass site);

    // "Mar-15-03 14:22:05 PST" on the USA site, "15.03.03 14:22:05 MEZ" on the
    // German one; the empty text for a date that is not valid.
    std::string Date(const DateTime& value) const;
    // "US $1,234.50", "EUR 1.234,50", "1 234,50 EUR"...: to the cent, rounded
    // half up; an amount below zero is written as zero.
    std::string Price(const Money& amount) const;
    // A buyer's location as the site writes it.
    std::string_view Location() const;

    // One site's row of the table of forms.
    struct Row;

private:
    explicit SiteForms(const Row& row) : row_(row) {}

    const Row& row_;
};

}  // namespace gb::emulator
