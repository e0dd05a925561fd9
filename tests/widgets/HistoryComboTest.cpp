#include "widgets/CHistoryCombo.h"

#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QVBoxLayout>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Settings.h"
#include "tests/support/SettingsTestFolder.h"

namespace gb::widgets {
namespace {

// Each test keeps the current user's settings in a folder of its own.
class HistoryComboTest : public test::SettingsTestFolder {
protected:
    static QStringList Entries(const QComboBox& combo) {
        QStringList entries;
        for (int index = 0; index < combo.count(); ++index) {
            entries << combo.itemText(index);
        }
        return entries;
    }
};

TEST_F(HistoryComboTest, KeepsTheTenNewestAddressesAcrossAReload) {
    CHistoryCombo combo;
    combo.SetSection("WebSites", 10);
    for (int site = 1; site <= 12; ++site) {
        combo.AddText(QString("http://site%1.example/").arg(site), true);
    }
    // An address already in the history moves to the top without growing it.
    combo.AddText("http://site5.example/", true);
    ASSERT_TRUE(combo.SaveStrings());

    CHistoryCombo reloaded;
    reloaded.SetSection("WebSites", 10);

    QStringList expected{"http://site5.example/"};
    for (int site = 12; site >= 3; --site) {
        if (site != 5) {
            expected << QString("http://site%1.example/").arg(site);
        }
    }
    EXPECT_EQ(Entries(reloaded), expected);
    EXPECT_EQ(
        Settings::CurrentUser().GetString(std::string(kApplicationKey) + "\\WebSites", "String9"),
        "http://site3.example/");
}

TEST_F(HistoryComboTest, LoadingStopsAtTheFirstEmptyValue) {
    const std::string key = std::string(kApplicationKey) + "\\WebSites";
    Settings& settings = Settings::CurrentUser();
    ASSERT_TRUE(settings.SetString(key, "String0", "http://first.example/"));
    ASSERT_TRUE(settings.SetString(key, "String1", ""));
    ASSERT_TRUE(settings.SetString(key, "String2", "http://third.example/"));

    CHistoryCombo combo;
    combo.SetSection("WebSites", 10);

    EXPECT_EQ(Entries(combo), QStringList{"http://first.example/"});
}

TEST_F(HistoryComboTest, TextShownWithoutAddingLeavesTheHistoryAlone) {
    CHistoryCombo combo;
    combo.AddText("typed", true);
    combo.AddText("http://shown.example/", false);
    combo.AddText("", true);

    EXPECT_EQ(Entries(combo), QStringList{"typed"});
    EXPECT_EQ(combo.GetCurrentText(), "");
}

TEST_F(HistoryComboTest, RemembersWhatWasTypedWhenTheFocusLeaves) {
    QWidget window;
    auto* combo = new CHistoryCombo(&window);
    auto* other = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(combo);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    combo->setFocus(Qt::TabFocusReason);

    QTest::keyClicks(combo->lineEdit(), "http://typed.example/");
    other->setFocus(Qt::TabFocusReason);

    EXPECT_EQ(Entries(*combo), QStringList{"http://typed.example/"});
}

}  // namespace
}  // namespace gb::widgets
