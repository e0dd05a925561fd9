// A report loads in a real web view: the Report command's page, written
// beside the program, loads from the "file://" address it hands the desktop.

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWebEngineCore/QWebEnginePage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "FakeServices.h"
#include "app/core/hints/HintReminder.h"
#include "app/core/report/ReportCommands.h"
#include "app/core/web/WebViewHost.h"
#include "app/ui/web/CWebView.h"
#include "itemdb/AucDoc.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

namespace {

// The window around the view: only the address matters.
class QuietHost final : public gb::app::WebViewHost {
public:
    gb::app::BusyToken Busy() override { return busy.Hold(); }
    void SetAddress(std::string_view text, bool) override { address = text; }
    std::string GetAddress() const override { return address; }
    bool EnableToolbar(int) override { return true; }
    std::optional<std::string> FavoriteAddress(int) const override { return std::nullopt; }
    bool StartUpdate() override { return false; }

    gb::app::BusyState busy;
    std::string address;
};

TEST(ReportWebView, TheReportPageLoadsFromTheAddressGivenToTheDesktop) {
    gb::test::TempFolder folder;
    gb::itemdb::CTemplateLibrary library;
    library.SetPath(folder / "VizEvav.cta");
    gb::itemdb::CTDocText sales;
    sales.SetName("Monthly sales");
    sales.SetKind(gb::itemdb::CTDocText::Report);
    sales.SetHeader(
        "<HTML><HEAD><TITLE>Monthly sales</TITLE></HEAD><BODY style='font-family:sans-serif'>"
        "<H2>Monthly sales</H2><TABLE border=1 cellpadding=4><TR><TH>Auction ID</TH>"
        "<TH>Description</TH><TH>Buyer</TH><TH>Max Bid</TH></TR></BODY></HTML>");
    sales.SetRepeat(
        "<TR><TD>[Auction_ID]</TD><TD>[Description]</TD><TD>[Buyer_ID]</TD>"
        "<TD align=right>[Max_Bid]</TD></TR>");
    sales.SetFooter(
        "<TR><TD colspan=3><B>Total</B></TD><TD align=right><B>[Max_Bid]</B></TD>"
        "</TR></TABLE>");
    library.AddTemplate(sales);
    ASSERT_TRUE(library.SaveFile());

    gb::itemdb::CItemList items;
    std::vector<gb::itemdb::CItemList::ItemId> rows;
    const char* descriptions[] = {"Brass desk lamp", "Pocket watch", "Tin robot"};
    for (std::size_t i = 0; i < 3; ++i) {
        gb::itemdb::CAucItem item;
        item.SetAuctionId(std::to_string(3001 + i));
        item.SetDescription(descriptions[i]);
        item.SetBuyerId("buyer" + std::to_string(i));
        item.SetMaxBid(std::to_string(10 * (i + 1)) + ".00");
        items.AddItem(item, gb::itemdb::folder::AuctionEnded);
        gb::itemdb::CItemList::ListPos stored;
        items.FindItem("", item.GetAuctionId(), &stored);
        rows.push_back(items.IdOf(*items.GetItem(stored)));
    }

    FakeServices services;
    gb::Settings user{folder / "user.settings"};
    gb::app::HintReminder hints{user, [](int) { return false; }};
    gb::app::ReportCommands commands(services.messages, services.shell, hints, folder.Path());
    gb::itemdb::CFeeSchedule fees;
    gb::itemdb::CAucDoc document;
    QuietHost host;
    gb::app::ui::CWebView view(document, host, services.shell, services.messages,
                               gb::Settings::CurrentUser());
    view.resize(640, 360);
    const bool screenshot = std::getenv("GB_SCREENSHOT") != nullptr;
    if (screenshot) {
        view.show();
    }

    QSignalSpy finished(view.page(), &QWebEnginePage::loadFinished);
    ASSERT_TRUE(commands.Report({folder / "VizEvav.cta", 0, fees}, gb::app::HeldItems(items, {}),
                                gb::app::HeldItems(items, rows)));
    ASSERT_EQ(services.shell.links.size(), 1u);
    view.Navigate(services.shell.links[0]);
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(finished.first().first().toBool());
    EXPECT_EQ(view.url(),
              QUrl::fromLocalFile(QString::fromStdString((folder / "AucRpt.htm").string())));
    EXPECT_EQ(view.title(), "Monthly sales");

    std::optional<QString> text;
    view.page()->toPlainText([&text](const QString& plain) { text = plain; });
    for (int waited = 0; !text && waited < 30000; waited += 50) {
        QTest::qWait(50);
    }
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains("Pocket watch"));
    EXPECT_TRUE(text->contains("$60.00"));
    if (screenshot) {
        // Web views paint a moment after the page has loaded.
        QTest::qWait(2000);
        view.grab().save(QString::fromLocal8Bit(std::getenv("GB_SCREENSHOT")));
    }
}

}  // namespace
