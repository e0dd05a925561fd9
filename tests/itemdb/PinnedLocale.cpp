// Every item-database test formats and parses under US English, whatever the
// machine's LANG says.

#include "tests/support/PinnedLocale.h"

namespace {

const auto* const kPinnedLocale = ::testing::AddGlobalTestEnvironment(
    new gb::test::PinnedLocaleEnvironment(gb::kLocaleEnglishUS));

}  // namespace
