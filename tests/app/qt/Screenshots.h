#pragma once
// Pictures of windows for the documentation: written only when
// GB_SCREENSHOT_DIR names a folder.

#include <QtCore/QString>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

namespace gb::test {

// The folder the pictures go to; empty when none are wanted.
inline QString ScreenshotFolder() {
    return qEnvironmentVariable("GB_SCREENSHOT_DIR");
}

// Shows `window` and saves its picture as `name` in the screenshot folder.
inline void SaveScreenshot(QWidget& window, const QString& name) {
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(ScreenshotFolder() + "/" + name));
}

}  // namespace gb::test
