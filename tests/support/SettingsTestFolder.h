#pragma once
// A fresh folder per test with both settings roots redirected into it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/TempFolder.h"

namespace gb::test {

class SettingsTestFolder : public ::testing::Test {
protected:
    void SetUp() override {
        // Open to others as an ordinary folder would be: some tests read the
        // settings as another user.
        std::filesystem::permissions(
            folder_, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                         std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                         std::filesystem::perms::others_exec);
        ::setenv("GAVELBOOK_USER_SETTINGS", (folder_ / "user").c_str(), 1);
        ::setenv("GAVELBOOK_MACHINE_SETTINGS", (folder_ / "machine").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("GAVELBOOK_USER_SETTINGS");
        ::unsetenv("GAVELBOOK_MACHINE_SETTINGS");
        // A test may leave the machine root read-only; the folder must still go.
        std::error_code ignored;
        std::filesystem::permissions(folder_ / "machine", std::filesystem::perms::owner_all,
                                     ignored);
    }

private:
    TempFolder temp_;

protected:
    const std::filesystem::path folder_ = temp_.Path();
};

}  // namespace gb::test
