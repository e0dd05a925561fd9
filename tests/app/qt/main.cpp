// The widget tests run on the offscreen platform, format under US English
// and keep every setting, log and written page in a folder of their own. The
// main window shows web folders in a real web view, so the web engine is
// prepared as the program does, drawing in software.

#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

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
    const TempFolder settings;
    std::filesystem::permissions(settings.Path(), std::filesystem::perms::owner_all);
    qputenv("GAVELBOOK_USER_SETTINGS", QByteArray::fromStdString((settings / "user").string()));
    qputenv("GAVELBOOK_MACHINE_SETTINGS",
            QByteArray::fromStdString((settings / "machine").string()));
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(settings.Path().string()));
    // The retrievals of the update tests keep their logs and pages here too,
    // the web engine its files.
    for (const char* variable :
         {"GAVELBOOK_STATE_DIR", "GAVELBOOK_PROGRAM_DIR", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const std::filesystem::path folder = settings / variable;
        std::filesystem::create_directories(folder);
        qputenv(variable, QByteArray::fromStdString(folder.string()));
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    const gb::test::PinnedLocale usEnglish(gb::kLocaleEnglishUS);
    gb::app::ui::PrepareWebEngine();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
