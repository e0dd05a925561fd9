// The password goes to a site over https only: a sign-in page or a sign-in
// form's action given as http is asked for over https, and where https cannot
// be reached the sign-in fails with the password unsent and the details say
// why.

#include <gtest/gtest.h>

#include <algorithm>

#include "UpdateRunFixture.h"

using namespace gb::sites;

namespace gb::e2e {
namespace {

using emulator::Fault;
using emulator::FaultKind;
using emulator::RecordedRequest;

bool IsSignIn(const RecordedRequest& request) {
    return request.target.find("?SignIn") != std::string::npos;
}

bool IsSignInCheck(const RecordedRequest& request) {
    return request.target.find("?SignInWelcome") != std::string::npos;
}

struct SecureCase {
    const char* name;
    SiteClass site;
    const char* siteName;
    Fault fault;
};

void PrintTo(const SecureCase& c, std::ostream* os) {
    *os << c.name;
}

const SecureCase kCases[] = {
    // The USA site's sign-in page is an http address.
    {"HttpSignInPage", SiteClass::eBayUSA, "eBay USA", {}},
    // The UK site's sign-in page is https, but its form posts to http.
    {"HttpFormAction", SiteClass::eBayUK, "eBay UK", {FaultKind::PlainSignInAction}},
};

class SecureSignInTest : public UpdateRunFixture, public testing::WithParamInterface<SecureCase> {};

TEST_P(SecureSignInTest, PasswordGoesOverHttpsOnly) {
    EmulatedSeller ida =
        Seller(GetParam().site, "ida", "secret", {Item("8301", "Lamp", -10, 10, 1200)});
    ida.fault = GetParam().fault;
    StartEmulator({ida});
    const int request = AddSeller("ida", GetParam().siteName, "secret");

    EXPECT_EQ(RunUpdate(), (std::vector<int>{request}));
    EXPECT_FALSE(run_.HasFailed()) << SummaryLog();
    EXPECT_NE(Find(GetParam().siteName, "8301"), nullptr);

    const std::vector<RecordedRequest> requests = emulator_->Requests();
    EXPECT_EQ(std::count_if(requests.begin(), requests.end(), IsSignInCheck), 1);
    for (const RecordedRequest& sent : requests) {
        if (IsSignIn(sent)) {
            EXPECT_TRUE(sent.secure) << sent.method << " " << sent.target;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachAddress, SecureSignInTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SecureCase>& c) {
                             return std::string(c.param.name);
                         });

TEST_F(UpdateRunFixture, SignInFailsWithThePasswordUnsentWhereHttpsCannotBeReached) {
    StartEmulator(
        {Seller(SiteClass::eBayUSA, "ida", "secret", {Item("8301", "Lamp", -10, 10, 1200)}),
         Seller(SiteClass::eBayUSA, "gus", "", {Item("8201", "Kite", -5, 5, 450)})});
    // The USA site's sign-in server speaks plain http alone.
    ASSERT_TRUE(emulator::PointSiteServerAt(Settings::CurrentUser(), SiteClass::eBayUSA,
                                            SiteServer::SignIn, emulator_->PlainOnlyHost()));
    const int ida = AddSeller("ida", "eBay USA", "secret");
    const int gus = AddSeller("gus", "eBay USA");

    // The update runs the sellers from the last of the list.
    EXPECT_EQ(RunUpdate(), (std::vector<int>{gus, ida}));
    EXPECT_TRUE(run_.HasFailed());
    const std::string summary = SummaryLog();
    EXPECT_NE(summary.find("Failure on site 1: The auction site may be down"), std::string::npos)
        << summary;
    EXPECT_NE(summary.find("Update Complete for site 2: eBay USA:gus"), std::string::npos)
        << summary;
    const std::string details = DetailsLog();
    EXPECT_NE(details.find("could not be reached over https"), std::string::npos) << details;
    EXPECT_EQ(Find("eBay USA", "8301"), nullptr);

    const std::vector<RecordedRequest> requests = emulator_->Requests();
    EXPECT_EQ(std::find_if(requests.begin(), requests.end(), IsSignIn), requests.end());
}

}  // namespace
}  // namespace gb::e2e
