// The editor's window tests: the web engine is prepared as the program does
// and draws in software on the offscreen platform; the engine's files and the
// instance locks stay in a folder of their own.

#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"
#include "tests/support/WebTestEnvironment.h"
#include "widgets/WebEngineStart.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const gb::test::TempFolder home;
    gb::test::PrepareWebTestEnvironment(home.Path());
    gb::widgets::PrepareWebEngineProcess();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
