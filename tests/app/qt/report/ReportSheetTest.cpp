// The report criteria sheet on its real widgets: what each page shows for a
// report, what the pages filled give the report's filter and columns, and
// which items the report then takes.

#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "app/dialogs/report/CRptCategoryPage.h"
#include "app/dialogs/report/CRptDatePage.h"
#include "app/dialogs/report/CRptDescPage.h"
#include "app/dialogs/report/CRptDisplayPage.h"
#include "app/dialogs/report/CRptSheet.h"
#include "app/dialogs/report/CRptSitePage.h"
#include "app/dialogs/report/CRptStatusPage.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "itemdb/SellerList.h"
#include "ui_CRptCategoryPage.h"
#include "ui_CRptDatePage.h"
#include "ui_CRptDescPage.h"
#include "ui_CRptDisplayPage.h"
#include "ui_CRptSitePage.h"
#include "ui_CRptStatusPage.h"
#include "widgets/ScriptedModalRunner.h"

using namespace gb::itemdb;
using gb::DateTime;
using gb::app::ReportCriteria;
using gb::app::ui::CRptSheet;
using gb::widgets::ScriptedModalRunner;

namespace {

enum Page { General, Site, Date, Status, Category, Display };

class ReportSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        FolderBlueprint::AddDefaultFolders(folders_);
        sellers_.AddSeller("joe_seller", "eBay USA", "");
        sellers_.AddSeller("ann_antiques", "eBay UK", "");
        // A second category beside the sample one.
        ASSERT_TRUE(folders_.FindNode(folder::ByCategory));
        lamps_ = folders_.AddNode(folder::ByCategory, folder::ByCategory, folder::ByCategory);
        ASSERT_TRUE(folders_.FindNode(lamps_));
        folders_.SetCurName("Lamps");
    }

    // Runs the sheet on `criteria_`; `fill` works on the sheet while it is
    // open, which then closes with OK.
    std::optional<ReportCriteria> Run(const std::function<void(CRptSheet&)>& fill) {
        CRptSheet sheet(runner_, criteria_, {fees_, folders_, sellers_, now_});
        runner_.Then(ScriptedModalRunner::Accept(
            [&fill](QDialog& dialog) { fill(static_cast<CRptSheet&>(dialog)); }));
        if (!sheet.Run()) {
            return std::nullopt;
        }
        return sheet.Criteria();
    }

    template <typename PageClass>
    static PageClass& Show(CRptSheet& sheet, Page index) {
        EXPECT_TRUE(sheet.SetActivePage(index));
        return static_cast<PageClass&>(*sheet.Page(index));
    }

    // The category items of the Category page's tree, by name.
    static QTreeWidgetItem* CategoryItem(gb::app::ui::CRptCategoryPage& page, const QString& name) {
        const auto found = page.Form().tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }

    static CAucItem Item(const char* site, const char* seller, std::int32_t status,
                         const char* endDate, bool sold, std::initializer_list<std::int32_t> cats) {
        CAucItem item;
        item.SetSite(site);
        item.SetSellerId(seller);
        item.SetStatus(status, true);
        item.SetFieldText(503, endDate);
        if (sold) {
            item.SetBuyerId("buyer");
        }
        for (const std::int32_t category : cats) {
            item.AddCategory(category);
        }
        return item;
    }

    ScriptedModalRunner runner_{[](const std::string& failure) { ADD_FAILURE() << failure; }};
    CFolderTree folders_;
    CSellerList sellers_;
    CFeeSchedule fees_;
    DateTime now_ = DateTime::FromCivil(2024, 3, 20, 15, 30);
    ReportCriteria criteria_{CItemFilter(), "Sales", "Monthly sales", "!"};
    std::int32_t lamps_ = 0;
};

TEST_F(ReportSheetTest, ANewReportShowsRegardlessOnEveryPageAndTheCurrentMonth) {
    const auto stored = Run([](CRptSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Edit Report Criteria");
        auto& general = Show<gb::app::ui::CRptDescPage>(sheet, General).Form();
        EXPECT_EQ(general.name->text(), "Sales");
        EXPECT_TRUE(general.anyBids->isChecked());
        auto& site = Show<gb::app::ui::CRptSitePage>(sheet, Site).Form();
        EXPECT_TRUE(site.anySite->isChecked());
        EXPECT_FALSE(site.sellers->isEnabled());
        ASSERT_EQ(site.sellers->count(), 2);
        EXPECT_EQ(site.sellers->item(1)->text(), "eBay UK -- ann_antiques");
        auto& date = Show<gb::app::ui::CRptDatePage>(sheet, Date).Form();
        EXPECT_TRUE(date.anyDate->isChecked());
        EXPECT_FALSE(date.from->isEnabled());
        EXPECT_EQ(date.from->date(), QDate(2024, 3, 1));
        EXPECT_EQ(date.to->date(), QDate(2024, 4, 1));
        EXPECT_EQ(date.selector->currentText(), "Start Date");
        auto& status = Show<gb::app::ui::CRptStatusPage>(sheet, Status).Form();
        EXPECT_TRUE(status.anyStatus->isChecked());
        EXPECT_EQ(status.statuses->item(0)->text(), "In Progress");
        EXPECT_EQ(status.statuses->item(1)->text(), "Needs Attention");
        EXPECT_EQ(status.count->text(), "0");
        auto& category = Show<gb::app::ui::CRptCategoryPage>(sheet, Category).Form();
        EXPECT_TRUE(category.anyCategory->isChecked());
    });
    ASSERT_TRUE(stored);
    const CItemFilter& filter = stored->filter;
    EXPECT_FALSE(filter.GetDateFrom().IsValid());
    EXPECT_TRUE(filter.HasSeller(std::nullopt, {}));
    EXPECT_TRUE(filter.HasStatus(0));
    EXPECT_TRUE(filter.HasCategory(0));
    EXPECT_EQ(filter.GetBids(), 0);
    EXPECT_EQ(stored->name, "Sales");
}

TEST_F(ReportSheetTest, FilledPagesGiveTheFilterAndColumnsTheReportUses) {
    const std::int32_t needsAttention = folder::NeedsAttention;
    const auto stored = Run([&](CRptSheet& sheet) {
        auto& general = Show<gb::app::ui::CRptDescPage>(sheet, General).Form();
        general.name->setText("UK lamps");
        general.title->setText("Sold lamps in March");
        general.withBids->setChecked(true);

        auto& site = Show<gb::app::ui::CRptSitePage>(sheet, Site).Form();
        site.selectedSites->setChecked(true);
        site.sellers->item(1)->setSelected(true);

        auto& date = Show<gb::app::ui::CRptDatePage>(sheet, Date).Form();
        date.betweenDates->setChecked(true);
        date.selector->setCurrentIndex(CItemFilter::EndDate);
        date.from->setDate(QDate(2024, 3, 1));
        date.to->setDate(QDate(2024, 3, 2));

        auto& status = Show<gb::app::ui::CRptStatusPage>(sheet, Status).Form();
        status.selectedStatus->setChecked(true);
        status.statuses->item(1)->setSelected(true);
        EXPECT_EQ(status.count->text(), "1");

        auto& categoryPage = Show<gb::app::ui::CRptCategoryPage>(sheet, Category);
        auto& category = categoryPage.Form();
        category.allOf->click();
        EXPECT_FALSE(category.tree->isHidden());
        EXPECT_TRUE(category.tree->isEnabled());
        for (const QString name : {"Lamps", "Sample - Rename this"}) {
            QTreeWidgetItem* item = CategoryItem(categoryPage, name);
            ASSERT_NE(item, nullptr) << name.toStdString();
            Q_EMIT category.tree->itemClicked(item, 0);
        }
        EXPECT_EQ(category.count->text(), "2");
        // The heading does not toggle.
        Q_EMIT category.tree->itemClicked(category.tree->topLevelItem(0), 0);
        EXPECT_EQ(category.count->text(), "2");

        auto& display = Show<gb::app::ui::CRptDisplayPage>(sheet, Display).Form();
        const auto maxBid = display.available->findItems("Max Bid", Qt::MatchExactly);
        ASSERT_EQ(maxBid.size(), 1);
        display.available->setCurrentItem(maxBid.front());
        display.add->click();
        EXPECT_EQ(display.shown->item(0)->text(), "Max Bid");
    });
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->name, "UK lamps");
    EXPECT_EQ(stored->title, "Sold lamps in March");
    EXPECT_EQ(stored->columnSet, std::string({'!' + 1, '!' + 37}));
    const CItemFilter& filter = stored->filter;
    EXPECT_EQ(filter.GetCategoryMode(), 1);
    EXPECT_EQ(filter.GetDateFrom(), DateTime::FromCivil(2024, 3, 1));
    EXPECT_EQ(filter.GetDateTo(), DateTime::FromCivil(2024, 3, 2));

    const std::int32_t sample =
        folders_.FindFolder("Sample - Rename this", folder::ByCategory, 0, folder::Sample);
    const CAucItem wanted = Item("eBay UK", "ANN_ANTIQUES", needsAttention, "3/1/2024 9:15:00 PM",
                                 true, {lamps_, sample});
    EXPECT_TRUE(filter.Match(wanted));
    // Each item below misses one of the criteria.
    const CAucItem missing[] = {
        Item("eBay USA", "joe_seller", needsAttention, "3/1/2024 9:15:00 PM", true,
             {lamps_, sample}),
        Item("eBay UK", "ann_antiques", needsAttention, "3/2/2024 12:00:00 AM", true,
             {lamps_, sample}),
        Item("eBay UK", "ann_antiques", needsAttention, "3/1/2024 9:15:00 PM", false,
             {lamps_, sample}),
        Item("eBay UK", "ann_antiques", folder::InProgress, "3/1/2024 9:15:00 PM", true,
             {lamps_, sample}),
        Item("eBay UK", "ann_antiques", needsAttention, "3/1/2024 9:15:00 PM", true, {lamps_}),
    };
    for (std::size_t i = 0; i < std::size(missing); ++i) {
        EXPECT_FALSE(filter.Match(missing[i])) << "item " << i;
    }
}

TEST_F(ReportSheetTest, ARangeEndingOnItsFirstDayIsRefusedAndThePageStaysOpen) {
    CRptSheet sheet(runner_, criteria_, {fees_, folders_, sellers_, now_});
    sheet.show();
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    auto& date = Show<gb::app::ui::CRptDatePage>(sheet, Date).Form();
    date.betweenDates->setChecked(true);
    date.from->setDate(QDate(2024, 3, 5));
    date.to->setDate(QDate(2024, 3, 5));
    EXPECT_FALSE(sheet.SetActivePage(Status));
    EXPECT_EQ(sheet.ActiveIndex(), Date);
    ASSERT_FALSE(runner_.Ran().empty());
    EXPECT_EQ(runner_.Ran().back().text, "End date must be greater than start date");
    EXPECT_FALSE(sheet.Criteria().filter.GetDateFrom().IsValid());
}

TEST_F(ReportSheetTest, TheCategoryPageAppliesItsRadioWhenSetUp) {
    // A report without categories: the tree is out of use, so a click adds
    // nothing while "regardless" shows.
    Run([this](CRptSheet& sheet) {
        auto& page = Show<gb::app::ui::CRptCategoryPage>(sheet, Category);
        EXPECT_TRUE(page.Form().anyCategory->isChecked());
        EXPECT_FALSE(page.Form().tree->isEnabled());
        EXPECT_TRUE(page.Form().tree->isHidden());
        Q_EMIT page.Form().tree->itemClicked(CategoryItem(page, "Lamps"), 0);
        EXPECT_EQ(page.Form().count->text(), "0");
    });
    EXPECT_TRUE(runner_.Failures().empty());

    // A report in ANY of one category: regardless hides the count and ANY
    // shows it again; leaving on regardless empties the list.
    criteria_.filter.AddCategory(lamps_);
    const auto stored = Run([this](CRptSheet& sheet) {
        auto& page = Show<gb::app::ui::CRptCategoryPage>(sheet, Category);
        EXPECT_TRUE(page.Form().anyOf->isChecked());
        EXPECT_TRUE(page.Form().tree->isEnabled());
        EXPECT_EQ(page.Form().count->text(), "1");
        page.Form().anyCategory->click();
        EXPECT_EQ(page.Form().count->text(), "0");
        page.Form().anyOf->click();
        EXPECT_EQ(page.Form().count->text(), "1");
        page.Form().anyCategory->click();
    });
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->filter.HasCategory(0));
}

TEST_F(ReportSheetTest, BackOnAnyAfterLeavingOnRegardlessShowsNoStaleTick) {
    criteria_.filter.AddCategory(lamps_);
    const auto stored = Run([this](CRptSheet& sheet) {
        auto& page = Show<gb::app::ui::CRptCategoryPage>(sheet, Category);
        page.Form().anyCategory->click();
        // Leaving on "regardless" empties the list...
        Show<gb::app::ui::CRptDescPage>(sheet, General);
        Show<gb::app::ui::CRptCategoryPage>(sheet, Category);
        page.Form().anyOf->click();
        // ...so no category shows ticked, and each tick can be taken back.
        QTreeWidgetItem* lamps = CategoryItem(page, "Lamps");
        const QIcon unticked = lamps->icon(0);
        EXPECT_EQ(page.Form().count->text(), "0");
        Q_EMIT page.Form().tree->itemClicked(lamps, 0);
        EXPECT_EQ(page.Form().count->text(), "1");
        EXPECT_NE(lamps->icon(0).cacheKey(), unticked.cacheKey());
        Q_EMIT page.Form().tree->itemClicked(lamps, 0);
        EXPECT_EQ(page.Form().count->text(), "0");
        Q_EMIT page.Form().tree->itemClicked(lamps, 0);
        EXPECT_EQ(page.Form().count->text(), "1");
    });
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->filter.HasCategory(lamps_));
    EXPECT_FALSE(stored->filter.HasCategory(0));
}

}  // namespace
