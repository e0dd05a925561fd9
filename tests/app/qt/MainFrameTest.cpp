// The main window's bars, busy animation, progress messages, placement,
// dropped files, command enabling and view switching.

#include <QtCore/QMimeData>
#include <QtGui/QDragEnterEvent>
#include <QtGui/QDropEvent>
#include <QtTest/QTest>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QToolBar>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>
#include <vector>

#include "FrameFixture.h"
#include "app/core/AppSettings.h"
#include "app/core/CommandIds.h"
#include "app/core/web/Favorites.h"
#include "app/ui/CommandActions.h"
#include "itemdb/FolderKind.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/Settings.h"
#include "platform/WindowRegistry.h"
#include "widgets/CHistoryCombo.h"

using namespace gb::itemdb;

namespace {

class MainFrameTest : public FrameFixture {
protected:
    void SetUp() override {
        sellerFolder = test_profile::Prepare(document);
        test_profile::AddItems(document, sellerFolder, folder::AuctionEnded, 4);
        OpenWindow();
        Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
    }

    std::int32_t sellerFolder = 0;
};

TEST_F(MainFrameTest, ItemFoldersShowTheItemButtonsAndBands) {
    frame->EnableToolbar(folder::Auctions);
    EXPECT_TRUE(frame->IsButtonShown(gb::app::cmd::EditItems));
    EXPECT_TRUE(frame->IsButtonShown(gb::app::cmd::InstantSummary));
    EXPECT_FALSE(frame->IsButtonShown(gb::app::cmd::WebBack));
    EXPECT_FALSE(frame->IsButtonShown(gb::app::cmd::WebSearch));
    EXPECT_TRUE(frame->IsBandShown(gb::app::Band::Summary));
    EXPECT_TRUE(frame->IsBandShown(gb::app::Band::Caption));
    EXPECT_FALSE(frame->IsBandShown(gb::app::Band::Address));
    EXPECT_TRUE(frame->IsBandShown(gb::app::Band::Animation));
}

TEST_F(MainFrameTest, WebFoldersShowTheBrowserButtonsAndTheAddress) {
    frame->EnableToolbar(folder::UserGuide);
    EXPECT_FALSE(frame->IsButtonShown(gb::app::cmd::EditItems));
    EXPECT_TRUE(frame->IsButtonShown(gb::app::cmd::WebBack));
    EXPECT_TRUE(frame->IsButtonShown(gb::app::cmd::WebFonts));
    EXPECT_FALSE(frame->IsBandShown(gb::app::Band::Summary));
    EXPECT_TRUE(frame->IsBandShown(gb::app::Band::Address));
}

TEST_F(MainFrameTest, TheProfileHidesBothAndKeepsTheOtherButtons) {
    frame->EnableToolbar(folder::UserProfile);
    EXPECT_FALSE(frame->IsButtonShown(gb::app::cmd::EditItems));
    EXPECT_FALSE(frame->IsButtonShown(gb::app::cmd::WebBack));
    EXPECT_TRUE(frame->IsButtonShown(gb::app::cmd::FeeSchedule));
    EXPECT_TRUE(frame->IsButtonShown(gb::app::cmd::AppExit));
    EXPECT_FALSE(frame->IsBandShown(gb::app::Band::Animation));
}

TEST_F(MainFrameTest, EachFolderKindShowsItsOwnButtonsAndBands) {
    using gb::app::Band;
    namespace cmd = gb::app::cmd;
    const struct {
        int kind;
        std::vector<int> shown;
        std::vector<int> hidden;
        std::vector<Band> bands;
    } cases[] = {
        {folder::Auctions,
         {cmd::EditItems, cmd::EditCopy, cmd::MailTo, cmd::ItemSearch, cmd::ExportItems,
          cmd::ViewListing, cmd::InstantSummary},
         {cmd::WebBack, cmd::WebFavorites, cmd::WebFonts, cmd::WebSearch},
         {Band::Summary, Band::Caption, Band::Animation}},
        {folder::WebSites,
         {cmd::WebBack, cmd::WebNext, cmd::WebStop, cmd::WebRefresh, cmd::WebHome,
          cmd::WebFavorites, cmd::WebFonts, cmd::WebSearch},
         {cmd::EditItems, cmd::EditCopy, cmd::ViewListing, cmd::InstantSummary},
         {Band::Address, Band::Animation}},
        {folder::UserProfile,
         {cmd::FeeSchedule, cmd::UserProfile, cmd::UpdateDatabase, cmd::AppExit},
         {cmd::EditItems, cmd::EditCopy, cmd::WebBack, cmd::WebFonts},
         {}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(frame->EnableToolbar(c.kind));
        for (int id : c.shown) {
            EXPECT_TRUE(frame->IsButtonShown(id)) << c.kind << " " << id;
        }
        for (int id : c.hidden) {
            EXPECT_FALSE(frame->IsButtonShown(id)) << c.kind << " " << id;
        }
        for (Band band : {Band::Summary, Band::Caption, Band::Address, Band::Animation}) {
            const bool expected = std::find(c.bands.begin(), c.bands.end(), band) != c.bands.end();
            EXPECT_EQ(frame->IsBandShown(band), expected)
                << c.kind << " band " << static_cast<int>(band);
        }
    }
}

TEST_F(MainFrameTest, TheBusySharesDriveTheAnimationAndTheCommands) {
    EXPECT_FALSE(frame->IsAnimationPlaying());
    std::optional<gb::app::BusyToken> page(frame->Busy());
    gb::app::BusyToken run = frame->Busy();
    EXPECT_TRUE(frame->IsAnimationPlaying());
    EXPECT_TRUE(frame->QueryCommand(gb::app::cmd::UpdateDatabase).checked);
    EXPECT_FALSE(frame->QueryCommand(gb::app::cmd::UserProfile).enabled);

    page.reset();
    EXPECT_TRUE(frame->IsAnimationPlaying());
    run.Release();
    EXPECT_FALSE(frame->IsAnimationPlaying());
    EXPECT_TRUE(frame->QueryCommand(gb::app::cmd::UserProfile).enabled);
    EXPECT_FALSE(frame->QueryCommand(gb::app::cmd::UpdateDatabase).checked);
}

TEST_F(MainFrameTest, ProgressMessagesFromAnotherThreadCycleTheStatusText) {
    std::thread worker([handle = frame->Handle()] {
        for (int tick = 0; tick < 3; ++tick) {
            gb::PostMessage(handle, gb::WM_USER + 1, 1, 1);
        }
    });
    worker.join();
    Settle();
    EXPECT_EQ(frame->MessageText(), "Updating... Updating... Updating... ");
}

TEST_F(MainFrameTest, SixTicksFromAWorkerThreadShowOnTheWindowsThreadInTurn) {
    const QStringList expected = {
        "Updating... ",
        "Updating... Updating... ",
        "Updating... Updating... Updating... ",
        "Updating... Updating... Updating... Updating... ",
        "Updating... Updating... Updating... Updating... Updating... ",
        "Updating... ",
    };
    for (const QString& text : expected) {
        const QString before = frame->MessageText();
        std::thread worker(
            [handle = frame->Handle()] { gb::PostMessage(handle, gb::WM_USER + 1, 1, 7); });
        worker.join();
        // Queued for the window: nothing changed on the worker's thread.
        EXPECT_EQ(frame->MessageText(), before);
        Settle();
        EXPECT_EQ(frame->MessageText(), text);
    }
    // Another kind, or an end without a run, is no step of a run.
    for (const std::uintptr_t kind : {std::uintptr_t{0}, std::uintptr_t{9}}) {
        gb::PostMessage(frame->Handle(), gb::WM_USER + 1, kind, 7);
        Settle();
        EXPECT_EQ(frame->MessageText(), expected.back()) << kind;
        EXPECT_FALSE(frame->IsBusy()) << kind;
    }
}

TEST_F(MainFrameTest, TheTemplateMenuListsElevenTemplatesThenMore) {
    CTemplateLibrary library;
    for (int i = 0; i < 12; ++i) {
        CTDocText mail;
        // Two digits: the library keeps its templates in name order.
        mail.SetName((i < 9 ? "Mail 0" : "Mail ") + std::to_string(i + 1));
        mail.SetKind(CTDocText::Email);
        library.AddTemplate(mail);
    }
    // Written while the window is open, as the template editor does.
    library.SetPath(app.GetTemplateLibraryPath());
    ASSERT_TRUE(library.SaveFile());

    QMenu* menu = frame->DropDownMenu(gb::app::cmd::EditCopy);
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text();
    }
    ASSERT_EQ(texts.size(), 12) << texts.join('|').toStdString();
    EXPECT_EQ(texts.front(), "Mail 01");
    EXPECT_EQ(texts[10], "Mail 11");
    EXPECT_EQ(texts.back(), "More...");
    EXPECT_EQ(menu->defaultAction(), menu->actions().front());
}

TEST_F(MainFrameTest, TheNavigationMenuOffersTheListingFirst) {
    QMenu* menu = frame->DropDownMenu(gb::app::cmd::ViewListing);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->defaultAction(), menu->actions().front());
    EXPECT_EQ(menu->actions()[0]->text(), "View Item");
    QMenu* fonts = frame->DropDownMenu(gb::app::cmd::WebFonts);
    ASSERT_NE(fonts, nullptr);
    EXPECT_EQ(fonts->actions().size(), 5);
}

TEST_F(MainFrameTest, TheAddressBoxKeepsTenAddressesAcrossARestart) {
    const std::string section = std::string(gb::kApplicationKey) + "\\WebSites";
    for (int i = 1; i <= 12; ++i) {
        frame->SetAddress("http://site" + std::to_string(i) + ".example/", true);
    }
    frame->SetAddress("http://site5.example/", true);  // moves to the top
    ASSERT_TRUE(frame->close());
    frame.reset();
    Settle();

    OpenWindow();
    const gb::widgets::CHistoryCombo& box = *frame->AddressBox();
    ASSERT_EQ(box.count(), 10);
    EXPECT_EQ(box.itemText(0), "http://site5.example/");
    EXPECT_EQ(box.itemText(1), "http://site12.example/");
    EXPECT_EQ(box.itemText(9), "http://site3.example/");
    gb::Settings::CurrentUser().DeleteKey(section);
}

TEST_F(MainFrameTest, TheFavouritesMenuFollowsTheFavouritesFolder) {
    const std::string shellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    QMenu* none = frame->DropDownMenu(gb::app::cmd::WebFavorites);
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->actions().isEmpty());

    const std::filesystem::path favourites = folder / "Favourites";
    std::filesystem::create_directories(favourites / "Shops");
    std::ofstream(favourites / "zebra.url") << "[InternetShortcut]\nURL=http://zebra.example/\n";
    std::ofstream(favourites / "Apple.url") << "[InternetShortcut]\nURL=http://apple.example/\n";
    std::ofstream(favourites / "Shops" / "Market.url")
        << "[InternetShortcut]\nURL=http://market.example/\n";
    ASSERT_TRUE(user.SetString(shellFolders, "Favorites", favourites.string()));

    QMenu* menu = frame->DropDownMenu(gb::app::cmd::WebFavorites);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[0]->text(), "Shops");
    EXPECT_EQ(menu->actions()[1]->text(), "Apple");
    EXPECT_EQ(menu->actions()[2]->text(), "zebra");
    EXPECT_EQ(frame->FavoriteAddress(0), "http://apple.example/");
    EXPECT_EQ(frame->FavoriteAddress(2), "http://market.example/");
    EXPECT_FALSE(frame->FavoriteAddress(3));
}

TEST_F(MainFrameTest, CommandsWhoseWindowsComeLaterAreDisabled) {
    for (int command : {gb::app::cmd::FeeSchedule, gb::app::cmd::EditItems}) {
        EXPECT_FALSE(frame->QueryCommand(command).enabled) << command;
    }
    for (int command :
         {gb::app::cmd::NavigationTree, gb::app::cmd::UserProfile, gb::app::cmd::AppExit,
          gb::app::cmd::EditSelectAll, gb::app::cmd::ClipboardTemplates,
          gb::app::cmd::UpdateDatabase, gb::app::cmd::ExportItems, gb::app::cmd::HelpUserGuide,
          gb::app::cmd::ShowCalendar, gb::app::cmd::InstantSummary}) {
        EXPECT_TRUE(frame->QueryCommand(command).enabled) << command;
    }
}

TEST_F(MainFrameTest, ACommandTheActiveViewLacksReachesTheOtherViews) {
    Tree().setFocus();
    ASSERT_EQ(frame->ActiveView(), &Tree());
    EXPECT_TRUE(frame->QueryCommand(gb::app::cmd::EditSelectAll).enabled);
    EXPECT_TRUE(frame->ExecuteCommand(gb::app::cmd::EditSelectAll));
    EXPECT_EQ(List()->SelectedCount(), 4u);
}

TEST_F(MainFrameTest, TheTreeCanBeHiddenAndShownAgain) {
    EXPECT_TRUE(frame->QueryCommand(gb::app::cmd::NavigationTree).checked);
    frame->ExecuteCommand(gb::app::cmd::NavigationTree);
    Settle();
    EXPECT_EQ(frame->GetMainView(), nullptr);
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(List()->Model().rowCount(), 4);
    EXPECT_FALSE(frame->QueryCommand(gb::app::cmd::NavigationTree).checked);

    frame->ExecuteCommand(gb::app::cmd::NavigationTree);
    Settle();
    ASSERT_NE(frame->GetMainView(), nullptr);
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(List()->Model().rowCount(), 4);
}

TEST_F(MainFrameTest, UserProfileTogglesWithTheFolderOnDisplay) {
    frame->ExecuteCommand(gb::app::cmd::UserProfile);
    Settle();
    EXPECT_EQ(frame->GetRightView()->Kind(), gb::app::ViewKind::Profile);
    EXPECT_TRUE(frame->QueryCommand(gb::app::cmd::UserProfile).checked);
    frame->ExecuteCommand(gb::app::cmd::UserProfile);
    Settle();
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(List()->Model().rowCount(), 4);
}

TEST_F(MainFrameTest, AWiderWindowWidensTheRightHandViewAndNotTheTree) {
    for (const gb::app::ViewKind kind : {gb::app::ViewKind::Profile, gb::app::ViewKind::Items}) {
        frame->SwitchRightView(kind);
        Settle();
        const int tree = Tree().width();
        const int right = frame->GetRightView()->Widget()->width();
        frame->resize(frame->width() + 200, frame->height());
        Settle();
        EXPECT_EQ(Tree().width(), tree) << static_cast<int>(kind);
        EXPECT_EQ(frame->GetRightView()->Widget()->width(), right + 200) << static_cast<int>(kind);
    }
}

TEST_F(MainFrameTest, AButtonAndItsMenuEntryShareOneEnabledState) {
    const auto* toolBar = frame->findChild<QToolBar*>(QStringLiteral("MainToolBar"));
    ASSERT_NE(toolBar, nullptr);
    for (QWidget* focus : {static_cast<QWidget*>(&Tree()), List()->Widget()}) {
        focus->setFocus();
        Settle();
        for (QAction* button : toolBar->actions()) {
            const int id = button->data().toInt();
            if (id == 0 || !button->isVisible()) {
                continue;
            }
            EXPECT_EQ(button->isEnabled(), frame->Actions().Action(id)->isEnabled()) << id;
            EXPECT_EQ(button->isEnabled(), frame->QueryCommand(id).enabled) << id;
        }
    }
}

TEST_F(MainFrameTest, AMenuAboutToShowSetsTheStateOfTheCommandsButtonsToo) {
    struct Switchable final : public gb::app::CommandTarget {
        bool UpdateCommand(int id, gb::app::CommandUpdate& update) const override {
            if (id != gb::app::cmd::ItemSearch) {
                return false;
            }
            update.Enable(enabled);
            return true;
        }
        bool HandlesCommand(int id) const override { return id == gb::app::cmd::ItemSearch; }
        bool ExecuteCommand(int id) const override { return id == gb::app::cmd::ItemSearch; }
        bool enabled = false;
    } search;
    frame->AddCommandTarget(&search);
    Settle();
    QAction* button = nullptr;
    for (QAction* action : frame->findChild<QToolBar*>(QStringLiteral("MainToolBar"))->actions()) {
        if (action->data().toInt() == gb::app::cmd::ItemSearch) {
            button = action;
        }
    }
    ASSERT_NE(button, nullptr);
    QAction* entry = frame->Actions().Action(gb::app::cmd::ItemSearch);
    ASSERT_FALSE(button->isEnabled());

    // The state changes with no refresh asked for; the menu shows it.
    search.enabled = true;
    QMenu* edit = nullptr;
    for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>()) {
        if (menu->actions().contains(entry)) {
            edit = menu;
        }
    }
    ASSERT_NE(edit, nullptr);
    Q_EMIT edit->aboutToShow();
    EXPECT_TRUE(entry->isEnabled());
    EXPECT_TRUE(button->isEnabled());
}

TEST_F(MainFrameTest, TheTemplateEditorStartsFromTheProgramFolder) {
    frame->ExecuteCommand(gb::app::cmd::ClipboardTemplates);
    ASSERT_EQ(services.shell.programs.size(), 1u);
    EXPECT_EQ(services.shell.programs[0], folder / "Template");
    EXPECT_TRUE(services.messages.shown.empty());

    services.shell.succeeds = false;
    frame->ExecuteCommand(gb::app::cmd::ClipboardTemplates);
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0].rfind("Cannot start the template editor.", 0), 0u);
    // The program's own name on this system, not a name with an extension.
    EXPECT_NE(services.messages.shown[0].find("the file Template is"), std::string::npos);
}

TEST_F(MainFrameTest, F1AsksForTheHelpOfTheMainWindow) {
    std::vector<int> asked;
    gb::app::CommandMap help;
    help.On(57670, [&asked](int id) { asked.push_back(id); });
    frame->AddCommandTarget(&help);
    Settle();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_F1);
    EXPECT_EQ(asked, std::vector<int>{57670});
}

TEST_F(MainFrameTest, TheTemplatePaneNamesTheLibrary) {
    EXPECT_EQ(frame->TemplatePaneText(), "Current Template: Unknown  (VizEvav.cta)");
    frame->SetTemplateName("Invoice");
    EXPECT_EQ(frame->TemplatePaneText(), "Current Template: Invoice  (VizEvav.cta)");
}

TEST_F(MainFrameTest, TheTemplatePaneFollowsTheTemplateAndLibraryInUse) {
    const auto write = [this](const std::string& file, std::vector<std::string> names) {
        CTemplateLibrary library;
        library.SetPath(folder / file);
        for (const std::string& name : names) {
            CTDocText mail;
            mail.SetName(name);
            mail.SetKind(CTDocText::Email);
            library.AddTemplate(mail);
        }
        ASSERT_TRUE(library.SaveFile());
    };
    write("VizEvav.cta", {"Invoice", "Receipt"});
    write("Other.cta", {"Thanks"});
    app.ReloadTemplateLibrary();
    frame->RequestCommandRefresh();
    EXPECT_EQ(frame->TemplatePaneText(), "Current Template: Invoice  (VizEvav.cta)");
    // As the template chooser changes both.
    app.UseTemplate("Other.cta", 0);
    frame->RequestCommandRefresh();
    EXPECT_EQ(frame->TemplatePaneText(), "Current Template: Thanks  (Other.cta)");
}

TEST_F(MainFrameTest, ThePlacementIsKeptForTheNextStart) {
    frame->setGeometry(40, 50, 700, 500);
    ASSERT_TRUE(frame->SaveWindowPlacement());
    EXPECT_EQ(user.GetNumber(gb::app::SectionKey("Settings"), "left"), 40u);
    EXPECT_EQ(user.GetNumber(gb::app::SectionKey("Settings"), "right"), 740u);

    gb::app::ui::CMainFrame next(app, document, services.Services());
    ASSERT_TRUE(next.LoadWindowPlacement());
    EXPECT_EQ(next.geometry(), QRect(40, 50, 700, 500));
}

TEST_F(MainFrameTest, ThePlacementOfAnotherScreenIsNotRestored) {
    ASSERT_TRUE(user.SetNumber(gb::app::SectionKey("Settings"), "flags", 0));
    ASSERT_TRUE(user.SetNumber(gb::app::SectionKey("Settings"), "Cmd", 1));
    ASSERT_TRUE(user.SetNumber(gb::app::SectionKey("Settings"), "left", 50000));
    ASSERT_TRUE(user.SetNumber(gb::app::SectionKey("Settings"), "top", 10));
    ASSERT_TRUE(user.SetNumber(gb::app::SectionKey("Settings"), "right", 50600));
    ASSERT_TRUE(user.SetNumber(gb::app::SectionKey("Settings"), "bottom", 500));
    gb::app::ui::CMainFrame next(app, document, services.Services());
    EXPECT_FALSE(next.LoadWindowPlacement());
}

TEST_F(MainFrameTest, ADropOpensItsFirstLocalFileAndALinkAloneNothing) {
    std::vector<std::filesystem::path> opened;
    frame->AcceptDroppedFiles(
        [&opened](const std::filesystem::path& path) { opened.push_back(path); });
    const auto drop = [this](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(frame.get(), &enter);
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame.get(), &dropped);
        return enter.isAccepted();
    };
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.com/Demo.pro"))}));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(drop({QUrl(QStringLiteral("https://example.com/Demo.pro")),
                      QUrl::fromLocalFile(QStringLiteral("/tmp/Seller.pro")),
                      QUrl::fromLocalFile(QStringLiteral("/tmp/Other.pro"))}));
    EXPECT_EQ(opened, std::vector<std::filesystem::path>{"/tmp/Seller.pro"});
}

TEST_F(MainFrameTest, ClosingAModifiedUntitledProfileCanBeCancelled) {
    document.SetModifiedFlag(true);
    services.messages.answers = {gb::app::MessageResult::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    ASSERT_EQ(services.messages.shown.size(), 1u);
}

}  // namespace
