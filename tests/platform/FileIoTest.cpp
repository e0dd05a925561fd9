#include "platform/FileIo.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

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

// The permissions the umask leaves a written file or a created folder.
struct PermissionCase {
    FileAccess access;
    mode_t umask;
    fs::perms file;
    fs::perms folder;
};

TEST_F(FileIoTest, OwnerOnlyIsOwnerOnlyWhateverTheUmaskAndEveryoneFollowsIt) {
    using fs::perms;
    const PermissionCase cases[] = {
        {FileAccess::OwnerOnly, 0, perms::owner_read | perms::owner_write, perms::owner_all},
        {FileAccess::OwnerOnly, 022, perms::owner_read | perms::owner_write, perms::owner_all},
        {FileAccess::Everyone, 022,
         perms::owner_read | perms::owner_write | perms::group_read | perms::others_read,
         perms::owner_all | perms::group_read | perms::group_exec | perms::others_read |
             perms::others_exec},
        {FileAccess::Everyone, 077, perms::owner_read | perms::owner_write, perms::owner_all},
    };
    int i = 0;
    for (const PermissionCase& c : cases) {
        SCOPED_TRACE(i);
        const mode_t before = ::umask(c.umask);
        const fs::path file = folder_ / ("file" + std::to_string(i));
        WriteFileAtomically(file, "x", c.access);
        // Replacing a file gives the new one the same permissions.
        WriteFileAtomically(file, "y", c.access);
        const fs::path created = folder_ / ("folder" + std::to_string(i)) / "inner";
        const bool made = CreateFolders(created, c.access);
        ::umask(before);
        EXPECT_EQ(fs::status(file).permissions(), c.file);
        ASSERT_TRUE(made);
        EXPECT_EQ(fs::status(created).permissions(), c.folder);
        EXPECT_EQ(fs::status(created.parent_path()).permissions(), c.folder);
        ++i;
    }
}

// The permissions the user gave a file outlive its saves, whatever the
// writer would give a new one; a file the user made read-only is not replaced.
TEST_F(FileIoTest, AReplacedFileKeepsItsPermissionsAndAReadOnlyOneStays) {
    using fs::perms;
    const fs::path shared = folder_ / "Shared.pro";
    WriteFileAtomically(shared, "old", FileAccess::OwnerOnly);
    const perms groupReads = perms::owner_read | perms::owner_write | perms::group_read;
    fs::permissions(shared, groupReads);
    WriteFileAtomically(shared, "new", FileAccess::OwnerOnly);
    EXPECT_EQ(fs::status(shared).permissions(), groupReads);
    AtomicFileWriter writer(shared, FileAccess::Everyone);
    writer.Append("newer");
    writer.Commit();
    EXPECT_EQ(fs::status(shared).permissions(), groupReads);

    const fs::path kept = folder_ / "Kept.pro";
    WriteFileAtomically(kept, "old", FileAccess::OwnerOnly);
    fs::permissions(kept, perms::owner_read | perms::group_read);
    try {
        WriteFileAtomically(kept, "new", FileAccess::OwnerOnly);
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("read-only"), std::string::npos) << error.what();
    }
    EXPECT_EQ(ReadWholeFile(kept), "old");
    EXPECT_EQ(fs::status(kept).permissions(), perms::owner_read | perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

TEST_F(FileIoTest, WritingRemovesOnlyItsOwnFilesStaleTemporaries) {
    const fs::path file = folder_ / "Shop.pro";
    const std::set<std::string> kept = {
        ".Other.pro.gavelbook-Ab12Cd",  // another file's
        ".Shop.pro.gavelbook-Ab12Cd7",  // not a name we make
        ".Shop.pro.gavelbook-Ab-2Cd",   // not a name we make
        "Shop.pro.gavelbook-Ab12Cd",    // the user's own
        ".Shop.pro.gavelbook-Live00",   // a save still writing it
    };
    for (const std::string& name : kept) {
        WriteFileAtomically(folder_ / name, "keep");
    }
    WriteFileAtomically(folder_ / ".Shop.pro.gavelbook-Stale0", "left by a killed save");
    const int live = ::open((folder_ / ".Shop.pro.gavelbook-Live00").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    WriteFileAtomically(file, "profile");
    ::close(live);

    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        names.insert(entry.path().filename().string());
    }
    std::set<std::string> expected = kept;
    expected.insert("Shop.pro");
    EXPECT_EQ(names, expected);

    RemoveStaleTemporaries(file);
    EXPECT_FALSE(fs::exists(folder_ / ".Shop.pro.gavelbook-Live00"));
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

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST_F(FileIoTest, WritingThroughLinksReplacesTheFileTheyLeadToAndKeepsThem) {
    // Desk/Shop.pro -> ../Profiles/current.pro -> Shop-2026.pro (relative links).
    fs::create_directories(folder_ / "Desk");
    fs::create_directories(folder_ / "Profiles");
    const fs::path real = folder_ / "Profiles" / "Shop-2026.pro";
    WriteFileAtomically(real, "old");
    fs::create_symlink("Shop-2026.pro", folder_ / "Profiles" / "current.pro");
    const fs::path link = folder_ / "Desk" / "Shop.pro";
    fs::create_symlink(fs::path("..") / "Profiles" / "current.pro", link);

    WriteFileAtomically(link, "new", FileAccess::OwnerOnly);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(folder_ / "Profiles" / "current.pro"));
    EXPECT_EQ(ReadWholeFile(real), "new");
    EXPECT_EQ(ReadWholeFile(link), "new");
    EXPECT_EQ(EntriesIn(folder_ / "Desk"), 1u);
    EXPECT_EQ(EntriesIn(folder_ / "Profiles"), 2u);
}

TEST_F(FileIoTest, WritingThroughALinkToAMissingFileCreatesItAndALoopIsRefused) {
    const fs::path link = folder_ / "Shop.pro";
    fs::create_symlink(folder_ / "Shop-new.pro", link);
    WriteFileAtomically(link, "first");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(folder_ / "Shop-new.pro"), "first");

    fs::create_symlink("b.pro", folder_ / "a.pro");
    fs::create_symlink("a.pro", folder_ / "b.pro");
    EXPECT_THROW(WriteFileAtomically(folder_ / "a.pro", "x"), FileError);
    EXPECT_TRUE(fs::is_symlink(folder_ / "a.pro"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "b.pro"));
    EXPECT_EQ(EntriesIn(folder_), 4u);
}

TEST_F(FileIoTest, WriterPutsItsPiecesInPlaceOnlyWhenCommitted) {
    const fs::path file = folder_ / "Shop.pro";
    WriteFileAtomically(file, "old");
    {
        AtomicFileWriter abandoned(file, FileAccess::OwnerOnly);
        abandoned.Append("never");
    }
    EXPECT_EQ(ReadWholeFile(file), "old");
    EXPECT_EQ(EntriesIn(folder_), 1u);

    AtomicFileWriter writer(file, FileAccess::OwnerOnly);
    writer.Append("new ");
    writer.Append("");
    writer.Append("bytes");
    EXPECT_EQ(ReadWholeFile(file), "old");
    writer.Commit();
    EXPECT_EQ(ReadWholeFile(file), "new bytes");
    EXPECT_EQ(EntriesIn(folder_), 1u);
}

TEST_F(FileIoTest, ReadingAMissingFileGivesNothing) {
    EXPECT_FALSE(ReadWholeFile(folder_ / "none").has_value());
}

}  // namespace
}  // namespace gb
