// The web views' tests: the web engine is prepared as the program does before
// the QApplication exists and draws in software on the offscreen platform;
// settings and the engine's files stay in a folder of their own.

#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include "app/ui/web/WebEngineSetup.h"
#include "platform/Locale.h"
#include "tests/support/PinnedLocale.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WebTestEnvironment.h"

using gb::test::TempFolder;

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const TempFolder home;
    gb::test::PrepareWebTestEnvironment(home.Path());
    qputenv("GAVELBOOK_USER_SETTINGS", QByteArray::fromStdString((home / "user").string()));
    qputenv("GAVELBOOK_MACHINE_SETTINGS", QByteArray::fromStdString((home / "machine").string()));
    const gb::test::PinnedLocale usEnglish(gb::kLocaleEnglishUS);
    gb::app::ui::PrepareWebEngine();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
