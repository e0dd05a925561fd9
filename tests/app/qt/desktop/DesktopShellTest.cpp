// The report page and the site pages open with the desktop's own program:
// the program's shell service hands them to Qt, which starts `xdg-open`. A
// stand-in `xdg-open` on PATH writes down what it was given. Runs on a real
// display platform (X under xvfb-run): the offscreen platform opens nothing.

#include <QtCore/QThread>
#include <QtGui/QGuiApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/core/report/ReportRun.h"
#include "app/ui/QtShellService.h"
#include "platform/FileIo.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace {

// The lines the stand-in wrote, once it wrote `count` of them (or after a
// minute).
std::vector<std::string> LinesOnceThere(const std::filesystem::path& log, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::vector<std::string> lines;
    while (std::chrono::steady_clock::now() < deadline) {
        lines.clear();
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        if (lines.size() >= count) {
            break;
        }
        QThread::msleep(50);
    }
    return lines;
}

TEST(DesktopShellTest, PagesOpenWithTheDesktopsProgramAndWithoutOneTheOpeningFails) {
    if (QGuiApplication::platformName() == "offscreen") {
        GTEST_SKIP() << "the offscreen platform opens nothing";
    }
    const TempFolder folder;
    const std::filesystem::path bin = folder / "bin";
    std::filesystem::create_directory(bin);
    const std::filesystem::path log = folder / "opened.log";
    const std::string oldPath = qEnvironmentVariable("PATH").toStdString();
    gb::app::ui::QtShellService shell;

    // No program on PATH that could open a page.
    qputenv("PATH", QByteArray::fromStdString(bin.string()));
    EXPECT_FALSE(shell.OpenLink("https://site.test/item?id=555"));

    const std::filesystem::path xdgOpen = bin / "xdg-open";
    gb::WriteFileAtomically(xdgOpen,
                            "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + log.string() + "'\n");
    std::filesystem::permissions(xdgOpen, std::filesystem::perms::owner_all);
    qputenv("PATH", QByteArray::fromStdString(bin.string() + ":" + oldPath));
    const std::string report = gb::app::FileUrl(folder / "AucRpt.htm");
    EXPECT_TRUE(shell.OpenLink("https://site.test/item?id=555"));
    EXPECT_TRUE(shell.OpenLink(report));
    qputenv("PATH", QByteArray::fromStdString(oldPath));

    std::vector<std::string> opened = LinesOnceThere(log, 2);
    std::sort(opened.begin(), opened.end());
    EXPECT_EQ(opened, (std::vector<std::string>{"file://" + (folder / "AucRpt.htm").string(),
                                                "https://site.test/item?id=555"}));
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
