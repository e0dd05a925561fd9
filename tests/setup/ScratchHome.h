#pragma once
// A temporary home folder for one test: HOME and the XDG folders point into
// it, the settings redirections are lifted, and everything is restored and
// removed afterwards. The runtime folder is private too, so that a program the
// test starts never hands over to one the developer has open.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "tests/support/TempFolder.h"

namespace gb::test {

class ScratchHome {
public:
    ScratchHome() : root_(temp_.Path()) {
        std::filesystem::create_directories(root_ / "home" / "Desktop");
        Set("HOME", (root_ / "home").string());
        Set("XDG_DATA_HOME", (root_ / "home" / ".local" / "share").string());
        Set("XDG_CONFIG_HOME", (root_ / "home" / ".config").string());
        Set("XDG_STATE_HOME", (root_ / "home" / ".local" / "state").string());
        const std::filesystem::path runtime = root_ / "runtime";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        Set("XDG_RUNTIME_DIR", runtime.string());
        for (const char* name :
             {"XDG_DESKTOP_DIR", "GAVELBOOK_USER_SETTINGS", "GAVELBOOK_MACHINE_SETTINGS",
              "GAVELBOOK_PROGRAM_DIR", "GAVELBOOK_STATE_DIR"}) {
            Set(name, std::nullopt);
        }
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;
    ~ScratchHome() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path Home() const { return root_ / "home"; }
    std::filesystem::path Desktop() const { return Home() / "Desktop"; }
    std::filesystem::path DataHome() const { return Home() / ".local" / "share"; }
    std::filesystem::path UserSettings() const {
        return Home() / ".config" / "gavelbook" / "user.settings";
    }

    // Sets (or with nothing, removes) a variable until the test ends.
    void Set(const std::string& name, const std::optional<std::string>& value) {
        if (!saved_.contains(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

private:
    TempFolder temp_;
    std::filesystem::path root_;
    std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace gb::test
