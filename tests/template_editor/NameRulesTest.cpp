#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"
#include "template_editor/core/LibraryChoice.h"
#include "template_editor/core/NameRules.h"

namespace gb::editor {
namespace {

TEST(NameRulesTest, RefusesNamesThatLeaveTheFolderOrHideTheFile) {
    struct Case {
        const char* name;
        bool library;
        bool templateName;
    };
    const Case cases[] = {
        {"My Library.2024.cta", true, true},
        {"../x.cta", false, false},
        {".x.cta", false, false},
        {"..", false, false},
        {"a\\b.cta", false, false},
        {"", false, false},
        {"C:drive.cta", false, true},
        {"it's.cta", false, true},
        {"Tom & Jerry", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidLibraryName(c.name), c.library) << c.name;
        EXPECT_EQ(IsValidTemplateName(c.name), c.templateName) << c.name;
    }
}

TEST(LibraryChoiceTest, NormalizesTypedNames) {
    EXPECT_EQ(LibraryChoice::NormalizeName("  German  "), "German.cta");
    EXPECT_EQ(LibraryChoice::NormalizeName("German.CTA"), "German.CTA");
    EXPECT_EQ(LibraryChoice::NormalizeName("German.ct"), "German.ct.cta");
    EXPECT_EQ(LibraryChoice::NormalizeName("   "), ".cta");
}

TEST(LibraryChoiceTest, ListsLibrariesAndNeverOverwritesAFile) {
    gb::test::TempFolder folder;
    folder.Write("VizEvav.cta", "keep");
    folder.Write(".hidden.cta", "keep");
    folder.Write("notes.txt", "");
    const LibraryChoice choice(folder / "VizEvav.cta");

    EXPECT_EQ(choice.GetNames(), std::vector<std::string>{"VizEvav.cta"});
    EXPECT_EQ(choice.GetCurrentName(), "VizEvav.cta");
    EXPECT_FALSE(choice.Create("VizEvav.cta"));
    EXPECT_FALSE(choice.Create(".hidden.cta"));
    ASSERT_TRUE(choice.Create("German.cta"));
    EXPECT_EQ(std::filesystem::file_size(folder / "German.cta"), 6u);  // index and count
}

}  // namespace
}  // namespace gb::editor
