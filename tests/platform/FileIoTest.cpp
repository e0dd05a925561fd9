#include "platform/FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include "tests/support/TempFolder.h"

namespace gb {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
protected:
    // A test may leave the folder read-only; it must still go.
    void TearDown() override { fs::permissions(folder_, fs::perms::owner_all); }

private:
    test::TempFolder temp_;

protected:
    const fs::path folder_ = temp_.Path();
};

TEST_F(FileIoTest, WritesAndReplacesWholeFiles) {
    const fs::path file = folder_ / "Demo.pro";
    WriteFileAtomically(file, std::string("first\0bytes", 11));
    EXPECT_EQ(ReadWholeFile(file), std::string("first\0bytes", 11));
    WriteFileAtomically(file, "second");
    EXPECT_EQ(ReadWholeFile(file), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, OwnerOnlyFilesAreUnreadableToOthers) {
    const fs::path file = folder_ / "secret.pro";
    WriteFileAtomically(file, "passwords", FileAccess::OwnerOnly);
    const auto perms = fs::status(file).permissions();
    EXPECT_EQ(perms & (fs::perms::group_all | fs::perms::others_all), fs::perms::none);
}

TEST_F(FileIoTest, FailedWriteLeavesTheOldFileAndNoTemporary) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write into a read-only folder";
    }
    const fs::path file = folder_ / "keep.fee";
    WriteFileAtomically(file, "old");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(WriteFileAtomically(file, "new"), FileError);
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(ReadWholeFile(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, WriteIntoAMissingFolderThrows) {
    EXPECT_THROW(WriteFileAtomically(folder_ / "missing" / "file", "x"), FileError);
}

TEST_F(FileIoTest, TargetThatIsAFolderIsNotReplaced) {
    fs::create_directories(folder_ / "AucField.fee");
    EXPECT_THROW(WriteFileAtomically(folder_ / "AucField.fee", "x"), FileError);
    EXPECT_TRUE(fs::is_directory(folder_ / "AucField.fee"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, ReadingAMissingFileGivesNothing) {
    EXPECT_FALSE(ReadWholeFile(folder_ / "none").has_value());
}

}  // namespace
}  // namespace gb
