// The export dialog's logic without its window: the two column lists, the
// target's extension and writability, and the stored choices.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/TempFolder.h"
#include "app/core/AppSettings.h"
#include "app/core/export/ExportColumnChoice.h"
#include "app/core/export/ExportSettings.h"
#include "app/core/export/ExportTarget.h"
#include "app/core/print/FieldPadding.h"
#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"

using gb::test::TempFolder;

namespace {

using gb::app::ExportColumnChoice;

std::vector<std::string> Names(const std::vector<ExportColumnChoice::Entry>& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        names.push_back(entry.name);
    }
    return names;
}

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
    const ExportColumnChoice choice(fees_, "&B$\"A");
    EXPECT_EQ(Names(choice.Exported()),
              (std::vector<std::string>{"Description", "Packing*", "Auction ID"}));
    EXPECT_EQ(choice.Available().size(), 47u);
    EXPECT_EQ(choice.Available().front().name, "Amt Received");
    EXPECT_EQ(choice.AvailableSelection(), 0);
    EXPECT_EQ(choice.ExportedSelection(), 0);
    EXPECT_EQ(choice.ColumnSet(), "$B$A");
}

TEST_F(ExportColumnChoiceTest, AddPutsTheEntryInFrontOfTheSelectedOne) {
    ExportColumnChoice choice(fees_, "#AB");
    choice.SelectExported(1);
    const int last = static_cast<int>(choice.Available().size()) - 1;
    const std::string lastName = choice.Available().back().name;
    choice.SelectAvailable(last);
    choice.Add();
    EXPECT_EQ(Names(choice.Exported())[1], lastName);
    EXPECT_EQ(choice.ExportedSelection(), 1);
    EXPECT_EQ(choice.AvailableSelection(), last - 1);  // the previous one at the end

    choice.SelectExported(ExportColumnChoice::kNone);
    choice.SelectAvailable(0);
    const std::string firstName = choice.Available().front().name;
    choice.Add();
    EXPECT_EQ(Names(choice.Exported()).back(), firstName);
    EXPECT_EQ(choice.AvailableSelection(), 0);  // the next one
}

TEST_F(ExportColumnChoiceTest, RemoveSortsTheEntryBackAndUpDownStopAtTheEnds) {
    ExportColumnChoice choice(fees_, "$ABC");
    choice.SelectExported(0);
    choice.Up();
    EXPECT_EQ(choice.ColumnSet(), "$ABC");
    choice.Down();
    EXPECT_EQ(choice.ColumnSet(), "$BAC");
    EXPECT_EQ(choice.ExportedSelection(), 1);
    choice.SelectExported(2);
    choice.Down();
    EXPECT_EQ(choice.ColumnSet(), "$BAC");

    choice.SelectExported(1);  // Auction ID
    choice.Remove();
    EXPECT_EQ(choice.ColumnSet(), "#BC");
    EXPECT_EQ(choice.Available()[static_cast<std::size_t>(choice.AvailableSelection())].name,
              "Auction ID");
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
    gb::Settings user(folder / "user.settings");
    gb::app::ExportSettings settings = gb::app::ExportSettings::Load(user);
    EXPECT_EQ(settings, (gb::app::ExportSettings{gb::app::ExportType::Separated, "-ABCDEFGHIJKL",
                                                 "Export.txt"}));

    settings = {gb::app::ExportType::Tab, "\"A", "/tmp/out.tab"};
    ASSERT_TRUE(settings.Save(user));
    EXPECT_EQ(gb::app::ExportSettings::Load(user), settings);

    user.SetNumber(gb::app::SectionKey("Export"), "Type", 7);
    EXPECT_EQ(gb::app::ExportSettings::Load(user).type, gb::app::ExportType::Separated);
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
    ::testing::Values(PaddingCase{"Vase", 501, PadPurpose::Export, "Vase" + std::string(196, ' ')},
                      PaddingCase{"$1.00", 505, PadPurpose::Export, std::string(11, ' ') + "$1.00"},
                      PaddingCase{"$1.00", 505, PadPurpose::Print, std::string(8, ' ') + "$1.00"},
                      PaddingCase{"($1,234,567,890.00)", 505, PadPurpose::Export,
                                  std::string(16, '#')},
                      PaddingCase{"-1234567890123", 540, PadPurpose::Print, std::string(13, '#')},
                      PaddingCase{"abcdefghijklmnopq", 500, PadPurpose::Print, "abcdefghijklmnop"},
                      PaddingCase{"03/01/24 10:00:00", 513, PadPurpose::Print,
                                  "03/01/24 10:00:00" + std::string(8, ' ')}));

}  // namespace
