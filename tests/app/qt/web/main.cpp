// The web views' tests: the web engine is prepared before the QApplication
// exists, runs without its sandbox and draws in software on the offscreen
// platform; settings and the engine's files stay in a folder of their own.

#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include "app/ui/web/WebEngineSetup.h"
#include "platform/Locale.h"
#include "tests/support/PinnedLocale.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    const TempFolder home;
    std::filesystem::permissions(home.Path(), std::filesystem::perms::owner_all);
    qputenv("GAVELBOOK_USER_SETTINGS", QByteArray::fromStdString((home / "user").string()));
    qputenv("GAVELBOOK_MACHINE_SETTINGS", QByteArray::fromStdString((home / "machine").string()));
    for (const char* variable : {"XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const std::filesystem::path folder = home / variable;
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        qputenv(variable, QByteArray::fromStdString(folder.string()));
    }
    const gb::test::PinnedLocale usEnglish(gb::kLocaleEnglishUS);
    gb::app::ui::PrepareWebEngine();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
