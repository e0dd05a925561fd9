// The splash screen stays at least its first wait, then until the main
// window shows, at most eight seconds in all.

#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include "app/ui/ArtLibrary.h"
#include "app/ui/CSplashWnd.h"

namespace {

TEST(SplashTest, WaitsInSmallStepsWhileTheMainWindowIsHidden) {
    QWidget mainWindow;
    QPointer<gb::app::ui::CSplashWnd> splash =
        gb::app::ui::CSplashWnd::Show(gb::app::ui::ArtLibrary::Splash(), &mainWindow);
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->NextWait(), 3000);

    splash->Check();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->NextWait(), 100);

    mainWindow.show();
    splash->Check();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull() || !splash->isVisible());
}

TEST(SplashTest, GivesUpWaitingAfterEightSeconds) {
    QWidget hidden;
    QPointer<gb::app::ui::CSplashWnd> splash =
        gb::app::ui::CSplashWnd::Show(gb::app::ui::ArtLibrary::Splash(), &hidden);
    ASSERT_NE(splash, nullptr);
    int checks = 0;
    while (!splash.isNull() && splash->isVisible() && checks < 100) {
        splash->Check();
        ++checks;
    }
    EXPECT_EQ(checks, 51);  // 3000 ms, then 50 steps of 100 ms to 8000 ms, then the close
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(SplashTest, WithoutItsPictureThereIsNoSplash) {
    QWidget mainWindow;
    EXPECT_EQ(gb::app::ui::CSplashWnd::Show(QPixmap(), &mainWindow), nullptr);
}

TEST(SplashTest, ThePictureIsOurOwn) {
    const QPixmap picture = gb::app::ui::ArtLibrary::Splash();
    EXPECT_EQ(picture.size(), QSize(480, 280));
}

}  // namespace
