#include "widgets/PropertySheet.h"

#include <QtTest/QTest>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QTabBar>

#include <gtest/gtest.h>

#include "widgets/PropertyPage.h"
#include "widgets/ScriptedModalRunner.h"

namespace gb::widgets {
namespace {

struct Record {
    QString name;
    QString note;
};

// A page that edits one text of the record; the name page refuses an empty
// text.
class TextPage final : public PropertyPage {
public:
    TextPage(QString& field, bool required) : field_(field), required_(required) {
        edit.setParent(this);
    }

    void Load() override { edit.setText(field_); }
    std::optional<std::string> Store() override {
        if (required_ && edit.text().isEmpty()) {
            return "Enter a name.";
        }
        field_ = edit.text();
        return std::nullopt;
    }

    QLineEdit edit;

private:
    QString& field_;
    bool required_;
};

class TestSheet final : public PropertySheet {
public:
    TestSheet(ModalRunner& runner, const Record& owned) : PropertySheet(runner), record(owned) {
        AddPage("Name", [this] { return Build(record.name, true); });
        AddPage("Note", [this] { return Build(record.note, false); });
    }

    TextPage& PageAt(int index) { return static_cast<TextPage&>(*Page(index)); }
    QTabBar& Tabs() { return *findChild<QTabBar*>("tabs"); }
    void ClickTab(int index) {
        QTest::mouseClick(&Tabs(), Qt::LeftButton, {}, Tabs().tabRect(index).center());
    }
    void ClickOk() {
        findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok)->click();
    }
    QWidget* ShownPage() { return findChild<QStackedWidget*>()->currentWidget(); }

    Record record;
    int pagesBuilt = 0;

private:
    std::unique_ptr<PropertyPage> Build(QString& field, bool required) {
        ++pagesBuilt;
        return std::make_unique<TextPage>(field, required);
    }
};

class PropertySheetTest : public ::testing::Test {
protected:
    ScriptedModalRunner runner{[](const std::string& failure) { ADD_FAILURE() << failure; }};
};

TEST_F(PropertySheetTest, BuildsEachPageWhenItIsFirstShown) {
    TestSheet sheet(runner, {"Lamp", "boxed"});
    EXPECT_EQ(sheet.Page(0), nullptr);

    sheet.show();
    EXPECT_EQ(sheet.pagesBuilt, 1);
    EXPECT_EQ(sheet.PageAt(0).edit.text(), "Lamp");
    EXPECT_EQ(sheet.Page(1), nullptr);

    sheet.ClickTab(1);
    sheet.ClickTab(0);
    sheet.ClickTab(1);
    EXPECT_EQ(sheet.pagesBuilt, 2);
    EXPECT_EQ(sheet.PageAt(1).edit.text(), "boxed");
}

TEST_F(PropertySheetTest, APageThatRefusesToBeLeftStaysCurrentAndShowsItsMessage) {
    TestSheet sheet(runner, {"Lamp", ""});
    sheet.show();
    sheet.PageAt(0).edit.clear();
    runner.Then(ScriptedModalRunner::Press(QMessageBox::Ok));

    sheet.ClickTab(1);

    EXPECT_EQ(sheet.ActiveIndex(), 0);
    EXPECT_EQ(sheet.Tabs().currentIndex(), 0);
    EXPECT_EQ(sheet.ShownPage(), sheet.Page(0));
    EXPECT_EQ(sheet.Page(1), nullptr);
    ASSERT_EQ(runner.Ran().size(), 1u);
    EXPECT_EQ(runner.Ran()[0].text, "Enter a name.");

    sheet.PageAt(0).edit.setText("Clock");
    sheet.ClickTab(1);
    EXPECT_EQ(sheet.ActiveIndex(), 1);
    EXPECT_EQ(sheet.record.name, "Clock");
}

TEST_F(PropertySheetTest, OkOnAPageThatRefusesKeepsTheSheetOpen) {
    TestSheet sheet(runner, {"Lamp", ""});
    bool openAfterOk = false;
    runner
        .Then(ScriptedModalRunner::Reject([&](QDialog&) {
            sheet.PageAt(0).edit.clear();
            sheet.ClickOk();
            openAfterOk = sheet.isVisible();
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));

    EXPECT_FALSE(sheet.Run());
    EXPECT_TRUE(openAfterOk);
    ASSERT_EQ(runner.Ran().size(), 2u);
    EXPECT_EQ(runner.Ran()[1].text, "Enter a name.");
}

TEST_F(PropertySheetTest, OkStoresThePageShownAndCancelDiscardsTheEdits) {
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        const Record owned{"Lamp", ""};
        TestSheet sheet(runner, owned);
        auto edit = [&](QDialog&) {
            sheet.PageAt(0).edit.setText("Clock");
            sheet.ClickTab(1);
            sheet.PageAt(1).edit.setText("chipped");
        };
        runner.Then(ok ? ScriptedModalRunner::Accept(edit) : ScriptedModalRunner::Reject(edit));

        const Record result = sheet.Run() ? sheet.record : owned;

        EXPECT_EQ(result.name, ok ? "Clock" : "Lamp");
        EXPECT_EQ(result.note, ok ? "chipped" : "");
    }
}

}  // namespace
}  // namespace gb::widgets
