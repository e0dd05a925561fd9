// Points the state folder (session logs) and the settings roots of the whole
// test program at a temporary folder before any test runs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace gb::test {
namespace {

class RetrievalTestEnvironment : public testing::Environment {
public:
    void SetUp() override {
        folder_ = std::make_unique<TempFolder>();
        ::setenv("GAVELBOOK_STATE_DIR", (folder_->Path() / "state").c_str(), 1);
        ::setenv("GAVELBOOK_USER_SETTINGS", (folder_->Path() / "user").c_str(), 1);
        ::setenv("GAVELBOOK_MACHINE_SETTINGS", (folder_->Path() / "machine").c_str(), 1);
    }
    void TearDown() override { folder_.reset(); }

private:
    std::unique_ptr<TempFolder> folder_;
};

[[maybe_unused]] const testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new RetrievalTestEnvironment);

}  // namespace
}  // namespace gb::test
