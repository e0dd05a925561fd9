#pragma once
// Pins the user's default locale (1024) so tests format and parse the same
// whatever the machine's LANG says.

#include <gtest/gtest.h>

#include "platform/Locale.h"

namespace gb::test {

// For the life of the object; the earlier setting comes back afterwards.
class PinnedLocale {
public:
    explicit PinnedLocale(Lcid locale);
    ~PinnedLocale();
    PinnedLocale(const PinnedLocale&) = delete;
    PinnedLocale& operator=(const PinnedLocale&) = delete;

private:
    Lcid earlier_;
};

// For a whole test program: register with ::testing::AddGlobalTestEnvironment.
class PinnedLocaleEnvironment : public ::testing::Environment {
public:
    explicit PinnedLocaleEnvironment(Lcid locale) : locale_(locale) {}
    void SetUp() override;
    void TearDown() override;

private:
    Lcid locale_;
};

}  // namespace gb::test
