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

    void SetTreeWidth(int width) {
        auto* splitter = frame->GetMainView()->findChild<QSplitter*>();
        ASSERT_NE(splitter, nullptr);
        const int total = splitter->sizes().front() + splitter->sizes().back();
        splitter->setSizes({width, total - width});
        Settle();
    }
    std::uint32_t StoredTreeWidth() const {
        return user.GetNumber(gb::app::SectionKey(gb::app::section::Settings),
                              gb::app::value::Splitter, 0);
    }
};

// The pane stores the tree's width as the window goes.
TEST_F(MainViewTest, TheWindowGoingStoresTheTreeWidthTheUserLeft) {
    SetTreeWidth(230);
    frame.reset();
    EXPECT_EQ(StoredTreeWidth(), 230U);

    // The next window opens with it.
    OpenWindow();
    EXPECT_EQ(Tree().width(), 230);
}

// The views may reach the frame as they go: the window takes them down while
// it is whole.
TEST_F(MainViewTest, TheViewsGoWhileTheFrameIsWhole) {
    const gb::app::IFrame& whole = *frame;
    bool reached = false;
    QObject::connect(frame->centralWidget(), &QObject::destroyed,
                     [&] { reached = &whole.App() == &app; });
    frame.reset();
    EXPECT_TRUE(reached);
}

// Hiding the tree deletes the pane once the present event is handled; the
// window may go first (closed in the same event), and the width still lands.
TEST_F(MainViewTest, APaneReplacedAsTheWindowGoesStillStoresTheTreeWidth) {
    SetTreeWidth(210);
    frame->ExecuteCommand(gb::app::cmd::NavigationTree);
    ASSERT_EQ(frame->GetMainView(), nullptr);
    frame.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(StoredTreeWidth(), 210U);
}

}  // namespace
