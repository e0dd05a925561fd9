// The export dialog's logic without its window: the two column lists, the
// target's extension and writability, and the stored choices.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/core/AppSettings.h"
#include "app/core/columns/ColumnChoice.h"
#include "app/core/columns/ListOrder.h"
#include "app/core/export/ExportSettings.h"
#include "app/core/export/ExportTarget.h"
#include "app/core/print/FieldPadding.h"
#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace {

using gb::app::ColumnChoice;
using gb::app::ColumnEntry;

std::vector<std::string> Names(const std::vector<ColumnEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        names.push_back(entry.title);
    }
    return names;
}

// The export dialog's column lists: the column choice the folders use, with
// the selection the lists keep after each move.
class ExportColumnChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        fees_.SetCurrent(3);
        fees_.SetName("Packing");
        fees_.SetType(gb::itemdb::fee_type::Charge);
        fees_.SetActive(true);
        fees_.SetCurrent(4);
        fees_.SetName("Per payment");  // not offered: a transaction fee
        fees_.SetType(gb::itemdb::fee_type::TransactionFee);
        fees_.SetActive(true);
    }
    gb::itemdb::CFeeSchedule fees_;
};

TEST_F(ExportColumnChoiceTest, FillsTheListsFromTheColumnSetAndGivesItBack) {
    // Description, Packing, an inactive entry and Auction ID; the count says 5.
    const ColumnChoice choice("&B$\"A", fees_);
    EXPECT_EQ(Names(choice.Shown()),
              (std::vector<std::string>{"Description", "Packing*", "Auction ID"}));
    EXPECT_EQ(choice.Available().size(), 47u);
    EXPECT_EQ(choice.Available().front().title, "Amt Received");
    EXPECT_EQ(choice.ColumnSetText(), "$B$A");
}

TEST_F(ExportColumnChoiceTest, AddPutsTheEntryInFrontOfTheSelectedOne) {
    ColumnChoice choice("#AB", fees_);
    const int last = static_cast<int>(choice.Available().size()) - 1;
    const std::string lastName = choice.Available().back().title;
    EXPECT_EQ(choice.Show(last, 1), 1);
    EXPECT_EQ(Names(choice.Shown())[1], lastName);
    // The available selection goes to the previous entry at the end.
    EXPECT_EQ(gb::app::IndexAfterRemoval(last, static_cast<int>(choice.Available().size())),
              last - 1);

    const std::string firstName = choice.Available().front().title;
    EXPECT_EQ(choice.Show(0, -1), 3);  // no export entry selected: appended
    EXPECT_EQ(Names(choice.Shown()).back(), firstName);
    // ... and to the next one elsewhere.
    EXPECT_EQ(gb::app::IndexAfterRemoval(0, static_cast<int>(choice.Available().size())), 0);
}

TEST_F(ExportColumnChoiceTest, RemoveSortsTheEntryBackAndUpDownStopAtTheEnds) {
    ColumnChoice choice("$ABC", fees_);
    EXPECT_EQ(choice.MoveShown(0, -1), 0);
    EXPECT_EQ(choice.ColumnSetText(), "$ABC");
    EXPECT_EQ(choice.MoveShown(0, +1), 1);
    EXPECT_EQ(choice.ColumnSetText(), "$BAC");
    EXPECT_EQ(choice.MoveShown(2, +1), 2);
    EXPECT_EQ(choice.ColumnSetText(), "$BAC");

    const int removed = choice.Hide(1);  // Auction ID
    EXPECT_EQ(choice.ColumnSetText(), "#BC");
    ASSERT_GE(removed, 0);
    EXPECT_EQ(choice.Available()[static_cast<std::size_t>(removed)].title, "Auction ID");
}

struct ExtensionCase {
    const char* path;
    const char* expected;
};

class ReplaceExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(ReplaceExtensionTest, ReplacesTheFileNamesExtensionOnly) {
    EXPECT_EQ(gb::app::ReplaceExtension(GetParam().path, "csv"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ReplaceExtensionTest,
    ::testing::Values(ExtensionCase{"Export.txt", "Export.csv"},
                      ExtensionCase{"Export", "Export.csv"},
                      ExtensionCase{"/home/ann/sales.v2/Export", "/home/ann/sales.v2/Export.csv"},
                      ExtensionCase{"/home/ann/sales.v2/Export.tab",
                                    "/home/ann/sales.v2/Export.csv"},
                      ExtensionCase{"/home/ann/.hidden", "/home/ann/.hidden.csv"},
                      ExtensionCase{"E", "E"}, ExtensionCase{"", ""}));

TEST(ExportTargetTest, ProbingChangesNothing) {
    TempFolder folder;
    const auto fresh = folder / "fresh.csv";
    EXPECT_TRUE(gb::app::CanWriteTarget(fresh));
    EXPECT_FALSE(gb::app::TargetExists(fresh));

    const auto old = folder / "old.csv";
    gb::WriteFileAtomically(old, "kept");
    EXPECT_TRUE(gb::app::TargetExists(old));
    EXPECT_TRUE(gb::app::CanWriteTarget(old));
    EXPECT_EQ(gb::ReadWholeFile(old), "kept");

    EXPECT_FALSE(gb::app::CanWriteTarget(folder.Path()));
    EXPECT_FALSE(gb::app::CanWriteTarget(folder / "missing" / "x.csv"));
}

TEST(ExportSettingsTest, ReadsDefaultsAndKeepsWhatIsSaved) {
    TempFolder folder;
    const std::filesystem::path documents = folder / "Documents";
    gb::Settings user(folder / "user.settings");
    gb::app::ExportSettings settings = gb::app::ExportSettings::Load(user, documents);
    // The default file is in the documents, not in the working folder.
    EXPECT_EQ(settings, (gb::app::ExportSettings{gb::app::ExportType::Separated, "-ABCDEFGHIJKL",
                                                 (documents / "Export.txt").string()}));

    settings = {gb::app::ExportType::Tab, "\"A", "/tmp/out.tab"};
    ASSERT_TRUE(settings.Save(user));
    EXPECT_EQ(gb::app::ExportSettings::Load(user, documents), settings);

    user.SetNumber(gb::app::SectionKey("Export"), "Type", 7);
    user.SetString(gb::app::SectionKey("Export"), "Target", "sales/May.csv");
    settings = gb::app::ExportSettings::Load(user, documents);
    EXPECT_EQ(settings.type, gb::app::ExportType::Separated);
    EXPECT_EQ(settings.target, (documents / "sales/May.csv").string());
}

struct PaddingCase {
    const char* text;
    int fieldId;
    gb::app::PadPurpose purpose;
    std::string expected;
};

class PadFieldTest : public ::testing::TestWithParam<PaddingCase> {};

TEST_P(PadFieldTest, PadsToTheFieldsWidth) {
    EXPECT_EQ(gb::app::PadField(GetParam().text, GetParam().fieldId, GetParam().purpose),
              GetParam().expected);
}

using gb::app::PadPurpose;
INSTANTIATE_TEST_SUITE_P(
    Fields, PadFieldTest,
    ::testing::Values(
        PaddingCase{"Vase", 501, PadPurpose::Export, "Vase" + std::string(196, ' ')},
        PaddingCase{"$1.00", 505, PadPurpose::Export, std::string(11, ' ') + "$1.00"},
        PaddingCase{"$1.00", 505, PadPurpose::Print, std::string(8, ' ') + "$1.00"},
        PaddingCase{"($1,234,567,890.00)", 505, PadPurpose::Export, std::string(16, '#')},
        PaddingCase{"-1234567890123", 540, PadPurpose::Print, std::string(13, '#')},
        // The Charge Note is text: too wide, it keeps its end.
        PaddingCase{"Postage and packing", 536, PadPurpose::Print, "e and packing"},
        PaddingCase{"Postage and packing 2x", 536, PadPurpose::Export, "e and packing 2x"},
        PaddingCase{"abcdefghijklmnopq", 500, PadPurpose::Print, "abcdefghijklmnop"},
        PaddingCase{"03/01/24 10:00:00", 513, PadPurpose::Print,
                    "03/01/24 10:00:00" + std::string(8, ' ')}));

}  // namespace
