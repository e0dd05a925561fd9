#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "itemdb/FileFinder.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

std::vector<std::string> FindAll(const std::filesystem::path& folder, std::string_view patterns,
                                 bool folders) {
    CFileFinder finder(folder);
    std::vector<std::string> names;
    if (!finder.SetPatterns(patterns, folders)) {
        return names;
    }
    std::string name;
    while (finder.FindNext(name)) {
        names.push_back(name);
    }
    return names;
}

using Names = std::vector<std::string>;

class FileFinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"VizEvav.cta", ".hidden.cta", "German.CTA", "notes.txt", "a.b"}) {
            folder_.Write(file, "x");
        }
        for (const char* sub : {"x.cta", ".git", "Reports"}) {
            std::filesystem::create_directory(folder_ / sub);
        }
    }

    TempFolder folder_;
};

TEST_F(FileFinderTest, LibrariesOnlyVisibleFilesThenFalse) {
    EXPECT_EQ(FindAll(folder_.Path(), "*.cta;", false), (Names{"German.CTA", "VizEvav.cta"}));
}

TEST_F(FileFinderTest, PatternsSearchedOneAfterTheOther) {
    EXPECT_EQ(FindAll(folder_.Path(), "*.txt *.cta", false),
              (Names{"notes.txt", "German.CTA", "VizEvav.cta"}));
    EXPECT_EQ(FindAll(folder_.Path(), "none.* *.txt", false), (Names{"notes.txt"}));
}

TEST_F(FileFinderTest, FoldersOrFilesButNeverDotEntries) {
    EXPECT_EQ(FindAll(folder_.Path(), "*", true), (Names{"Reports", "x.cta"}));
    EXPECT_EQ(FindAll(folder_.Path(), "*", false),
              (Names{"a.b", "German.CTA", "notes.txt", "VizEvav.cta"}));
}

TEST_F(FileFinderTest, WildcardsMatchIgnoringCase) {
    const struct {
        const char* pattern;
        Names found;
    } cases[] = {
        {"?.b", {"a.b"}},
        {"??.b", {}},
        {"viz*", {"VizEvav.cta"}},
        {"*E*A*", {"German.CTA", "VizEvav.cta"}},
        {"*.c?a", {"German.CTA", "VizEvav.cta"}},
        {"NOTES.TXT", {"notes.txt"}},
        {"*.ct", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindAll(folder_.Path(), c.pattern, false), c.found) << c.pattern;
    }
}

TEST_F(FileFinderTest, EntriesThatAreNeitherFileNorFolderAreNotListed) {
    ASSERT_EQ(::mkfifo((folder_ / "pipe.cta").c_str(), 0600), 0);
    std::filesystem::create_symlink(folder_ / "missing", folder_ / "broken.cta");
    std::filesystem::create_symlink(folder_ / "VizEvav.cta", folder_ / "link.cta");
    EXPECT_EQ(FindAll(folder_.Path(), "*.cta", false),
              (Names{"German.CTA", "link.cta", "VizEvav.cta"}));
}

TEST_F(FileFinderTest, FindFirstGivesTheFirstMatchOfAnyKind) {
    CFileFinder finder(folder_.Path());
    finder.SetPattern("*.cta");
    std::string name;
    ASSERT_TRUE(finder.FindFirst(name));
    EXPECT_EQ(name, ".hidden.cta");
    finder.SetPattern("*.zip");
    EXPECT_FALSE(finder.FindFirst(name));
}

TEST(FileFinder, EmptyPatternListFindsNothing) {
    TempFolder folder;
    folder.Write("a.cta", "x");
    CFileFinder finder(folder.Path());
    EXPECT_FALSE(finder.SetPatterns("", false));
    std::string name;
    EXPECT_FALSE(finder.FindNext(name));
    EXPECT_FALSE(CFileFinder(folder.Path()).FindNext(name));
}

TEST(FileFinder, MissingFolderYieldsNoEntries) {
    TempFolder folder;
    EXPECT_EQ(FindAll(folder / "gone", "*.cta;*", false), Names{});
}

TEST(FileFinder, NextPatternCutsAtSemicolonOrBlank) {
    CFileFinder finder("/");
    finder.SetPatterns("*.a;*.b *.c", false);
    std::string pattern;
    ASSERT_TRUE(finder.NextPattern(pattern));
    EXPECT_EQ(pattern, "*.b");
    ASSERT_TRUE(finder.NextPattern(pattern));
    EXPECT_EQ(pattern, "*.c");
    EXPECT_FALSE(finder.NextPattern(pattern));
    EXPECT_EQ(pattern, "");
}

}  // namespace
