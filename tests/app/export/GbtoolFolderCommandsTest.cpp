// `gbtool export`, `render` and `mailto` on a saved profile: the rows in the
// order the item list loads them (null and invalid end times included), and
// a folder without rows refused as the program refuses it, with no file.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "itemdb/AucDoc.h"
#include "itemdb/AucItem.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/FolderKind.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/FileIo.h"
#include "tests/support/TempFolder.h"

using namespace gb::itemdb;
using gb::test::TempFolder;

namespace {

// Auction ID alone, as a column-set text.
constexpr char kAuctionIdColumn[] = "\"A";
// Archive's "All Items": every archived item, a folder of the ordinary kind.
constexpr int kArchivedItems = folder::AllItems;

struct Outcome {
    int status = 0;
    std::string output;  // standard output and error
};

class GbtoolFolderCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        CAucDoc empty;
        empty.OnNewDocument();
        FolderBlueprint::AddDefaultFolders(empty.EditFolders());
        ASSERT_TRUE(empty.OnSaveDocument(EmptyProfile()));

        CAucDoc document;
        document.OnNewDocument();
        document.SetProfileName("Orders");
        FolderBlueprint::AddDefaultFolders(document.EditFolders());
        // The folder's display list holds them in order of auction ID; the
        // list loads them as inserted one by one in that order.
        // "n": no end time, "i": an invalid one, "v": a valid one.
        for (const auto& [id, end] :
             {std::pair{"a-n", ""}, std::pair{"b-v", "3/2/2004"}, std::pair{"c-i", "not a date"},
              std::pair{"d-n", ""}, std::pair{"e-v", "3/1/2004"}, std::pair{"f-i", "not a date"},
              std::pair{"g-n", ""}}) {
            CAucItem item;
            item.SetAuctionId(id);
            item.SetEndDate(end);
            item.SetBuyerId("ann");
            item.SetEmail("ann@example.com");
            document.GetItemList().AddItem(item, folder::Archive);
        }
        ASSERT_TRUE(document.OnSaveDocument(Profile()));

        CTemplateLibrary library;
        library.SetPath(folder / "Lots.cta");
        CTDocText lots;
        lots.SetName("Lots");
        lots.SetSubject("Lots [Auction_ID]");
        lots.SetRepeat("[Auction_ID];");
        library.AddTemplate(lots);
        ASSERT_TRUE(library.SaveFile());
    }

    std::filesystem::path Profile() const { return folder / "Orders.pro"; }
    std::filesystem::path EmptyProfile() const { return folder / "Empty.pro"; }

    Outcome Gbtool(const std::string& arguments) const {
        const std::string command = "GAVELBOOK_USER_SETTINGS='" + (folder / "user").string() +
                                    "' GAVELBOOK_PROGRAM_DIR='" + folder.Path().string() + "' '" +
                                    GB_BIN_DIR + "/gbtool' " + arguments + " 2>&1";
        Outcome outcome;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            outcome.output.append(buffer, read);
        }
        outcome.status = ::pclose(pipe);
        return outcome;
    }

    static std::string Export(const std::filesystem::path& profile,
                              const std::filesystem::path& out) {
        return "export '" + profile.string() + "' " + std::to_string(kArchivedItems) + " 2 '" +
               out.string() + "' --columns '" + kAuctionIdColumn + "'";
    }
    std::string Render(const char* command, const std::filesystem::path& profile) const {
        return std::string(command) + " '" + profile.string() + "' " +
               std::to_string(kArchivedItems) + " Lots --library '" +
               (folder / "Lots.cta").string() + "' --fees '" + GB_TEST_FIXTURES +
               "/report/AucField.fee'";
    }

    TempFolder folder;
};

TEST_F(GbtoolFolderCommandsTest, ExportAndRenderWriteTheRowsInTheOrderTheListLoadsThem) {
    const Outcome exported = Gbtool(Export(Profile(), folder / "archive.tab"));
    ASSERT_EQ(exported.status, 0) << exported.output;
    EXPECT_EQ(gb::ReadWholeFile(folder / "archive.tab"),
              "Auction ID\r\ng-n\r\nf-i\r\nd-n\r\nc-i\r\na-n\r\ne-v\r\nb-v\r\n");

    const Outcome rendered = Gbtool(Render("render", Profile()));
    ASSERT_EQ(rendered.status, 0) << rendered.output;
    EXPECT_NE(rendered.output.find("g-n;f-i;d-n;c-i;a-n;e-v;b-v;"), std::string::npos)
        << rendered.output;
    const Outcome mail = Gbtool(Render("mailto", Profile()));
    EXPECT_EQ(mail.output, "mailto:ann@example.com?subject=Lots%20g-n\n");
}

TEST_F(GbtoolFolderCommandsTest, AFolderWithoutRowsIsRefusedAndNoFileWritten) {
    const Outcome exported = Gbtool(Export(EmptyProfile(), folder / "empty.tab"));
    EXPECT_NE(exported.status, 0);
    EXPECT_NE(exported.output.find("The current folder is empty. There are no items to export."),
              std::string::npos)
        << exported.output;
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.tab"));

    for (const char* command : {"render", "mailto"}) {
        const Outcome rendered = Gbtool(Render(command, EmptyProfile()));
        EXPECT_NE(rendered.status, 0) << command;
        EXPECT_NE(rendered.output.find("You must select at least one item."), std::string::npos)
            << rendered.output;
    }
}

}  // namespace
