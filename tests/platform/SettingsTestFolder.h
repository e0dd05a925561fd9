#pragma once
// A fresh folder per test with both settings roots redirected into it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace gb::testing {

class SettingsTestFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("gb-settings-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        ::setenv("GAVELBOOK_USER_SETTINGS", (folder_ / "user").c_str(), 1);
        ::setenv("GAVELBOOK_MACHINE_SETTINGS", (folder_ / "machine").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("GAVELBOOK_USER_SETTINGS");
        ::unsetenv("GAVELBOOK_MACHINE_SETTINGS");
        std::error_code ignored;
        std::filesystem::permissions(folder_ / "machine", std::filesystem::perms::owner_all,
                                     ignored);
        std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path folder_;
};

}  // namespace gb::testing
