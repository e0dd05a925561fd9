#include <gtest/gtest.h>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include "app/dialogs/web/CWebLinkDlg.h"
#include "widgets/ScriptedModalRunner.h"

namespace {

using gb::app::ui::EditWebLink;
using gb::app::ui::WebLink;
using gb::widgets::ScriptedModalRunner;

const WebLink kLink{"Sample", "https://www.norvel-software.example/gavelbook/", "Bookmarks"};

template <typename Widget>
Widget& Child(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return *widget;
}

TEST(WebLinkDialogTest, GetCurrentTakesTheShownAddressAndOkHandsBackTheEdits) {
    ScriptedModalRunner runner([](const std::string& failure) { ADD_FAILURE() << failure; });
    runner.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Web Site");
        EXPECT_EQ(Child<QLineEdit>(dialog, "name").text(), "Sample");
        auto& getCurrent = Child<QPushButton>(dialog, "getCurrent");
        ASSERT_TRUE(getCurrent.isEnabled());
        Child<QLineEdit>(dialog, "name").setText(QStringLiteral("A name longer than twenty"));
        getCurrent.click();
    }));
    const std::optional<WebLink> edited =
        EditWebLink(runner, nullptr, kLink, "http://127.0.0.1/shown");
    ASSERT_TRUE(edited);
    EXPECT_EQ(*edited, (WebLink{"A name longer than t", "http://127.0.0.1/shown", "Bookmarks"}));
}

TEST(WebLinkDialogTest, WithoutAShownAddressGetCurrentIsDisabledAndCancelKeepsTheLink) {
    ScriptedModalRunner runner([](const std::string& failure) { ADD_FAILURE() << failure; });
    runner.Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
        EXPECT_FALSE(Child<QPushButton>(dialog, "getCurrent").isEnabled());
        Child<QLineEdit>(dialog, "address").setText(QStringLiteral("changed"));
    }));
    EXPECT_FALSE(EditWebLink(runner, nullptr, kLink, ""));
}

}  // namespace
