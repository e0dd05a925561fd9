#pragma once
// For the test programs that show web pages, before their QApplication
// exists: the offscreen platform unless another is named, the web engine
// drawing in software, and the engine's runtime, data and cache folders
// private to the user under `home`. Whether the engine runs in its sandbox is
// left to the programs' own preparation, as it is for the user: a setting of
// it the shell gave is dropped.

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

#include <filesystem>

namespace gb::test {

inline void PrepareWebTestEnvironment(const std::filesystem::path& home) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    std::filesystem::permissions(home, std::filesystem::perms::owner_all);
    for (const char* variable : {"XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const std::filesystem::path folder = home / variable;
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        qputenv(variable, QByteArray::fromStdString(folder.string()));
    }
}

}  // namespace gb::test
