// gbtool parse-page prints the rows a site object, created through the
// component runtime, fires over a saved listing page: for the fixture pages
// exactly the hand-written expected files.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "FixturePages.h"
#include "platform/FileIo.h"
#include "sites/SiteProfile.h"
#include "tests/support/SettingsTestFolder.h"

using gb::test::SettingsTestFolder;

using namespace gb::sites;

namespace gb::testing {
namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

class GbtoolParsePageTest : public SettingsTestFolder {
protected:
    // Runs gbtool with `arguments`; gives its exit code and keeps its output.
    int Run(const std::string& arguments) {
        const std::filesystem::path out = folder_ / "out.txt";
        const std::string command = Quoted(std::filesystem::path(GB_BIN_DIR) / "gbtool") + " " +
                                    arguments + " >" + Quoted(out) + " 2>" +
                                    Quoted(folder_ / "err.txt");
        const int status = std::system(command.c_str());
        output_ = ReadWholeFile(out).value_or("");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string output_;
};

TEST_F(GbtoolParsePageTest, PrintsTheHandWrittenRowsOfEveryFixturePage) {
    for (const SiteProfile& profile : AllSiteProfiles()) {
        const std::filesystem::path folder =
            std::filesystem::path(GB_TEST_FIXTURES) / FixtureFolder(profile.siteClass);
        const std::string common = " --user seller1 --days 31 --request 3 --buyer " +
                                   std::string(kBuyerPageItem) + "=" +
                                   Quoted(folder / kBuyerPageFile);
        const std::string site = "parse-page " + std::string(profile.className) + " ";

        ASSERT_EQ(
            Run(site + Quoted(folder / kListingWithEmailsFile) + common + " --password secret"), 0)
            << profile.className;
        EXPECT_EQ(output_, ReadWholeFile(folder / "listing-emails.expected")) << profile.className;

        ASSERT_EQ(Run(site + Quoted(folder / kPublicListingFile) + common), 0);
        EXPECT_EQ(output_, ReadWholeFile(folder / "listing-public.expected")) << profile.className;
    }
}

TEST_F(GbtoolParsePageTest, RunsOverAPageWithoutRows) {
    const std::filesystem::path empty = folder_ / "empty.htm";
    WriteFileAtomically(empty, "<html>Seller not found</html>");
    ASSERT_EQ(Run("parse-page eBayUK " + Quoted(empty)), 0);
    EXPECT_EQ(output_, "# summary=E_FAIL more=0\n");
}

TEST_F(GbtoolParsePageTest, RefusesWhatItCannotRun) {
    const std::filesystem::path page = folder_ / "page.htm";
    WriteFileAtomically(page, "<html></html>");
    const std::string listing = Quoted(page);
    EXPECT_EQ(Run("parse-page eBayUSA"), 2);
    EXPECT_EQ(Run("parse-page eBayUSA " + listing + " --days"), 2);
    EXPECT_EQ(Run("parse-page eBayUSA " + listing + " --days 65536"), 2);
    EXPECT_EQ(Run("parse-page eBayUSA " + listing + " --buyer 123"), 2);
    EXPECT_EQ(Run("parse-page eBayUSA " + listing + " --colour red"), 2);
    EXPECT_EQ(Run("parse-page eBayUSA " + Quoted(folder_ / "missing.htm")), 1);
    EXPECT_EQ(Run("parse-page eBayUSA " + listing + " --buyer 1=" + Quoted(folder_ / "no.htm")), 1);
    EXPECT_EQ(Run("parse-page eBayMars " + listing), 1);
    EXPECT_TRUE(output_.empty());
}

}  // namespace
}  // namespace gb::testing
