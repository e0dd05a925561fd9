#include "E2eEnvironment.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "platform/ComponentLibrary.h"
#include "platform/Locale.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace gb::e2e {
namespace {

std::unique_ptr<TempFolder> g_world;

class E2eEnvironment : public testing::Environment {
public:
    void SetUp() override {
        g_world = std::make_unique<TempFolder>();
        for (const auto& [variable, folder] : {std::pair{"GAVELBOOK_STATE_DIR", "state"},
                                               std::pair{"GAVELBOOK_USER_SETTINGS", "user"},
                                               std::pair{"GAVELBOOK_MACHINE_SETTINGS", "machine"},
                                               std::pair{"GAVELBOOK_PROGRAM_DIR", "program"}}) {
            const std::filesystem::path path = g_world->Path() / folder;
            std::filesystem::create_directories(path);
            ::setenv(variable, path.c_str(), 1);
        }
        SetUserDefaultLocale(kLocaleEnglishUS);
        for (const char* library : {GB_BIDSCOPE_LIBRARY, GB_FETCHWELL_LIBRARY}) {
            std::string error;
            const ComponentLibrary* loaded = ComponentLibrary::Load(library, &error);
            ASSERT_NE(loaded, nullptr) << error;
            ASSERT_EQ(loaded->RegisterServer(), S_OK) << library;
        }
        const std::string retrieval = std::string(kApplicationKey) + "\\Retrieval";
        Settings& user = Settings::CurrentUser();
        ASSERT_TRUE(user.SetNumber(retrieval, "ConnectTimeout", 5));
        ASSERT_TRUE(user.SetNumber(retrieval, "StallTimeout", kStallSeconds));
        ASSERT_TRUE(user.SetNumber(retrieval, "OverallTimeout", kEnvironmentOverallSeconds));
    }

    void TearDown() override {
        SetUserDefaultLocale(0);
        g_world.reset();
    }
};

[[maybe_unused]] const testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new E2eEnvironment);

}  // namespace

const std::filesystem::path& WorldFolder() {
    return g_world->Path();
}

}  // namespace gb::e2e
