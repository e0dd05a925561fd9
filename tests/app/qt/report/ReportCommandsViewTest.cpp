// The item list's report commands in the real window: the template chooser
// picks the current template, Copy and the template slots put the selected
// rows on the clipboard as HTML with a plain-text alternative, Mail To opens
// the buyer's mail and Report writes the page and opens it in the desktop's
// web browser, the list staying as it was.

#include <QtCore/QMimeData>
#include <QtGui/QClipboard>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTreeWidget>

#include <string>
#include <tuple>

#include "FrameFixture.h"
#include "app/core/AppSettings.h"
#include "app/core/CommandIds.h"
#include "app/dialogs/report/CTemplateDlg.h"
#include "itemdb/FolderKind.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/FileIo.h"
#include "ui_CTemplateDlg.h"

using namespace gb::itemdb;
using gb::app::ui::CTemplateDlg;
using gb::widgets::ScriptedModalRunner;
namespace cmd = gb::app::cmd;

namespace {

// Writes a library of e-mail and report templates into `folder`.
void WriteLibrary(const std::filesystem::path& path,
                  std::initializer_list<std::pair<const char*, std::int32_t>> templates) {
    CTemplateLibrary library;
    library.SetPath(path);
    for (const auto& [name, kind] : templates) {
        CTDocText text;
        text.SetName(name);
        text.SetDescription(std::string("About ") + name);
        text.SetKind(kind);
        text.SetSubject("Your lot [Auction_ID]");
        text.SetHeader("<HTML><BODY><H2>" + std::string(name) + "</H2></BODY></HTML>");
        text.SetRepeat("<P>[Auction_ID] to [Buyer_ID]</P>");
        text.SetFooter("<P>Total [Max_Bid]</P>");
        library.AddTemplate(text);
    }
    ASSERT_TRUE(library.SaveFile());
}

// Library order: Invoice (mail), Monthly sales (report), Thanks (mail).
void WriteShippedLibrary(const std::filesystem::path& folder) {
    WriteLibrary(folder / "VizEvav.cta", {{"Invoice", CTDocText::Email},
                                          {"Monthly sales", CTDocText::Report},
                                          {"Thanks", CTDocText::Email}});
}

QStringList Names(const QTreeWidget& list) {
    QStringList names;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        names << list.topLevelItem(row)->text(0);
    }
    return names;
}

TEST(TemplateDialog, ListsTheTemplatesOfTheTabAndTheLibraryChosen) {
    gb::test::TempFolder folder;
    WriteShippedLibrary(folder.Path());
    WriteLibrary(folder / "Other.cta", {{"Packing slip", CTDocText::Email}});
    int helpShown = 0;
    CTemplateDlg dialog(folder.Path(), "VizEvav.cta", 2, CTemplateDlg::MailMode,
                        [&helpShown] { ++helpShown; });
    auto& form = dialog.Form();
    EXPECT_EQ(dialog.windowTitle(), "Copy to Clipboard");
    EXPECT_EQ(form.library->currentText(), "VizEvav.cta");
    EXPECT_EQ(form.library->count(), 2);
    EXPECT_EQ(Names(*form.templates), (QStringList{"Invoice", "Thanks"}));
    EXPECT_EQ(form.templates->currentItem()->text(0), "Thanks");
    EXPECT_EQ(form.templates->currentItem()->text(1), "About Thanks");

    form.tabs->setCurrentIndex(CTemplateDlg::ReportMode);
    EXPECT_EQ(Names(*form.templates), (QStringList{"Monthly sales"}));
    form.library->setCurrentText("Other.cta");
    EXPECT_TRUE(Names(*form.templates).isEmpty());
    form.help->click();
    EXPECT_EQ(helpShown, 1);
    // Without a template Select chooses nothing.
    form.select->click();
    EXPECT_FALSE(dialog.Chosen());

    form.tabs->setCurrentIndex(CTemplateDlg::MailMode);
    form.templates->setCurrentItem(form.templates->topLevelItem(0));
    form.select->click();
    ASSERT_TRUE(dialog.Chosen());
    EXPECT_EQ(dialog.Chosen()->libraryName, "Other.cta");
    EXPECT_EQ(dialog.Chosen()->index, 0);
}

class ReportCommandsViewTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteShippedLibrary(folder.Path());
        app.LoadSettings();
        const std::int32_t seller = test_profile::Prepare(document);
        for (const auto& [id, buyer, email] :
             {std::tuple{"2001", "ann", "ann@example.com"}, std::tuple{"2002", "bob", ""},
              std::tuple{"2003", "ANN", "ann@example.com"}}) {
            CAucItem item;
            item.SetSite("eBay USA");
            item.SetSellerId(test_profile::kSeller);
            item.SetFolderId(seller);
            item.SetAuctionId(id);
            item.SetBuyerId(buyer);
            item.SetEmail(email);
            item.SetMaxBid("10.00");
            document.GetItemList().AddItem(item, folder::AuctionEnded);
        }
        OpenWindow();
        itemFolder = test_profile::AllItemsFolder(document, seller, folder::AuctionEnded);
        Open(itemFolder);
        ASSERT_NE(List(), nullptr);
        ASSERT_EQ(List()->Model().rowCount(), 3);
    }

    std::int32_t itemFolder = 0;

    // Selects the rows showing these auction IDs.
    void Select(std::initializer_list<const char*> ids) {
        List()->clearSelection();
        for (int row = 0; row < List()->Model().rowCount(); ++row) {
            const QString id = List()->Model().CellText(row, 1);
            for (const char* wanted : ids) {
                if (id == wanted) {
                    List()->selectionModel()->select(
                        List()->Model().index(row, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
                }
            }
        }
        Settle();
    }

    // Scripts the template chooser to pick the template named `name`.
    void ChooseTemplate(const QString& name) {
        services.modals.Then(ScriptedModalRunner::Accept([name](QDialog& dialog) {
            auto& form = static_cast<CTemplateDlg&>(dialog).Form();
            const auto found = form.templates->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            form.templates->setCurrentItem(found.front());
            static_cast<CTemplateDlg&>(dialog).OnSelect();
        }));
    }

    static const QMimeData& Clipboard() { return *QGuiApplication::clipboard()->mimeData(); }
    std::string ReportPage() const { return gb::ReadWholeFile(folder / "AucRpt.htm").value_or(""); }
};

TEST_F(ReportCommandsViewTest, CopyPutsTheSelectedRowsOnTheClipboardAsHtmlAndText) {
    EXPECT_FALSE(frame->QueryCommand(cmd::EditCopy).enabled);
    Select({"2001", "2003"});
    ASSERT_TRUE(frame->QueryCommand(cmd::EditCopy).enabled);
    QGuiApplication::clipboard()->clear();

    ASSERT_TRUE(frame->ExecuteCommand(cmd::EditCopy));

    EXPECT_TRUE(Clipboard().hasHtml());
    EXPECT_TRUE(Clipboard().html().contains("<P>2001 to ann</P>"));
    EXPECT_FALSE(Clipboard().html().contains("2002"));
    EXPECT_TRUE(Clipboard().text().contains("2003 to ANN"));
    EXPECT_TRUE(Clipboard().text().contains("Total $20.00"));
    EXPECT_TRUE(services.messages.shown.empty());
}

TEST_F(ReportCommandsViewTest, MoreAndTheSlotsMakeTheChosenTemplateCurrent) {
    Select({"2002"});
    ChooseTemplate("Thanks");
    ASSERT_TRUE(frame->ExecuteCommand(cmd::MoreTemplates));
    EXPECT_EQ(app.GetCurrentTemplateIndex(), 2);
    const std::string key = gb::app::SectionKey(gb::app::section::TemplateSettings);
    EXPECT_EQ(user.GetNumber(key, gb::app::value::Template, 0), 2u);
    EXPECT_EQ(user.GetString(key, gb::app::value::Library, ""), "VizEvav.cta");
    EXPECT_TRUE(Clipboard().html().contains("<H2>Thanks</H2>"));

    // Slot 1 is the first e-mail template; there is no third.
    EXPECT_FALSE(frame->QueryCommand(cmd::PasteTemplate1 + 2).enabled);
    ASSERT_TRUE(frame->ExecuteCommand(cmd::PasteTemplate1));
    EXPECT_EQ(app.GetCurrentTemplateIndex(), 0);
    EXPECT_TRUE(Clipboard().html().contains("<H2>Invoice</H2>"));
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
}

TEST_F(ReportCommandsViewTest, MailToOpensTheBuyersMailOrSaysThereIsNoAddress) {
    Select({"2002"});
    ASSERT_TRUE(frame->ExecuteCommand(cmd::MailTo));
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0],
              "Cannot send mail - item does not have a valid email address");
    EXPECT_TRUE(services.shell.links.empty());

    Select({"2001"});
    // The one-time hint about pasting the body.
    services.modals.Then(ScriptedModalRunner::Accept());
    ASSERT_TRUE(frame->ExecuteCommand(cmd::MailTo));
    ASSERT_EQ(services.shell.links.size(), 1u);
    EXPECT_EQ(services.shell.links[0], "mailto:ann@example.com?subject=Your%20lot%202001");
    EXPECT_EQ(services.messages.shown.size(), 1u);

    // Without a mail program the user is told, naming the buyer's address.
    services.shell.succeeds = false;
    services.modals.Then(ScriptedModalRunner::Accept());
    ASSERT_TRUE(frame->ExecuteCommand(cmd::MailTo));
    ASSERT_EQ(services.messages.shown.size(), 2u);
    EXPECT_EQ(services.messages.shown[1].rfind(
                  "No mail program could be started to write to ann@example.com: ", 0),
              0u)
        << services.messages.shown[1];
}

TEST_F(ReportCommandsViewTest, ReportOpensThePageInTheDesktopsBrowserAndTheListStays) {
    Select({"2002"});
    ChooseTemplate("Monthly sales");
    // "Should the report include all the items in the folder?" No.
    services.messages.answers.push_back(gb::app::MessageResult::No);
    ASSERT_TRUE(frame->ExecuteCommand(cmd::Report));
    EXPECT_EQ(app.GetCurrentTemplateIndex(), 1);
    ASSERT_EQ(services.shell.links,
              std::vector<std::string>{"file://" + (folder / "AucRpt.htm").string()});
    // The item list stays on the right with its selection.
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(frame->GetRightView()->Kind(), gb::app::ViewKind::Items);
    EXPECT_EQ(List()->SelectedCount(), 1u);
    EXPECT_NE(ReportPage().find("2002 to bob"), std::string::npos);
    EXPECT_EQ(ReportPage().find("2001"), std::string::npos);
    // The page names buyers: the user's alone.
    EXPECT_EQ(
        std::filesystem::status(folder / "AucRpt.htm").permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // Yes takes the whole folder.
    ChooseTemplate("Monthly sales");
    services.messages.answers.push_back(gb::app::MessageResult::Yes);
    ASSERT_TRUE(frame->ExecuteCommand(cmd::Report));
    EXPECT_NE(ReportPage().find("2001 to ann"), std::string::npos);
    EXPECT_NE(ReportPage().find("Total $30.00"), std::string::npos);
}

TEST_F(ReportCommandsViewTest, ADesktopWithoutABrowserIsToldWhichReportItCouldNotOpen) {
    services.shell.succeeds = false;
    ChooseTemplate("Monthly sales");
    ASSERT_TRUE(frame->ExecuteCommand(cmd::Report));
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_NE(services.messages.shown[0].find((folder / "AucRpt.htm").string()), std::string::npos)
        << services.messages.shown[0];
    EXPECT_EQ(List()->Model().rowCount(), 3);
}

TEST_F(ReportCommandsViewTest, AnUnwritableReportPageStopsOnlyTheReport) {
    // A folder where the page should go.
    std::filesystem::create_directory(folder / "AucRpt.htm");
    Select({"2001"});
    QGuiApplication::clipboard()->clear();

    ASSERT_TRUE(frame->ExecuteCommand(cmd::EditCopy));
    EXPECT_TRUE(Clipboard().html().contains("<P>2001 to ann</P>"));
    services.modals.Then(ScriptedModalRunner::Accept());  // the paste hint
    ASSERT_TRUE(frame->ExecuteCommand(cmd::MailTo));
    EXPECT_EQ(services.shell.links,
              std::vector<std::string>{"mailto:ann@example.com?subject=Your%20lot%202001"});
    EXPECT_TRUE(services.messages.shown.empty());

    ChooseTemplate("Monthly sales");
    services.messages.answers.push_back(gb::app::MessageResult::No);
    ASSERT_TRUE(frame->ExecuteCommand(cmd::Report));
    ASSERT_EQ(services.messages.shown.size(), 2u);
    EXPECT_NE(services.messages.shown[1].find("AucRpt.htm"), std::string::npos)
        << services.messages.shown[1];
    EXPECT_EQ(services.shell.links.size(), 1u);
}

}  // namespace
