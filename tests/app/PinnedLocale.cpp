// The main program's tests format and parse under US English, whatever the
// machine's LANG says.

#include <gtest/gtest.h>

#include "platform/Locale.h"

namespace {

class PinnedLocale : public ::testing::Environment {
public:
    void SetUp() override { gb::SetUserDefaultLocale(gb::kLocaleEnglishUS); }
    void TearDown() override { gb::SetUserDefaultLocale(0); }
};

const auto* const kPinnedLocale = ::testing::AddGlobalTestEnvironment(new PinnedLocale);

}  // namespace
