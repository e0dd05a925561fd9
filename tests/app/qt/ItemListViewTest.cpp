// The item list shows the open folder's items with the folder's columns,
// sorts by a clicked column, loads large folders in part and reports the
// folder's totals.

#include <QtWidgets/QMenu>

#include <QtWidgets/QPlainTextEdit>

#include "FrameFixture.h"
#include "app/core/AppSettings.h"
#include "app/core/CommandIds.h"
#include "app/ui/CSummaryBar.h"
#include "app/ui/ItemListModel.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "itemdb/TemplateLibrary.h"

using namespace gb::itemdb;

namespace {

class ItemListViewTest : public FrameFixture {
protected:
    void SetUp() override { sellerFolder = test_profile::Prepare(document); }

    void OpenInProgress(int items) {
        test_profile::AddItems(document, sellerFolder, folder::InProgress, items);
        OpenWindow();
        Open(test_profile::AllItemsFolder(document, sellerFolder, folder::InProgress));
        ASSERT_NE(List(), nullptr);
    }
    gb::app::ui::ItemListModel& Model() { return List()->Model(); }
    QStringList Column(int column) {
        QStringList texts;
        for (int row = 0; row < Model().rowCount(); ++row) {
            texts << Model().CellText(row, column);
        }
        return texts;
    }
    QStringList Headers() {
        QStringList titles;
        for (int column = 0; column < Model().columnCount(); ++column) {
            titles << Model().headerData(column, Qt::Horizontal).toString();
        }
        return titles;
    }

    std::int32_t sellerFolder = 0;
};

TEST_F(ItemListViewTest, AFolderShowsItsItemsInTheColumnsOfItsColumnSet) {
    OpenInProgress(3);
    EXPECT_EQ(Headers(), (QStringList{" ", "Auction ID", "Description", "Start Date", "End Date",
                                      "Min Bid", "Max Bid", "Buyer ID", "e-Mail", "Rating",
                                      "Insertion Fee", "Final Fee", "Status"}));
    ASSERT_EQ(Model().rowCount(), 3);
    EXPECT_TRUE(Column(1).contains("1001"));
    EXPECT_EQ(Column(5), (QStringList{"$1.00", "$1.00", "$1.00"}));
    EXPECT_EQ(Column(12), (QStringList{"In Progress", "In Progress", "In Progress"}));
    EXPECT_EQ(Model().headerData(5, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignRight,
              Qt::AlignRight);
    EXPECT_FALSE(Model().data(Model().index(0, 0), Qt::DecorationRole).isNull());
}

TEST_F(ItemListViewTest, RowsComeInOrderOfEndTime) {
    OpenInProgress(5);
    // End dates 1/1, 2/2, 3/3, 4/4 and 5/5 of 2004: the earliest first.
    EXPECT_EQ(Column(1), (QStringList{"1000", "1001", "1002", "1003", "1004"}));
}

TEST_F(ItemListViewTest, TheFrameShowsTheFoldersTotalsAndCaption) {
    OpenInProgress(3);
    EXPECT_EQ(frame->SummaryBar()->Count(), "3");
    EXPECT_EQ(frame->SummaryBar()->MinimumValue(), "$3.00");
    EXPECT_EQ(frame->SummaryBar()->TotalBids(), "$18.00");
    EXPECT_EQ(frame->CaptionText(), "joe_seller - USA\n\nAuctions in progress");
    EXPECT_EQ(frame->MessageText(), "For Help, press F1");
    EXPECT_TRUE(frame->IsButtonShown(gb::app::cmd::EditItems));
    EXPECT_TRUE(frame->IsBandShown(gb::app::Band::Summary));
}

TEST_F(ItemListViewTest, AFolderOfFourHundredItemsLoadsWhole) {
    OpenInProgress(400);
    EXPECT_EQ(Model().rowCount(), 400);
    EXPECT_FALSE(List()->IsPartiallyLoaded());
}

TEST_F(ItemListViewTest, AFolderOf401ItemsLoads50AndSaysSo) {
    OpenInProgress(401);
    EXPECT_EQ(Model().rowCount(), 50);
    EXPECT_TRUE(List()->IsPartiallyLoaded());
    const QString partial =
        "50 of 401 items displayed.  Click any column header to view remaining items.";
    EXPECT_EQ(frame->MessageText(), partial);
    EXPECT_TRUE(frame->CaptionText().startsWith("joe_seller - USA - " + partial));
    EXPECT_EQ(frame->SummaryBar()->Count(), "401");
}

TEST_F(ItemListViewTest, AColumnClickLoadsEveryItemAndSorts) {
    OpenInProgress(401);
    List()->OnColumnClick(1);
    EXPECT_FALSE(List()->IsPartiallyLoaded());
    ASSERT_EQ(Model().rowCount(), 401);
    // Loaded whole by end time, the first row's ID (1000) is below the last
    // row's (1359), which counts as ascending: the click sorts descending.
    const QStringList ids = Column(1);
    EXPECT_EQ(ids.front(), "1400");
    EXPECT_EQ(ids.back(), "1000");
    EXPECT_TRUE(std::is_sorted(ids.rbegin(), ids.rend()));
    EXPECT_EQ(List()->SortDirection(), 0);
    EXPECT_EQ(frame->MessageText(), "For Help, press F1");
}

TEST_F(ItemListViewTest, EachClickTurnsTheOrderOfTheColumn) {
    OpenInProgress(4);
    EXPECT_EQ(Column(6), (QStringList{"$5.00", "$6.00", "$7.00", "$8.00"}));  // Max Bid
    List()->OnColumnClick(6);
    EXPECT_EQ(Column(6), (QStringList{"$8.00", "$7.00", "$6.00", "$5.00"}));
    EXPECT_EQ(List()->SortDirection(), 0);
    List()->OnColumnClick(6);
    EXPECT_EQ(Column(6), (QStringList{"$5.00", "$6.00", "$7.00", "$8.00"}));
    EXPECT_EQ(List()->SortDirection(), 1);
}

TEST_F(ItemListViewTest, SelectAllWarnsWhenTheFolderIsLoadedInPart) {
    OpenInProgress(401);
    List()->OnSelectAll();
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0].rfind("Warning - Not all inventory items", 0), 0u);
    EXPECT_EQ(List()->SelectedCount(), 50u);
    EXPECT_EQ(frame->MessageText(), "50 Items selected");
}

TEST_F(ItemListViewTest, DoubleSpacingAndMatureAudiencesAreRemembered) {
    OpenInProgress(2);
    EXPECT_FALSE(frame->QueryCommand(gb::app::cmd::DoubleSpace).checked);
    frame->ExecuteCommand(gb::app::cmd::DoubleSpace);
    EXPECT_TRUE(frame->QueryCommand(gb::app::cmd::DoubleSpace).checked);
    EXPECT_TRUE(Model().HasLargeIcons());
    EXPECT_EQ(user.GetNumber(gb::app::SectionKey("Settings"), "Spacing"), 1u);

    EXPECT_FALSE(document.GetAdultFlag());
    frame->ExecuteCommand(gb::app::cmd::MatureAudiences);
    EXPECT_TRUE(document.GetAdultFlag());
    EXPECT_EQ(user.GetNumber(gb::app::SectionKey("Settings"), "Adult"), 1u);
    EXPECT_TRUE(frame->QueryCommand(gb::app::cmd::MatureAudiences).checked);
}

TEST_F(ItemListViewTest, TheContextMenuFollowsTheSelection) {
    CTemplateLibrary library;
    library.SetPath(folder / "VizEvav.cta");
    for (const char* name : {"Invoice", "Thanks"}) {
        CTDocText text;
        text.SetName(name);
        text.SetKind(CTDocText::Email);
        library.AddTemplate(text);
    }
    ASSERT_TRUE(library.SaveFile());
    // The program reads its template library once, with the settings.
    app.LoadSettings();
    OpenInProgress(3);

    List()->selectAll();
    std::unique_ptr<QMenu> menu(List()->ContextMenu());
    ASSERT_NE(menu->defaultAction(), nullptr);
    EXPECT_EQ(menu->defaultAction()->data().toInt(), gb::app::cmd::BulkUpdate);
    QMenu* copy = menu->actions().back()->menu();
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->actions().size(), 3);
    EXPECT_EQ(copy->actions()[0]->text(), "Invoice");
    EXPECT_EQ(copy->actions()[1]->text(), "Thanks");
    // With several rows the menu greys Edit and offers the bulk update.
    EXPECT_FALSE(menu->actions()[0]->isEnabled());
}

TEST_F(ItemListViewTest, EditOnOneRowStoresTheSheetsChangesInTheProfile) {
    OpenInProgress(3);
    List()->setCurrentIndex(Model().index(1, 0));
    const CAucItem* edited = Model().ItemAt(1);
    ASSERT_NE(edited, nullptr);
    const std::string site(edited->GetSite());
    const std::string auctionId(edited->GetAuctionId());

    services.modals.Then(gb::widgets::ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto* description = dialog.findChild<QPlainTextEdit*>("description");
        ASSERT_NE(description, nullptr);
        description->setPlainText("Edited through the list");
    }));
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::EditItems));
    Settle();

    EXPECT_EQ(services.modals.StepsLeft(), 0u);
    EXPECT_TRUE(document.IsModified());
    CItemList::ListPos position;
    ASSERT_TRUE(document.GetItemList().FindItem(site, auctionId, &position));
    const CAucItem* stored = document.GetItemList().GetItem(position);
    ASSERT_NE(stored, nullptr);
    std::string text;
    stored->GetFieldText(field::Description, text);
    EXPECT_EQ(text, "Edited through the list");
}

}  // namespace
