#include <gtest/gtest.h>

#include "retrieval/browser/Url.h"

namespace gb::retrieval {
namespace {

TEST(UrlUpgradeTest, HttpAddressesGoToTheSameServerOverHttps) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://signin.test/ws/eBayISAPI.dll?SignIn&x=1",
         "https://signin.test/ws/eBayISAPI.dll?SignIn&x=1"},
        {"HTTP://signin.test/a", "https://signin.test/a"},
        {"http://signin.test:80/a", "https://signin.test/a"},
        {"http://127.0.0.1:8080/a", "https://127.0.0.1:8080/a"},
        {"https://signin.test/a", "https://signin.test/a"},
        {"ftp://signin.test/a", "ftp://signin.test/a"},
        {"not an address", "not an address"},
    };
    for (const auto& [given, upgraded] : cases) {
        EXPECT_EQ(url::UpgradeToHttps(given), upgraded) << given;
    }
}

}  // namespace
}  // namespace gb::retrieval
