#include "platform/MappedFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "platform/FileIo.h"
#include "tests/support/TempFolder.h"

namespace gb {
namespace {

namespace fs = std::filesystem;

TEST(MappedFile, GivesTheWholeFileAndNothingForAMissingOne) {
    test::TempFolder folder;
    const std::string bytes("first\0second", 12);
    WriteFileAtomically(folder.Path() / "Shop.pro", bytes);
    const std::optional<MappedFile> file = MappedFile::Open(folder.Path() / "Shop.pro");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Bytes(), bytes);

    WriteFileAtomically(folder.Path() / "Empty.pro", "");
    const std::optional<MappedFile> empty = MappedFile::Open(folder.Path() / "Empty.pro");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->Bytes().empty());

    EXPECT_FALSE(MappedFile::Open(folder.Path() / "missing.pro"));
}

TEST(MappedFile, KeepsItsBytesWhenASaveReplacesTheFileAndWhenMoved) {
    test::TempFolder folder;
    const fs::path path = folder.Path() / "Shop.pro";
    WriteFileAtomically(path, "before the save");
    std::optional<MappedFile> file = MappedFile::Open(path);
    ASSERT_TRUE(file);
    WriteFileAtomically(path, "after");
    MappedFile moved = std::move(*file);
    EXPECT_EQ(moved.Bytes(), "before the save");
    EXPECT_EQ(MappedFile::Open(path)->Bytes(), "after");
}

TEST(MappedFile, ReadsAPipeWhole) {
    test::TempFolder folder;
    const fs::path pipe = folder.Path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] {
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(::write(fd, "piped", 5), 5);
        ::close(fd);
    });
    const std::optional<MappedFile> file = MappedFile::Open(pipe);
    writer.join();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Bytes(), "piped");
}

}  // namespace
}  // namespace gb
