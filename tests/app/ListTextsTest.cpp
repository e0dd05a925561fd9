// The texts about the folder on display, the item context menu's rules and
// the e-mail templates it offers.

#include <gtest/gtest.h>

#include "app/core/CommandCatalog.h"
#include "app/core/CommandIds.h"
#include "app/core/ItemMenuRules.h"
#include "app/core/StatusTexts.h"
#include "app/core/TemplateSlots.h"
#include "app/core/ToolbarLayout.h"
#include "itemdb/TemplateLibrary.h"

using namespace gb::itemdb;

namespace {

TEST(StatusTextsTest, APartialLoadSaysHowManyOfHowMany) {
    EXPECT_EQ(gb::app::PartialLoadText(50, 401),
              "50 of 401 items displayed.  Click any column header to view remaining items.");
    EXPECT_EQ(gb::app::FolderCaption("joe_seller", gb::app::PartialLoadText(50, 401)),
              "joe_seller - 50 of 401 items displayed.  Click any column header to view "
              "remaining items.");
    EXPECT_EQ(gb::app::FolderCaption("joe_seller", ""), "joe_seller");
}

TEST(StatusTextsTest, TheSelectionCountShowsFromTwoRows) {
    EXPECT_EQ(gb::app::SelectionText(0), "For Help, press F1");
    EXPECT_EQ(gb::app::SelectionText(1), "For Help, press F1");
    EXPECT_EQ(gb::app::SelectionText(2), "2 Items selected");
}

TEST(StatusTextsTest, TheTemplatePaneNamesTemplateAndLibrary) {
    EXPECT_EQ(gb::app::TemplatePaneText("Invoice", "VizEvav.cta"),
              "Current Template: Invoice  (VizEvav.cta)");
    EXPECT_EQ(gb::app::TemplatePaneText("", "VizEvav.cta"),
              "Current Template: Unknown  (VizEvav.cta)");
}

TEST(StatusTextsTest, TheCaptionPanelPutsAnEmptyLineBeforeTheDescription) {
    EXPECT_EQ(gb::app::CaptionPanelText("In Progress", "Auctions with bids"),
              "In Progress\r\n\r\nAuctions with bids");
}

TEST(StatusTextsTest, FormatCountsFillsEachMarkInTurn) {
    EXPECT_EQ(gb::app::FormatCounts("%d of %d", {1, 2}), "1 of 2");
    EXPECT_EQ(gb::app::FormatCounts("%d and %d", {7}), "7 and %d");
    EXPECT_EQ(gb::app::FormatCounts("none", {7}), "none");
}

using Grayed = std::set<int>;

TEST(ItemMenuRulesTest, OneSelectedRowEditsByDefault) {
    const auto state = gb::app::ItemMenuRules(1, 103, 111);
    EXPECT_EQ(state.defaultCommand, gb::app::cmd::EditItems);
    EXPECT_EQ(state.grayed, Grayed{gb::app::cmd::BulkUpdate});
}

TEST(ItemMenuRulesTest, TwoSelectedRowsBulkUpdateByDefault) {
    const auto state = gb::app::ItemMenuRules(2, 103, 111);
    EXPECT_EQ(state.defaultCommand, gb::app::cmd::BulkUpdate);
    EXPECT_EQ(state.grayed, (Grayed{gb::app::cmd::EditItems, gb::app::cmd::CreateDuplicate,
                                    gb::app::cmd::ViewListing}));
}

TEST(ItemMenuRulesTest, NoSelectionGreysEveryItemCommand) {
    const auto state = gb::app::ItemMenuRules(0, 103, 111);
    EXPECT_EQ(state.grayed, (Grayed{gb::app::cmd::BulkUpdate, gb::app::cmd::CreateDuplicate,
                                    gb::app::cmd::MoveItems, gb::app::cmd::EditItems,
                                    gb::app::cmd::DeleteItems, gb::app::cmd::ArchiveItems,
                                    gb::app::cmd::ViewListing, gb::app::cmd::EditCopy}));
}

TEST(ItemMenuRulesTest, TheFolderTypeGreysWhatCannotApply) {
    EXPECT_TRUE(gb::app::ItemMenuRules(1, 102, 111).grayed.contains(gb::app::cmd::ArchiveItems));
    EXPECT_TRUE(gb::app::ItemMenuRules(1, 102, 111).grayed.contains(gb::app::cmd::SetStatus));
    EXPECT_TRUE(gb::app::ItemMenuRules(1, 107, 111).grayed.contains(gb::app::cmd::ArchiveItems));
    EXPECT_TRUE(gb::app::ItemMenuRules(1, 110, 111).grayed.contains(gb::app::cmd::DeleteItems));
    EXPECT_FALSE(gb::app::ItemMenuRules(1, 110, 111).grayed.contains(gb::app::cmd::ArchiveItems));
    EXPECT_TRUE(gb::app::ItemMenuRules(1, 101, 117).grayed.contains(gb::app::cmd::ArchiveItems));
    EXPECT_TRUE(gb::app::ItemMenuRules(1, 101, 117).grayed.contains(gb::app::cmd::SetStatus));
    EXPECT_FALSE(gb::app::ItemMenuRules(1, 101, 116).grayed.contains(gb::app::cmd::ArchiveItems));
}

CTDocText Template(const std::string& name, std::int32_t kind) {
    CTDocText text;
    text.SetName(name);
    text.SetKind(kind);
    return text;
}

TEST(TemplateSlotsTest, ListsTheEmailTemplatesUpToElevenWithTheCurrentAsDefault) {
    CTemplateLibrary library;
    library.AddTemplate(Template("A report", CTDocText::Report));
    for (int i = 0; i < 14; ++i) {
        library.AddTemplate(
            Template("Mail " + std::string(1, static_cast<char>('a' + i)), CTDocText::Email));
    }
    const int current = library.FindByName("Mail c");
    const auto slots = gb::app::TemplateSlots::From(library, current);
    ASSERT_EQ(slots.names.size(), 11u);
    EXPECT_EQ(slots.names.front(), "Mail a");
    EXPECT_EQ(slots.names.back(), "Mail k");
    EXPECT_EQ(slots.defaultSlot, 2u);
    // The report sorts first, so slot k is the template after it.
    EXPECT_EQ(slots.indexes.front(), 1);
    EXPECT_EQ(slots.indexes.back(), 11);
}

TEST(TemplateSlotsTest, AReportAsCurrentTemplateGivesNoDefault) {
    CTemplateLibrary library;
    library.AddTemplate(Template("A report", CTDocText::Report));
    library.AddTemplate(Template("Invoice", CTDocText::Email));
    EXPECT_FALSE(gb::app::TemplateSlots::From(library, 0).defaultSlot);
    EXPECT_FALSE(gb::app::TemplateSlots::From(library, 99).defaultSlot);
    EXPECT_EQ(gb::app::TemplateSlots::From(library, 1).defaultSlot, 0u);
}

TEST(CommandCatalogTest, EveryToolbarButtonHasATooltip) {
    for (const gb::app::ToolbarEntry& entry : gb::app::MainToolbar()) {
        if (entry.command != 0) {
            const gb::app::CommandText* text = gb::app::FindCommandText(entry.command);
            ASSERT_NE(text, nullptr) << entry.command;
            EXPECT_FALSE(text->tooltip.empty()) << entry.command;
        }
    }
}

TEST(CommandCatalogTest, ShortcutsFollowTheTab) {
    EXPECT_EQ(gb::app::ShortcutOf(gb::app::FindCommandText(gb::app::cmd::FileOpen)->menu),
              "Ctrl+O");
    EXPECT_EQ(gb::app::ShortcutOf(gb::app::FindCommandText(gb::app::cmd::UpdateDatabase)->menu),
              "F5");
    EXPECT_EQ(gb::app::ShortcutOf(gb::app::FindCommandText(gb::app::cmd::AppExit)->menu), "");
}

}  // namespace
