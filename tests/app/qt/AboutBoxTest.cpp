// The About box links to the maker's page and tells the user when the link
// cannot be opened.

#include <gtest/gtest.h>

#include "FakeServices.h"
#include "app/ui/CAboutDlg.h"
#include "app/ui/CHyperLink.h"

namespace {

TEST(AboutBoxTest, TheLinkShowsTheMakersAddressAndOpensTheProductPage) {
    FakeServices services;
    ui::CAboutDlg about(services.Services());
    EXPECT_EQ(about.windowTitle(), "About Gavelbook");
    EXPECT_EQ(about.Link()->text(), "www.norvel-software.example");
    EXPECT_TRUE(about.Link()->Follow());
    EXPECT_EQ(services.shell.links,
              std::vector<std::string>{"https://www.norvel-software.example/gavelbook/"});
    EXPECT_TRUE(services.messages.shown.empty());
}

TEST(AboutBoxTest, ALinkThatCannotBeOpenedAsksTheUserToVisitTheSite) {
    FakeServices services;
    services.shell.succeeds = false;
    ui::CAboutDlg about(services.Services());
    EXPECT_FALSE(about.Link()->Follow());
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_NE(services.messages.shown[0].find("visit"), std::string::npos);
}

TEST(AboutBoxTest, ALinkWithoutTargetOpensItsText) {
    FakeServices services;
    ui::CHyperLink link(services.shell, services.messages);
    link.setText(QStringLiteral("https://example.com/"));
    EXPECT_TRUE(link.Follow());
    EXPECT_EQ(services.shell.links, std::vector<std::string>{"https://example.com/"});

    ui::CHyperLink empty(services.shell, services.messages);
    EXPECT_FALSE(empty.Follow());
}

}  // namespace
