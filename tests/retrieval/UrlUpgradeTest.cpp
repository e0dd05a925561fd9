#include <gtest/gtest.h>

#include "retrieval/browser/PasswordRecipients.h"
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

// A password goes to the servers of the site's own addresses alone: the same
// scheme, host and port, over https.
TEST(UrlUpgradeTest, PasswordGoesOnlyToTheSitesOwnServers) {
    const PasswordRecipients site({"http://signin.test/ws/eBayISAPI.dll?SignIn",
                                   "http://127.0.0.1:8080/list", "not an address"});
    EXPECT_EQ(site.Servers(), "https://signin.test:443, https://127.0.0.1:8080");
    const std::pair<const char*, bool> cases[] = {
        {"https://signin.test/ws/eBayISAPI.dll?SignInWelcome", true},
        {"https://SIGNIN.test:443/other", true},
        {"https://127.0.0.1:8080/check", true},
        {"http://signin.test/ws", false},         // not over https
        {"https://signin.test:8443/ws", false},   // another port
        {"https://127.0.0.1/check", false},       // another port: the default one
        {"https://localhost:8080/check", false},  // another name of the machine
        {"https://signin.test.collector.example/ws", false},
        {"/ws/relative", false},
    };
    for (const auto& [address, accepted] : cases) {
        EXPECT_EQ(site.Accepts(address), accepted) << address;
    }
}

}  // namespace
}  // namespace gb::retrieval
