// The editor's window tests: the web engine runs without its sandbox and
// draws in software on the offscreen platform; the engine's files and the
// instance locks stay in a folder of their own.

#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    const gb::test::TempFolder home;
    std::filesystem::permissions(home.Path(), std::filesystem::perms::owner_all);
    for (const char* variable : {"XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const std::filesystem::path folder = home / variable;
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        qputenv(variable, QByteArray::fromStdString(folder.string()));
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
