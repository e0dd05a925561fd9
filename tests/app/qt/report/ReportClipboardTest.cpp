#include "app/dialogs/report/ReportClipboard.h"

#include <gtest/gtest.h>

#include <QtCore/QMimeData>
#include <QtGui/QClipboard>
#include <QtGui/QGuiApplication>

namespace gb::app::ui {
namespace {

TEST(ReportClipboard, PageGoesOnTheClipboardAsHtmlWithItsTextBeside) {
    const std::string page = "<HTML><BODY><H2>Sales</H2><P>Caf\xE9 [1]</P></BODY></HTML>";

    CopyReport(*QGuiApplication::clipboard(), page);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains(QStringLiteral("Caf\u00E9")));
    EXPECT_EQ(data->text().trimmed(), QStringLiteral("Sales\nCaf\u00E9 [1]"));
}

}  // namespace
}  // namespace gb::app::ui
