#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/Locale.h"

namespace gb {
namespace {

// Each test starts without a setting and with LANG as given, and leaves both
// as it found them.
class UserDefaultLocale : public testing::Test {
protected:
    void SetUp() override {
        if (const char* lang = std::getenv("LANG")) {
            savedLang_ = lang;
        }
        SetUserDefaultLocale(0);
    }
    void TearDown() override {
        SetUserDefaultLocale(0);
        if (savedLang_) {
            setenv("LANG", savedLang_->c_str(), 1);
        } else {
            unsetenv("LANG");
        }
    }
    static void SetLang(const char* value) { setenv("LANG", value, 1); }

private:
    std::optional<std::string> savedLang_;
};

TEST_F(UserDefaultLocale, TheSettingComesFirst) {
    SetLang("fr_FR.UTF-8");
    SetUserDefaultLocale(1031);
    EXPECT_EQ(ResolveLocale(kLocaleUserDefault), 1031u);
    EXPECT_EQ(ParseCurrency("1.234,50", kLocaleUserDefault), Money::FromUnits(12345000));
    EXPECT_EQ(FormatCurrencyNumber("2.375", kLocaleUserDefault), "2,38 \x80");
    EXPECT_EQ(FormatDateTime(DateTime::FromCivil(2002, 12, 9), kLocaleUserDefault), "09.12.2002");
    EXPECT_EQ(ListSeparator(kLocaleUserDefault), ';');
}

TEST_F(UserDefaultLocale, LangNamesTheLocaleWithoutASetting) {
    const struct {
        const char* lang;
        Lcid locale;
    } cases[] = {
        {"en_US.UTF-8", 1033}, {"de_DE@euro", 1031},  {"fr_FR", 1036}, {"nl_NL.UTF-8", 1043},
        {"en_GB.UTF-8", 2057}, {"en_AU", 3081},       {"en_CA", 4105}, {"en_NZ.UTF-8", 5129},
        {"C", 1033},           {"de_AT.UTF-8", 1033}, {"", 1033},
    };
    for (const auto& c : cases) {
        SetLang(c.lang);
        EXPECT_EQ(ResolveLocale(kLocaleUserDefault), c.locale) << c.lang;
    }
}

TEST_F(UserDefaultLocale, FallsBackToEnglishUSWithoutLang) {
    unsetenv("LANG");
    EXPECT_EQ(ResolveLocale(kLocaleUserDefault), kLocaleEnglishUS);
}

TEST_F(UserDefaultLocale, AnUnknownSettingIsPassedOver) {
    SetLang("en_GB.UTF-8");
    SetUserDefaultLocale(9999);
    EXPECT_EQ(ResolveLocale(kLocaleUserDefault), 2057u);
    SetUserDefaultLocale(kLocaleUserDefault);
    EXPECT_EQ(ResolveLocale(kLocaleUserDefault), 2057u);
}

TEST_F(UserDefaultLocale, OtherLocalesStayAsTheyAre) {
    SetUserDefaultLocale(1031);
    EXPECT_EQ(ResolveLocale(1036), 1036u);
    EXPECT_EQ(ResolveLocale(9999), 9999u);
}

TEST(ListSeparator, IsTheLocalesOwn) {
    for (const Lcid locale : {1033u, 2057u, 3081u, 4105u, 5129u}) {
        EXPECT_EQ(ListSeparator(locale), ',') << locale;
    }
    for (const Lcid locale : {1031u, 1036u, 1043u}) {
        EXPECT_EQ(ListSeparator(locale), ';') << locale;
    }
    EXPECT_EQ(ListSeparator(9999), std::nullopt);
}

}  // namespace
}  // namespace gb
