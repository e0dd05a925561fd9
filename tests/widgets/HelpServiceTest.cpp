#include <gtest/gtest.h>
#include <QtCore/QFile>

#include <vector>

#include "widgets/HelpService.h"

namespace {

using gb::widgets::HelpOpener;
using gb::widgets::HelpService;
namespace help_context = gb::widgets::help_context;

class RecordingOpener final : public HelpOpener {
public:
    bool Open(const QUrl& address) override {
        opened.push_back(address);
        return succeeds;
    }

    std::vector<QUrl> opened;
    bool succeeds = true;
};

TEST(HelpServiceTest, OpensTheGuideAtItsContentsOrAtAContextsAnchor) {
    RecordingOpener opener;
    HelpService help("/opt/Lotkeeper/Lotkeeper.html", opener);
    EXPECT_TRUE(help.ShowContents());
    EXPECT_TRUE(help.ShowContext(help_context::Templates));
    ASSERT_EQ(opener.opened.size(), 2U);
    EXPECT_EQ(opener.opened[0].toString(), "file:///opt/Lotkeeper/Lotkeeper.html#contents");
    EXPECT_EQ(opener.opened[1].toString(), "file:///opt/Lotkeeper/Lotkeeper.html#context-8");
}

TEST(HelpServiceTest, AFolderWithBlanksGivesAnAddressTheBrowserCanOpen) {
    RecordingOpener opener;
    HelpService help("/home/a seller/Lotkeeper/Lotkeeper.html", opener);
    EXPECT_EQ(help.ContextAddress(1).toLocalFile(), "/home/a seller/Lotkeeper/Lotkeeper.html");
    EXPECT_EQ(help.ContextAddress(1).toString(QUrl::FullyEncoded),
              "file:///home/a%20seller/Lotkeeper/Lotkeeper.html#context-1");
}

TEST(HelpServiceTest, ABrowserThatCannotOpenTheGuideIsReported) {
    RecordingOpener opener;
    opener.succeeds = false;
    HelpService help("/opt/Lotkeeper/Lotkeeper.html", opener);
    EXPECT_FALSE(help.ShowContents());
}

TEST(HelpServiceTest, TheGuideHasTheContentsAndAnAnchorForEveryContext) {
    QFile guide(QStringLiteral(GB_HELP_FILE));
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(guide.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("id=\"contents\"")));
    for (const int context : {help_context::Setup, help_context::MainWindow,
                              help_context::UserProfile, help_context::Templates}) {
        EXPECT_TRUE(text.contains(QStringLiteral("id=\"context-%1\"").arg(context))) << context;
    }
}

}  // namespace
