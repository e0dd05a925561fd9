// The three export layouts over a folder of known items, against golden
// files, the separator rules of the separated layout, and the file written.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "ExportTestItems.h"
#include "app/core/export/ExportFile.h"
#include "app/core/export/ExportFormatter.h"
#include "platform/FileIo.h"
#include "platform/Locale.h"
#include "tests/support/TempFolder.h"

namespace {

using gb::app::ExportFormatter;
using gb::app::ExportType;

struct GoldenCase {
    ExportType type;
    const char* golden;
};

class ExportGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(ExportGoldenTest, WritesTheFolderAsTheGoldenFile) {
    gb::test::ExportTestItems items;
    const ExportFormatter formatter(
        ExportFormatter::ColumnsOf(gb::test::ExportTestItems::kColumnSet, items.Fees()),
        GetParam().type, gb::ListSeparator(gb::kLocaleEnglishUS));
    const auto golden =
        gb::ReadWholeFile(std::filesystem::path(GB_TEST_FIXTURES) / "export" / GetParam().golden);
    ASSERT_TRUE(golden) << GetParam().golden;
    EXPECT_EQ(gb::app::ExportText(formatter, items.Rows()), *golden);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ExportGoldenTest,
                         ::testing::Values(GoldenCase{ExportType::Separated, "separated.csv"},
                                           GoldenCase{ExportType::FixedLength, "fixed.txt"},
                                           GoldenCase{ExportType::Tab, "tab.tab"}),
                         [](const ::testing::TestParamInfo<GoldenCase>& golden) {
                             return std::string(golden.param.golden).substr(0, 3);
                         });

std::string SeparatedRow(std::optional<char> separator) {
    gb::test::ExportTestItems items;
    const ExportFormatter formatter(ExportFormatter::ColumnsOf("\"B", items.Fees()),
                                    ExportType::Separated, separator);
    return formatter.Row(items.Rows(), 0);
}

TEST(ExportFormatterTest, ASeparatorInAValueBecomesABlankOrABarForABlankSeparator) {
    EXPECT_EQ(SeparatedRow(';'), "Blue vase, \"mint\"  boxed  second line\tend");
    EXPECT_EQ(SeparatedRow(' '), "Blue|vase,|\"mint\";|boxed||second|line\tend");
    EXPECT_EQ(SeparatedRow(std::nullopt), "Blue vase  \"mint\"; boxed  second line\tend");
}

TEST(ExportFormatterTest, TheGermanListSeparatorSeparatesTheColumns) {
    gb::test::ExportTestItems items;
    const ExportFormatter formatter(ExportFormatter::ColumnsOf("#AG", items.Fees()),
                                    ExportType::Separated, gb::ListSeparator(1031));
    EXPECT_EQ(formatter.Header(), "Auction ID;Buyer ID");
}

TEST(ExportFormatterTest, ACountPromisingMoreCodesThanPresentExportsThosePresent) {
    gb::test::ExportTestItems items;
    const ExportFormatter formatter(ExportFormatter::ColumnsOf("0AB", items.Fees()),
                                    ExportType::Tab, ',');
    EXPECT_EQ(formatter.Header(), "Auction ID\tDescription");
}

// An export holds buyers' names and addresses: only its owner may read it.
TEST(ExportFileTest, ANewExportIsTheOwnersAlone) {
    gb::test::ExportTestItems items;
    const ExportFormatter formatter(ExportFormatter::ColumnsOf("\"A", items.Fees()),
                                    ExportType::Tab, ',');
    const gb::test::TempFolder folder;
    const std::filesystem::path target = folder / "export.tab";
    gb::app::WriteExportFile(target, formatter, items.Rows());
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(ExportFileTest, AFailedWriteLeavesNoFile) {
    gb::test::ExportTestItems items;
    const ExportFormatter formatter(ExportFormatter::ColumnsOf("\"A", items.Fees()),
                                    ExportType::Tab, ',');
    const std::filesystem::path target = "/nonexistent-folder/export.tab";
    EXPECT_THROW(gb::app::WriteExportFile(target, formatter, items.Rows()), gb::FileError);
    EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
