// The status bar's lock-key panes. On the X window system they follow the
// server's keyboard indicators; the test locks Caps Lock through the keyboard
// extension, as the key itself would, and unlocks it again. Elsewhere
// (offscreen) the panes are there and stay empty. The X case runs under
// xvfb-run (the test "widgets_lock_keys_on_x").

#include <QtGui/qguiapplication_platform.h>
#include <QtGui/QGuiApplication>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStatusBar>

#include <gtest/gtest.h>
#include <xcb/xcb.h>
// The extension's header names a field "explicit", a word of C++.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include "widgets/LockKeyPanes.h"

namespace {

using gb::widgets::LockKeyPanes;
using Key = LockKeyPanes::Key;

constexpr int kNoticeTimeoutMs = 10000;

void LockCaps(xcb_connection_t* connection, bool locked) {
    xcb_xkb_latch_lock_state(connection, XCB_XKB_ID_USE_CORE_KBD, XCB_MOD_MASK_LOCK,
                             locked ? XCB_MOD_MASK_LOCK : 0, 0, 0, 0, 0, 0);
    xcb_flush(connection);
}

TEST(LockKeyPanesTest, CapsLockShowsInItsPaneWhileItIsLocked) {
    QStatusBar bar;
    const LockKeyPanes panes(bar);
    bar.show();
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        for (const Key key : {Key::Caps, Key::Num, Key::Scroll}) {
            EXPECT_EQ(panes.Pane(key).text(), "");
        }
        return;
    }
    xcb_connection_t* connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    LockCaps(connection, true);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return panes.Pane(Key::Caps).text() == "CAP"; }, kNoticeTimeoutMs));
    EXPECT_EQ(panes.Pane(Key::Scroll).text(), "");
    LockCaps(connection, false);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return panes.Pane(Key::Caps).text().isEmpty(); }, kNoticeTimeoutMs));
}

}  // namespace
