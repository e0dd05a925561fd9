// The pane of the folder tree and the right-hand view, as the main window
// takes it down.

#include <QtWidgets/QSplitter>

#include "FrameFixture.h"
#include "app/core/AppSettings.h"
#include "app/core/CommandIds.h"

namespace {

class MainViewTest : public FrameFixture {
protected:
    void SetUp() override {
        test_profile::Prepare(document);
        OpenWindow();
    }

    std::uint32_t StoredTreeWidth() const {
        return user.GetNumber(gb::app::SectionKey(gb::app::section::Settings),
                              gb::app::value::Splitter, 0);
    }
};

// The pane stores the tree's width as it goes, through the frame: the window
// takes it down while the frame is still whole (the sanitizers catch a pane
// that outlives its frame's destructor).
TEST_F(MainViewTest, TheWindowGoingStoresTheTreeWidthTheUserLeft) {
    auto* splitter = frame->GetMainView()->findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    const int total = splitter->sizes().front() + splitter->sizes().back();
    splitter->setSizes({230, total - 230});
    Settle();

    frame.reset();
    EXPECT_EQ(StoredTreeWidth(), 230U);

    // The next window opens with it.
    OpenWindow();
    EXPECT_EQ(Tree().width(), 230);
}

// A window with the tree hidden has no pane; the width stored before stays.
TEST_F(MainViewTest, AWindowWithoutTheTreeKeepsTheStoredWidth) {
    auto* splitter = frame->GetMainView()->findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    const int total = splitter->sizes().front() + splitter->sizes().back();
    splitter->setSizes({210, total - 210});
    Settle();
    frame->ExecuteCommand(gb::app::cmd::NavigationTree);
    Settle();
    ASSERT_EQ(frame->GetMainView(), nullptr);
    EXPECT_EQ(StoredTreeWidth(), 210U);

    frame.reset();
    EXPECT_EQ(StoredTreeWidth(), 210U);
}

}  // namespace
