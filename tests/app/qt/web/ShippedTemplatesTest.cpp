// The shipped template library's pages, rendered over the demonstration
// profile that `gbtool make-data` writes, laid out by a real web engine at
// 1024 pixels: no cell's text runs into the next cell, and an auction ID
// ("3141592501-1") or an amount never wraps.

#include <QtCore/QUrl>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWebEngineCore/QWebEnginePage>
#include <QtWebEngineWidgets/QWebEngineView>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "Screenshots.h"
#include "app/core/report/ReportRun.h"
#include "itemdb/AucDoc.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/FileIo.h"
#include "tests/support/TempFolder.h"

namespace {

using gb::itemdb::CAucItem;

// The cells that overflow their column or whose auction ID or amount takes
// more than one line, one per line; empty when the layout is sound.
constexpr char kLayoutProblems[] = R"(
(function () {
  var problems = [];
  function lines(cell) {
    var range = document.createRange();
    range.selectNodeContents(cell);
    var tops = {};
    Array.prototype.forEach.call(range.getClientRects(), function (r) {
      tops[Math.round(r.top)] = true;
    });
    return Object.keys(tops).length;
  }
  document.querySelectorAll('table.list tr').forEach(function (row) {
    Array.prototype.forEach.call(row.cells, function (cell, column) {
      if (cell.scrollWidth > cell.clientWidth + 1) {
        problems.push('runs over: ' + cell.textContent);
      }
      var oneLine = column === 0 || cell.classList.contains('amount');
      if (oneLine && lines(cell) > 1) {
        problems.push('wraps: ' + cell.textContent);
      }
    });
  });
  return problems.join('\n');
})()
)";

class ShippedTemplatesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string command = "'" + std::string(GB_BIN_DIR) + "/gbtool' make-data '" +
                                    folder_.Path().string() + "' >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        ASSERT_TRUE(document_.OnOpenDocument(folder_ / "Demo.pro"));
        ASSERT_TRUE(fees_.Load(folder_ / "AucField.fee"));

        gb::itemdb::CItemList& list = document_.GetItemList();
        list.SetFilter(gb::itemdb::CItemFilter());
        for (bool more = list.MoveFirst(); more; more = list.MoveNext()) {
            items_.push_back(*list.GetItemAt());
        }
        // A duplicate's ID and a long description without blanks.
        ASSERT_FALSE(items_.empty());
        CAucItem duplicate = items_.front();
        duplicate.SetAuctionId(std::string(duplicate.GetAuctionId()) + "-12");
        duplicate.SetDescription("Victorian-brass-carriage-clock-with-original-key-and-case");
        items_.push_back(duplicate);
    }

    // What the layout check finds on the page of the library's template
    // `index`.
    std::string ProblemsOf(const std::filesystem::path& library, int index) {
        std::vector<const CAucItem*> rows;
        for (const CAucItem& item : items_) {
            rows.push_back(&item);
        }
        const auto report =
            gb::app::RenderReport({library, index, fees_, &document_.EditFolders()}, rows);
        EXPECT_TRUE(report.has_value());
        const std::filesystem::path page =
            gb::app::WriteReportFile(folder_.Path(), report ? report->html : std::string());

        QWebEngineView view;
        view.resize(1024, 768);
        view.show();
        QSignalSpy finished(view.page(), &QWebEnginePage::loadFinished);
        view.load(QUrl::fromLocalFile(QString::fromStdString(page.string())));
        EXPECT_TRUE(finished.wait(30000));
        std::optional<QString> problems;
        view.page()->runJavaScript(
            kLayoutProblems, [&problems](const QVariant& found) { problems = found.toString(); });
        for (int waited = 0; !problems && waited < 30000; waited += 50) {
            QTest::qWait(50);
        }
        EXPECT_TRUE(problems.has_value());
        if (!gb::test::ScreenshotFolder().isEmpty() && report &&
            report->templateName == "Sales Report") {
            // Web views paint a moment after the page has loaded.
            QTest::qWait(2000);
            EXPECT_TRUE(view.grab().save(gb::test::ScreenshotFolder() + "/sales-report.png"));
        }
        return problems.value_or("no answer").toStdString();
    }

    gb::test::TempFolder folder_;
    gb::itemdb::CAucDoc document_;
    gb::itemdb::CFeeSchedule fees_;
    std::vector<CAucItem> items_;
};

TEST_F(ShippedTemplatesTest, EveryTemplateLaysOutItsColumnsAt1024Pixels) {
    for (const char* name : {"VizEvav.cta", "German.cta"}) {
        gb::itemdb::CTemplateLibrary library;
        ASSERT_TRUE(library.OpenFile(folder_ / name));
        ASSERT_GT(library.GetCount(), 0);
        for (int index = 0; index < library.GetCount(); ++index) {
            EXPECT_EQ(ProblemsOf(folder_ / name, index), "")
                << name << ": " << library.GetTemplate(index)->GetName();
        }
    }
}

}  // namespace
