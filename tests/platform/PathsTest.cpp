#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include "tests/support/TempFolder.h"

namespace gb::paths {
namespace {

namespace fs = std::filesystem;

TEST(Paths, ProgramFolderIsTheExecutablesFolderUnlessOverridden) {
    ::unsetenv("GAVELBOOK_PROGRAM_DIR");
    EXPECT_TRUE(fs::exists(ProgramFolder() / "platform_tests"));
    ::setenv("GAVELBOOK_PROGRAM_DIR", "/opt/elsewhere", 1);
    EXPECT_EQ(ProgramFolder(), fs::path("/opt/elsewhere"));
    ::unsetenv("GAVELBOOK_PROGRAM_DIR");
}

TEST(Paths, StateFolderFollowsTheOverridesAndIsCreated) {
    const test::TempFolder temp;
    const fs::path base = temp / "state";
    ::unsetenv("GAVELBOOK_STATE_DIR");
    ::setenv("XDG_STATE_HOME", base.c_str(), 1);
    EXPECT_EQ(StateFolder(), base / "gavelbook");
    EXPECT_TRUE(fs::is_directory(base / "gavelbook"));

    ::setenv("GAVELBOOK_STATE_DIR", (base / "own").c_str(), 1);
    EXPECT_EQ(StateFolder(), base / "own");
    ::unsetenv("GAVELBOOK_STATE_DIR");
    ::unsetenv("XDG_STATE_HOME");
}

}  // namespace
}  // namespace gb::paths
