// The folder commands on real dialogs: the columns dialog's lists and the
// values it hands back, the folder dialog run by Edit, and Delete with its
// question and the selection it leaves.

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>

#include <gtest/gtest.h>

#include "FakeServices.h"
#include "app/dialogs/folders/CColumnsDlg.h"
#include "app/dialogs/folders/FolderCommands.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FolderKind.h"
#include "widgets/ScriptedModalRunner.h"

using namespace gb::itemdb;
using gb::app::FolderEditor;
using gb::app::ui::CColumnsDlg;
using gb::app::ui::FolderCommands;
using gb::widgets::ScriptedModalRunner;

namespace {

QStringList Rows(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) {
        rows << list.item(i)->text();
    }
    return rows;
}

class FolderCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        document.OnNewDocument();
        document.SetProfileName("Demo");
        document.GetSellerList().AddSeller("joe", "eBay USA",
                                           "{00000000-0000-0000-0000-000000000001}");
        document.EnsureSellerFolders();
        CFolderTree& tree = document.EditFolders();
        sampleStatus = tree.FindFolder("Sample - Rename this", folder::ByStatus, 0, folder::Sample);
    }

    CAucDoc document;
    CFeeSchedule fees;
    FakeServices services;
    ScriptedModalRunner& runner = services.modals;
    FolderCommands commands{document, fees, services.Services(), nullptr};
    std::int32_t sampleStatus = 0;
};

TEST_F(FolderCommandsTest, TheColumnsDialogMovesColumnsAndHandsBackTheSet) {
    CColumnsDlg dialog({"Paid", "Paid items", "#AB", false}, fees);  // 500, 501
    EXPECT_EQ(Rows(*dialog.ShownList()), (QStringList{"Auction ID", "Description"}));
    EXPECT_EQ(dialog.AvailableList()->count(), 47);
    EXPECT_EQ(dialog.AvailableList()->currentRow(), 0);
    // The first available column goes before the selected shown one.
    const QString first = dialog.AvailableList()->item(0)->text();
    dialog.ShownList()->setCurrentRow(1);
    dialog.OnAdd();
    EXPECT_EQ(Rows(*dialog.ShownList()), (QStringList{"Auction ID", first, "Description"}));
    EXPECT_EQ(dialog.ShownList()->currentRow(), 1);
    EXPECT_EQ(dialog.AvailableList()->currentRow(), 0);
    dialog.OnMove(+1);
    EXPECT_EQ(Rows(*dialog.ShownList()), (QStringList{"Auction ID", "Description", first}));
    EXPECT_EQ(dialog.ShownList()->currentRow(), 2);
    dialog.ShownList()->setCurrentRow(0);
    dialog.OnRemove();
    EXPECT_EQ(dialog.AvailableList()->currentItem()->text(), "Auction ID");
    EXPECT_EQ(dialog.ShownList()->currentRow(), 0);
    dialog.NameEdit()->setText("Shipped");
    const auto values = dialog.Values();
    EXPECT_EQ(values.name, "Shipped");
    EXPECT_EQ(values.description, "Paid items");
    EXPECT_EQ(values.columnSet.size(), 3u);
    EXPECT_EQ(values.columnSet[1], 'B');
}

TEST_F(FolderCommandsTest, AFixedFoldersTextsCannotBeEdited) {
    const CColumnsDlg dialog({"Search Results", "", "-ABCDEFGHIJKL", true}, fees);
    EXPECT_FALSE(dialog.NameEdit()->isEnabled());
    EXPECT_FALSE(dialog.DescriptionEdit()->isEnabled());
    EXPECT_EQ(dialog.ShownList()->count(), 12);
}

TEST_F(FolderCommandsTest, EditStoresWhatTheFolderDialogGives) {
    runner.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& columns = dynamic_cast<CColumnsDlg&>(dialog);
        columns.NameEdit()->setText("Paid");
        columns.ShownList()->setCurrentRow(0);
        columns.OnRemove();
    }));
    const auto outcome = commands.Edit(sampleStatus);
    EXPECT_TRUE(outcome.accepted);
    EXPECT_TRUE(outcome.refresh);
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(sampleStatus));
    EXPECT_EQ(tree.GetCurName(), "Paid");
    EXPECT_EQ(tree.GetCurColumnsOrURL(), ",BCDEFGHIJKL");
    EXPECT_EQ(runner.StepsLeft(), 0u);
}

TEST_F(FolderCommandsTest, EditRunsTheReportSheetOnAReportAndCancelStoresNothing) {
    const std::int32_t report = document.EditFolders().FindFolder(
        "Sample - Rename this", folder::Reports, 0, folder::Sample);
    runner.Then(ScriptedModalRunner::Reject());
    const auto outcome = commands.Edit(report);
    EXPECT_EQ(outcome.editor, FolderEditor::ReportSheet);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_FALSE(outcome.refresh);
    ASSERT_EQ(runner.Ran().size(), 1u);
    EXPECT_EQ(runner.Ran()[0].title, "Edit Report Criteria");
}

TEST_F(FolderCommandsTest, DeleteAsksAndSelectsTheParent) {
    ASSERT_TRUE(document.SelectFolder(sampleStatus));
    services.messages.answers = {gb::app::MessageResult::No, gb::app::MessageResult::Yes};
    EXPECT_FALSE(commands.Delete(sampleStatus));
    EXPECT_TRUE(commands.Delete(sampleStatus));
    ASSERT_EQ(services.messages.shown.size(), 2u);
    EXPECT_EQ(services.messages.shown[1],
              "Do you want to delete status 'Sample - Rename this'? Any items that currently "
              "have this status will be moved to the 'Needs Attention' folder.");
    EXPECT_EQ(document.GetSelectedFolderId(), folder::ByStatus);
    EXPECT_FALSE(document.EditFolders().FolderName(sampleStatus));
}

TEST_F(FolderCommandsTest, FixedFoldersAreNeitherDeletedNorRenamed) {
    EXPECT_FALSE(commands.Delete(folder::SearchResults));
    EXPECT_FALSE(commands.CanRename(folder::SearchResults));
    EXPECT_TRUE(commands.CanRename(sampleStatus));
    EXPECT_EQ(commands.EndLabelEdit(folder::SearchResults, "Found"), "Search Results");
    EXPECT_TRUE(runner.Ran().empty());
    EXPECT_TRUE(services.messages.shown.empty());
}

TEST_F(FolderCommandsTest, ALabelEditFollowsTheNameRule) {
    EXPECT_EQ(commands.EndLabelEdit(sampleStatus, ""), "Sample - Rename this");
    EXPECT_EQ(commands.EndLabelEdit(sampleStatus, std::nullopt), "Sample - Rename this");
    EXPECT_EQ(commands.EndLabelEdit(sampleStatus, std::string(70, 'x')), std::string(59, 'x'));
    EXPECT_FALSE(commands.EndLabelEdit(999, "x"));
}

TEST_F(FolderCommandsTest, NewStatusFolderListsEndedItemsWithItsStatus) {
    const auto added = commands.New(sampleStatus);
    ASSERT_TRUE(added);
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(added->id));
    EXPECT_EQ(tree.GetCurFilter()->GetStateMask(), CItemFilter::EndedBit);
    EXPECT_TRUE(tree.GetCurFilter()->HasStatus(added->id));
    EXPECT_FALSE(commands.AddFolder(sampleStatus));
}

}  // namespace
