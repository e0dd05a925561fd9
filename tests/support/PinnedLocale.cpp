#include "tests/support/PinnedLocale.h"

namespace gb::test {

PinnedLocale::PinnedLocale(Lcid locale) : earlier_(UserDefaultLocaleSetting()) {
    SetUserDefaultLocale(locale);
}

PinnedLocale::~PinnedLocale() {
    SetUserDefaultLocale(earlier_);
}

void PinnedLocaleEnvironment::SetUp() {
    SetUserDefaultLocale(locale_);
}

void PinnedLocaleEnvironment::TearDown() {
    SetUserDefaultLocale(0);
}

}  // namespace gb::test
