#include "EmulatorCommandLine.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace gb::sites;

namespace gb::e2e {
namespace {

using emulator::EmulatorCommandLine;
using emulator::FaultKind;
using emulator::FaultPoint;

std::optional<EmulatorCommandLine> Parse(std::vector<const char*> args,
                                         std::string* error = nullptr) {
    std::string reason;
    auto options = EmulatorCommandLine::Parse(args, reason);
    if (error != nullptr) {
        *error = reason;
    }
    return options;
}

TEST(EmulatorCommandLineTest, ReadsSellersFaultsAndNumbers) {
    const auto options = Parse({"--seller", "ebayuk:alice:pa:ss", "--seller", "eBayUSA:bob",
                                "--fault", "BOB:stall@buyer-page", "--items", "7",
                                "--rows-per-page", "3", "--port", "8123", "--configure"});
    ASSERT_TRUE(options);
    ASSERT_EQ(options->sellers.size(), 2u);
    EXPECT_EQ(options->sellers[0].site, SiteClass::eBayUK);
    EXPECT_EQ(options->sellers[0].password, "pa:ss");
    EXPECT_EQ(options->sellers[1].password, "");
    EXPECT_EQ(options->port, 8123);
    EXPECT_TRUE(options->configure);

    const auto sellers = options->Sellers(DateTime::FromCivil(2026, 5, 1, 12));
    ASSERT_EQ(sellers.size(), 2u);
    EXPECT_EQ(sellers[1].fault.kind, FaultKind::Stall);
    EXPECT_EQ(sellers[1].fault.point, FaultPoint::BuyerPage);
    EXPECT_EQ(sellers[0].fault.kind, FaultKind::None);
    EXPECT_EQ(sellers[0].rowsPerPage, 3);
    // Every item number is used once across the sellers.
    std::set<std::string> numbers;
    for (const auto& seller : sellers) {
        EXPECT_EQ(seller.items.size(), 7u);
        for (const auto& item : seller.items) {
            EXPECT_TRUE(numbers.insert(item.number).second) << item.number;
        }
    }
}

TEST(EmulatorCommandLineTest, RefusesWhatItCannotUse) {
    for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
             {},
             {"--items", "3"},
             {"--seller", "eBayMars:alice"},
             {"--seller", "eBayUSA:"},
             {"--seller", "eBayUSA:alice", "--fault", "alice:explode"},
             {"--seller", "eBayUSA:alice", "--fault", "alice:stall@nowhere"},
             {"--seller", "eBayUSA:alice", "--fault", "carol:stall"},
             {"--seller", "eBayUSA:alice", "--port", "70000"},
             {"--seller", "eBayUSA:alice", "--items", "0"},
             {"--seller", "eBayUSA:alice", "--rows-per-page"},
             {"--seller", "eBayUSA:alice", "--verbose", "1"},
         }) {
        std::string error;
        EXPECT_FALSE(Parse(args, &error));
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace gb::e2e
