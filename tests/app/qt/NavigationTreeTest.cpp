// The folder tree mirrors the profile's folders with their images, opens
// folders, keeps its label rules and carries the folder commands.

#include <QtGui/QCursor>
#include <QtGui/QGuiApplication>
#include <QtTest/QTest>
#include <QtWidgets/QMenu>

#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include "FrameFixture.h"
#include "SiteObjects.h"
#include "app/core/CommandIds.h"
#include "app/core/FolderImages.h"
#include "app/dialogs/profile/CSellerIdDlg.h"
#include "app/ui/profile/CProView.h"
#include "itemdb/FolderKind.h"
#include "widgets/ScriptedModalRunner.h"

using namespace gb::itemdb;

namespace {

class NavigationTreeTest : public FrameFixture {
protected:
    void SetUp() override {
        sellerFolder = test_profile::Prepare(document);
        test_profile::AddItems(document, sellerFolder, folder::InProgress, 5);
        OpenWindow();
    }
    std::int32_t IdOf(const QTreeWidgetItem* item) {
        return item->data(0, gb::app::ui::CNavView::kIdRole).toInt();
    }
    std::int32_t SampleStatus() {
        return test_profile::FindChild(document.EditFolders(), folder::ByStatus, folder::Sample);
    }
    QAction* MenuAction(QMenu& menu, int command) {
        for (QAction* action : menu.actions()) {
            if (action->data().toInt() == command) {
                return action;
            }
        }
        return nullptr;
    }

    std::int32_t sellerFolder = 0;
};

TEST_F(NavigationTreeTest, MirrorsEveryFolderWithItsParentNameAndImage) {
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(folder::Root));
    int folders = 0;
    do {
        ++folders;
        const QTreeWidgetItem* item = Tree().FindTreeItem(tree.GetCurId());
        ASSERT_NE(item, nullptr) << tree.GetCurId();
        EXPECT_EQ(item->text(0).toStdString(), tree.GetCurName());
        if (tree.GetCurId() == folder::Root) {
            EXPECT_EQ(item->parent(), nullptr);
            EXPECT_EQ(item->data(0, gb::app::ui::CNavView::kImageRole).toInt(),
                      gb::app::folder_image::Root);
        } else {
            ASSERT_NE(item->parent(), nullptr);
            EXPECT_EQ(IdOf(item->parent()), tree.GetCurParent()) << tree.GetCurName();
            EXPECT_EQ(item->data(0, gb::app::ui::CNavView::kImageRole).toInt(),
                      gb::app::FolderImage(tree.GetCurType(), tree.IsCurHeading() != 0))
                << tree.GetCurName();
        }
    } while (tree.MoveNext());

    int items = 0;
    for (QTreeWidgetItemIterator it(&Tree()); *it != nullptr; ++it) {
        ++items;
    }
    EXPECT_EQ(items, folders);
    EXPECT_EQ(folders, 31);  // 20 default folders and 11 of the seller
}

TEST_F(NavigationTreeTest, TheTreeOrderFollowsTheChain) {
    const QTreeWidgetItem* root = Tree().FindTreeItem(folder::Root);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(IdOf(root->child(0)), sellerFolder);
    EXPECT_EQ(IdOf(root->child(1)), folder::ByStatus);
    EXPECT_EQ(IdOf(root->child(root->childCount() - 1)), folder::UserGuide);
}

TEST_F(NavigationTreeTest, OpeningAFolderSelectsItAndShowsItsOpenImage) {
    const std::int32_t allItems =
        test_profile::AllItemsFolder(document, sellerFolder, folder::InProgress);
    Open(allItems);
    EXPECT_EQ(document.GetSelectedFolderId(), allItems);
    EXPECT_EQ(Tree().CurrentNodeId(), allItems);
    EXPECT_EQ(IdOf(Tree().currentItem()), allItems);
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(List()->Model().rowCount(), 5);
}

TEST_F(NavigationTreeTest, AHeadingDoesNotOpen) {
    const std::int32_t before = document.GetSelectedFolderId();
    Open(folder::ByStatus);
    EXPECT_EQ(document.GetSelectedFolderId(), before);
}

TEST_F(NavigationTreeTest, TheRootShowsTheUserProfile) {
    EXPECT_TRUE(Tree().SelectNode(folder::Root));
    Settle();
    ASSERT_NE(frame->GetRightView(), nullptr);
    EXPECT_EQ(frame->GetRightView()->Kind(), gb::app::ViewKind::Profile);
}

TEST_F(NavigationTreeTest, AWebSiteFolderShowsAPage) {
    const std::int32_t site =
        test_profile::FindChild(document.EditFolders(), folder::WebSites, folder::Sample);
    Open(site);
    EXPECT_EQ(frame->GetRightView()->Kind(), gb::app::ViewKind::Web);
    EXPECT_TRUE(frame->IsBandShown(gb::app::Band::Address));
}

TEST_F(NavigationTreeTest, ARebuildReopensTheFolderTheDocumentSelected) {
    const std::int32_t ended =
        test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded);
    Open(ended);
    document.UpdateAllViews(nullptr, DocumentEvent::kHintNew);
    Settle();
    EXPECT_EQ(document.GetSelectedFolderId(), ended);
    EXPECT_EQ(Tree().CurrentNodeId(), ended);
    EXPECT_EQ(frame->GetRightView()->Kind(), gb::app::ViewKind::Items);
}

TEST_F(NavigationTreeTest, TheContextMenuGreysWhatTheFolderRefuses) {
    std::unique_ptr<QMenu> rootMenu(Tree().ContextMenuFor(Tree().FindTreeItem(folder::Root)));
    for (int command : {gb::app::cmd::FolderNew, gb::app::cmd::FolderAdd, gb::app::cmd::FolderEdit,
                        gb::app::cmd::FolderDelete, gb::app::cmd::FolderRename}) {
        ASSERT_NE(MenuAction(*rootMenu, command), nullptr);
        EXPECT_FALSE(MenuAction(*rootMenu, command)->isEnabled()) << command;
    }
    std::unique_ptr<QMenu> statusMenu(Tree().ContextMenuFor(Tree().FindTreeItem(SampleStatus())));
    EXPECT_TRUE(MenuAction(*statusMenu, gb::app::cmd::FolderNew)->isEnabled());
    EXPECT_FALSE(MenuAction(*statusMenu, gb::app::cmd::FolderAdd)->isEnabled());
    EXPECT_TRUE(MenuAction(*statusMenu, gb::app::cmd::FolderDelete)->isEnabled());
    EXPECT_TRUE(MenuAction(*statusMenu, gb::app::cmd::FolderRename)->isEnabled());
}

TEST_F(NavigationTreeTest, EditRenamesAFolderThroughTheFolderDialogAndOpensIt) {
    const std::int32_t sample = SampleStatus();
    Tree().SetCurrentNodeId(sample);
    services.modals.Then(gb::widgets::ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>("name");
        ASSERT_NE(name, nullptr);
        name->setText("Paid by check");
    }));

    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::FolderEdit));
    Settle();

    EXPECT_EQ(services.modals.StepsLeft(), 0u);
    EXPECT_EQ(Tree().FindTreeItem(sample)->text(0), "Paid by check");
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(sample));
    EXPECT_EQ(tree.GetCurName(), "Paid by check");
    EXPECT_EQ(document.GetSelectedFolderId(), sample);
}

TEST_F(NavigationTreeTest, NewAddsAStatusBesideTheCurrentOne) {
    const std::int32_t sample = SampleStatus();
    Tree().SetCurrentNodeId(sample);
    Tree().OnNew();

    QTreeWidgetItem* byStatus = Tree().FindTreeItem(folder::ByStatus);
    ASSERT_EQ(byStatus->childCount(), 2);
    const std::int32_t added = IdOf(byStatus->child(1));
    EXPECT_GT(added, sample);
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(added));
    EXPECT_EQ(tree.GetCurType(), folder::ByStatus);
    EXPECT_EQ(tree.GetCurName(), "Sample - Rename this");
    ASSERT_NE(tree.GetCurFilter(), nullptr);
    EXPECT_EQ(tree.GetCurFilter()->GetStateMask(), 2);
    EXPECT_TRUE(tree.GetCurFilter()->HasStatus(added));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(NavigationTreeTest, AddFolderMakesAGroupAmongCategories) {
    const std::int32_t category =
        test_profile::FindChild(document.EditFolders(), folder::ByCategory, folder::Sample);
    Tree().SetCurrentNodeId(category);
    Tree().OnAddFolder();
    QTreeWidgetItem* byCategory = Tree().FindTreeItem(folder::ByCategory);
    ASSERT_EQ(byCategory->childCount(), 2);
    EXPECT_EQ(byCategory->child(1)->text(0), "New Folder");
    EXPECT_EQ(byCategory->child(1)->data(0, gb::app::ui::CNavView::kImageRole).toInt(),
              gb::app::folder_image::Heading);
}

TEST_F(NavigationTreeTest, DeletingAStatusAsksFirst) {
    const std::int32_t sample = SampleStatus();
    Tree().SetCurrentNodeId(sample);
    services.messages.answers = {gb::app::MessageResult::No};
    Tree().OnDelete();
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0],
              "Do you want to delete status 'Sample - Rename this'? Any items that currently have "
              "this status will be moved to the 'Needs Attention' folder.");
    EXPECT_NE(Tree().FindTreeItem(sample), nullptr);

    services.messages.answers = {gb::app::MessageResult::Yes};
    Tree().OnDelete();
    EXPECT_EQ(Tree().FindTreeItem(sample), nullptr);
    EXPECT_FALSE(document.EditFolders().FindNode(sample));
}

// Records the cursor the program shows while the document tells its views
// of a change.
class CursorWatch final : public DocumentListener {
public:
    void OnDocumentEvent(const DocumentEvent& event) override {
        if (!event.hint) {
            return;
        }
        const QCursor* cursor = QGuiApplication::overrideCursor();
        shapes.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
    }

    std::vector<Qt::CursorShape> shapes;
};

TEST_F(NavigationTreeTest, DeletingAFolderWithItsItemsShowsTheWaitCursorUntilDone) {
    for (const std::int32_t id : {SampleStatus(), sellerFolder}) {
        CursorWatch watch;
        document.GetEvents().Add(&watch);
        Tree().SetCurrentNodeId(id);
        services.messages.answers = {gb::app::MessageResult::Yes};
        Tree().OnDelete();
        document.GetEvents().Remove(&watch);
        EXPECT_FALSE(document.EditFolders().FindNode(id));
        ASSERT_FALSE(watch.shapes.empty());
        for (const Qt::CursorShape shape : watch.shapes) {
            EXPECT_EQ(shape, Qt::WaitCursor);
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(NavigationTreeTest, DeletingTheOpenFolderOpensAnotherOne) {
    const std::int32_t site =
        test_profile::FindChild(document.EditFolders(), folder::WebSites, folder::Sample);
    Open(site);
    Tree().SetCurrentNodeId(site);
    Tree().OnDelete();  // a web site goes without a question
    Settle();
    EXPECT_TRUE(services.messages.shown.empty());
    EXPECT_NE(document.GetSelectedFolderId(), site);
    EXPECT_TRUE(document.EditFolders().FindNode(document.GetSelectedFolderId()));
}

TEST_F(NavigationTreeTest, FixedFoldersKeepTheirNames) {
    QTreeWidgetItem* byStatus = Tree().FindTreeItem(folder::ByStatus);
    EXPECT_FALSE(byStatus->flags() & Qt::ItemIsEditable);
    byStatus->setText(0, QStringLiteral("Renamed"));
    EXPECT_EQ(byStatus->text(0), "By Status");

    QTreeWidgetItem* sample = Tree().FindTreeItem(SampleStatus());
    EXPECT_TRUE(sample->flags() & Qt::ItemIsEditable);
    sample->setText(0, QStringLiteral("Paid"));
    CFolderTree& tree = document.EditFolders();
    ASSERT_TRUE(tree.FindNode(SampleStatus()));
    EXPECT_EQ(tree.GetCurName(), "Paid");

    sample->setText(0, QString());
    EXPECT_EQ(sample->text(0), "Paid");
}

// Keyboard users open folders with Enter, as a double click does.
TEST_F(NavigationTreeTest, EnterOpensTheCurrentFolder) {
    const std::int32_t ended =
        test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded);
    Tree().expandAll();
    Tree().setCurrentItem(Tree().FindTreeItem(ended));
    Tree().setFocus();
    QTest::keyClick(&Tree(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(document.GetSelectedFolderId(), ended);
    EXPECT_EQ(frame->GetRightView()->Kind(), gb::app::ViewKind::Items);
}

TEST_F(NavigationTreeTest, TheContextMenuBelongsToTheFoldersIconAndLabel) {
    QTreeWidgetItem* item = Tree().FindTreeItem(sellerFolder);
    ASSERT_NE(item, nullptr);
    Tree().resize(400, 400);
    const QRect row = Tree().visualItemRect(item);
    EXPECT_EQ(Tree().LabelAt(row.topLeft() + QPoint(4, row.height() / 2)), item);
    EXPECT_EQ(Tree().LabelAt(QPoint(Tree().viewport()->width() - 4, row.center().y())), nullptr);

    // A right click on the blank part of another folder's row moves neither
    // the highlight nor the folder the commands act on.
    QTreeWidgetItem* current = Tree().currentItem();
    ASSERT_NE(current, item);
    const std::int32_t currentNode = Tree().CurrentNodeId();
    QTest::mouseClick(Tree().viewport(), Qt::RightButton, Qt::NoModifier,
                      QPoint(Tree().viewport()->width() - 4, row.center().y()));
    EXPECT_EQ(Tree().currentItem(), current);
    EXPECT_EQ(Tree().CurrentNodeId(), currentNode);
}

// A seller added in the profile view gets his folders in the tree at once;
// the branches the user had open stay open, and new folders appear closed.
TEST_F(NavigationTreeTest, FoldersMadeForTheProfileShowAtOnceKeepingOpenBranches) {
    QTreeWidgetItem* seller = Tree().FindTreeItem(sellerFolder);
    seller->setExpanded(true);
    Tree().FindTreeItem(folder::ByCategory)->setExpanded(false);
    document.GetSellerList().AddSeller("second_seller", "eBay UK", "{UK}");
    document.EnsureSellerFolders();
    Settle();

    document.GetSellerList().SetCurrent(1);
    QTreeWidgetItem* added = Tree().FindTreeItem(document.GetSellerList().GetFolderId());
    ASSERT_NE(added, nullptr);
    EXPECT_FALSE(added->isExpanded());
    EXPECT_TRUE(Tree().FindTreeItem(sellerFolder)->isExpanded());
    EXPECT_FALSE(Tree().FindTreeItem(folder::ByCategory)->isExpanded());
}

// A profile just made has no folders until its name and first seller are
// stored; the tree then shows the folders and marks the one the list opens.
TEST_F(NavigationTreeTest, ANewProfileShowsItsFoldersOnceItsFirstSellerIsStored) {
    ASSERT_TRUE(document.OnNewDocument());
    Settle();
    ASSERT_EQ(Tree().topLevelItem(0)->childCount(), 0);
    document.SetProfileName("Fresh");
    document.GetSellerList().AddSeller("first_seller", "eBay USA", "{USA}");
    document.EnsureSellerFolders();
    Settle();
    EXPECT_GT(Tree().topLevelItem(0)->childCount(), 5);
    EXPECT_GT(document.GetSelectedFolderId(), folder::Root);
    EXPECT_EQ(Tree().CurrentNodeId(), document.GetSelectedFolderId());
}

// What the profile view stores reaches the tree by the document's word alone:
// a seller added and the profile renamed there show once Close is pressed.
TEST_F(NavigationTreeTest, ASellerAndANameStoredInTheProfileViewShowOnClose) {
    gb::test::RegisterSiteObjects();
    frame->ShowUserProfile();
    Settle();
    auto* form = dynamic_cast<gb::app::ui::CProView*>(frame->GetRightView());
    ASSERT_NE(form, nullptr);
    form->ProfileNameEdit()->setText("Renamed Shop");
    services.modals.Then(gb::widgets::ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& seller = dynamic_cast<gb::app::ui::CSellerIdDlg&>(dialog);
        seller.SiteBox()->setCurrentIndex(seller.SiteBox()->findText("eBay UK"));
        seller.SellerIdEdit()->setText("second_seller");
        seller.PasswordEdit()->setText("pw");
    }));
    form->AddButton()->click();
    form->CloseButton()->click();
    Settle();
    ASSERT_EQ(services.modals.StepsLeft(), 0u);
    ASSERT_NE(frame->GetRightView()->Kind(), gb::app::ViewKind::Profile);

    EXPECT_EQ(Tree().topLevelItem(0)->text(0), "Renamed Shop");
    gb::itemdb::CSellerList& sellers = document.GetSellerList();
    ASSERT_EQ(sellers.GetCount(), 2);
    sellers.SetCurrent(1);
    const QTreeWidgetItem* added = Tree().FindTreeItem(sellers.GetFolderId());
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->parent(), Tree().topLevelItem(0));
    EXPECT_GT(added->childCount(), 0);
}

TEST_F(NavigationTreeTest, TheTreeStartsWideEnoughForTheFolderNames) {
    frame->resize(1024, 768);
    frame->ShowMainView();
    Settle();
    EXPECT_GE(Tree().width(), Tree().LabelsWidth());
}

}  // namespace
