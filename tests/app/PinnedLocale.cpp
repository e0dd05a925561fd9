// The main program's tests format and parse under US English, whatever the
// machine's LANG says.

#include "tests/support/PinnedLocale.h"

namespace {

const auto* const kPinnedLocale = ::testing::AddGlobalTestEnvironment(
    new gb::test::PinnedLocaleEnvironment(gb::kLocaleEnglishUS));

}  // namespace
