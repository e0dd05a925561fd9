// A save of a profile killed at any moment leaves the old profile or the new
// one, never a broken file, and whatever the killed save left beside it is
// gone after the next save or open of that profile.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "itemdb/AucDoc.h"
#include "platform/FileIo.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kItems = 1000;
// Opening is slower than saving: every few rounds look after the next open.
constexpr int kOpenEvery = 4;
constexpr int kRounds = 200;
constexpr int kCalibrationRuns = 5;

void FillProfile(CAucDoc& doc, std::string_view note) {
    doc.SetProfileName("Killed saves");
    doc.GetSellerList().AddSeller("bob", "eBay USA", "{USA}");
    doc.CheckFolders();
    for (int i = 0; i < kItems; ++i) {
        CAucItem item;
        item.SetSite("eBay USA");
        item.SetAuctionId(std::to_string(100000 + i));
        item.SetDescription("A teapot with a lid and a chipped spout, number " + std::to_string(i));
        item.SetItemNote(note);
        ASSERT_TRUE(doc.GetItemList().AddItem(item, folder::InProgress));
    }
}

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Starts a child that saves `doc` to `path`; kills it after `delay` unless
// it has ended. Gives the time from start to the child's end.
Clock::duration SaveInChild(CAucDoc& doc, const fs::path& path,
                            std::optional<Clock::duration> delay) {
    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(doc.OnSaveDocument(path) ? 0 : 1);
    }
    EXPECT_GT(child, 0);
    if (delay) {
        std::this_thread::sleep_for(*delay);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!delay) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    return Clock::now() - start;
}

TEST(ProfileSaveKillTest, KilledSaveLeavesOldOrNewProfileAndNoStrayFile) {
    const TempFolder folder;
    const TempFolder scratch;
    const fs::path profile = folder / "Shop.pro";

    CAucDoc versions[2];
    FillProfile(versions[0], "old");
    FillProfile(versions[1], "new");
    std::string bytes[2];
    for (int v = 0; v < 2; ++v) {
        const fs::path written = scratch / ("v" + std::to_string(v) + ".pro");
        ASSERT_TRUE(versions[v].OnSaveDocument(written));
        bytes[v] = *gb::ReadWholeFile(written);
    }
    ASSERT_NE(bytes[0], bytes[1]);

    // The kills spread over the child's whole life: from its start, through
    // the save with its temporary file, to its end.
    Clock::duration life{};
    for (int i = 0; i < kCalibrationRuns; ++i) {
        life = std::max(life, SaveInChild(versions[i % 2], profile, std::nullopt));
    }
    ASSERT_TRUE(versions[0].OnSaveDocument(profile));

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<Clock::rep> delays(0, life.count());

    int current = 0;
    int outcomes[2] = {0, 0};
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int other = 1 - current;
        SaveInChild(versions[other], profile, Clock::duration(delays(random)));

        const std::optional<std::string> found = gb::ReadWholeFile(profile);
        ASSERT_TRUE(found.has_value());
        ASSERT_TRUE(*found == bytes[0] || *found == bytes[1]) << "a broken profile";
        current = *found == bytes[0] ? 0 : 1;
        ++outcomes[current];

        // The profile is one that opens; what the killed save left beside it
        // goes with the next open or save of the profile.
        if (round % kOpenEvery == 0) {
            CAucDoc reread;
            ASSERT_TRUE(reread.OnOpenDocument(profile));
            ASSERT_EQ(reread.GetItemList().GetStateList(folder::InProgress)->Size(),
                      static_cast<std::size_t>(kItems));
            ASSERT_EQ(FilesIn(folder.Path()), 1u) << "a stray file after the open";
        } else {
            ASSERT_TRUE(versions[current].OnSaveDocument(profile));
            ASSERT_EQ(FilesIn(folder.Path()), 1u) << "a stray file after the save";
        }
    }
    // Kills struck both before and after the new profile took the old one's place.
    EXPECT_GT(outcomes[0], 0);
    EXPECT_GT(outcomes[1], 0);
}

}  // namespace
