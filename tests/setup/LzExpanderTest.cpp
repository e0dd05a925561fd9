#include "setup/core/LzExpander.h"

#include <gtest/gtest.h>

#include <random>

#include "ScratchHome.h"
#include "platform/FileIo.h"
#include "setup/medium/SzddWriter.h"

namespace gb::setup {
namespace {

namespace fs = std::filesystem;

constexpr fs::perms kReadWrite = fs::perms::owner_read | fs::perms::owner_write;

std::string RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

std::string Repeating(std::size_t count) {
    std::string text;
    while (text.size() < count) {
        text += "Gavelbook keeps track of auction items.   ";
    }
    text.resize(count);
    return text;
}

class LzExpanderTest : public ::testing::Test {
protected:
    fs::path Write(const std::string& name, std::string_view bytes) {
        const fs::path path = home_.Root() / name;
        WriteFileAtomically(path, bytes);
        return path;
    }
    test::ScratchHome home_;
};

// Our compressor and libmspack's decoder agree on every kind of data: empty,
// incompressible, long runs reaching back across the window's wrap.
TEST_F(LzExpanderTest, ExpandsWhatTheMediumCompressorWrote) {
    const std::string cases[] = {
        "", "a", RandomBytes(70000, 1), Repeating(300000),
        std::string(20000, ' ') + RandomBytes(5000, 2) + std::string(9000, 'x')};
    int index = 0;
    for (const std::string& data : cases) {
        SCOPED_TRACE(index);
        const fs::path source =
            Write("File" + std::to_string(index++) + ".ex_", CompressSzdd(data, 'e'));
        const fs::path target = home_.Root() / "expanded";
        const ExpandResult result = ExpandFile(source, target, kReadWrite);
        ASSERT_EQ(result.status, ExpandStatus::Expanded);
        EXPECT_EQ(result.size, data.size());
        EXPECT_EQ(ReadWholeFile(target), data);
    }
    EXPECT_LT(CompressSzdd(Repeating(300000), 'e').size(), 300000u / 4);
}

TEST_F(LzExpanderTest, ExpandedNameTakesTheCharacterKeptInTheHeader) {
    EXPECT_EQ(ExpandedName(Write("Lotkeeper.ex_", CompressSzdd("x", 'e'))), "Lotkeeper.exe");
    // The kept character replaces only a final "_", and only when there is one.
    EXPECT_EQ(ExpandedName(Write("Demo.pro", CompressSzdd("x", 'o'))), "Demo.pro");
    EXPECT_EQ(ExpandedName(Write("Notes.txt", CompressSzdd("x", 'q'))), "Notes.txt");
    EXPECT_EQ(ExpandedName(Write("Order.do_", CompressSzdd("x", '\0'))), "Order.do_");
    EXPECT_EQ(ExpandedName(Write("_", CompressSzdd("x", 'a'))), "a");
    // A file that is not compressed keeps its name and is copied unchanged.
    const fs::path plain = Write("Readme.txt", "SZ");
    EXPECT_EQ(ExpandedName(plain), "Readme.txt");
    ASSERT_EQ(ExpandFile(plain, home_.Root() / "copy", kReadWrite).status, ExpandStatus::Expanded);
    EXPECT_EQ(ReadWholeFile(home_.Root() / "copy"), "SZ");
    EXPECT_EQ(ExpandedName(home_.Root() / "missing.ex_"), std::nullopt);
}

// Files that are not compressed, down to the empty one and one that begins
// like the signature, are copied as they are.
TEST_F(LzExpanderTest, PlainFilesAreCopiedUnchanged) {
    for (const std::string& bytes : {std::string(), std::string("SZDD and then some text"),
                                     std::string("SZDD\x88\xF0\x27", 7)}) {
        SCOPED_TRACE(bytes);
        const fs::path plain = Write("Plain.txt", bytes);
        EXPECT_EQ(ExpandedName(plain), "Plain.txt");
        const ExpandResult result = ExpandFile(plain, home_.Root() / "copy", kReadWrite);
        ASSERT_EQ(result.status, ExpandStatus::Expanded);
        EXPECT_EQ(result.size, bytes.size());
        EXPECT_EQ(ReadWholeFile(home_.Root() / "copy"), bytes);
    }
}

TEST_F(LzExpanderTest, MissingSourceIsUnreadable) {
    EXPECT_EQ(ExpandFile(home_.Root() / "missing.ex_", home_.Root() / "x", kReadWrite).status,
              ExpandStatus::SourceUnreadable);
    EXPECT_FALSE(fs::exists(home_.Root() / "x"));
}

// The length in the header must match the data: a header that claims less
// or more than the data hold is corrupt.
TEST_F(LzExpanderTest, LengthFieldThatDisagreesWithTheDataIsCorrupt) {
    const std::string data = Repeating(5000) + RandomBytes(3000, 4);
    const std::string compressed = CompressSzdd(data, 'e');
    for (const std::uint32_t claimed :
         {std::uint32_t{4000}, std::uint32_t{4096}, std::uint32_t{7999}, std::uint32_t{8001}}) {
        SCOPED_TRACE(claimed);
        std::string patched = compressed;
        for (int i = 0; i < 4; ++i) {
            patched[10 + i] = static_cast<char>((claimed >> (8 * i)) & 0xFF);
        }
        const fs::path source = Write("Claimed.ex_", patched);
        EXPECT_EQ(ExpandFile(source, home_.Root() / "out", kReadWrite).status,
                  ExpandStatus::Corrupt);
        EXPECT_FALSE(fs::exists(home_.Root() / "out"));
    }
}

// The format has no checksum: a file cut short is caught by its length, and
// the old target stays as it was.
TEST_F(LzExpanderTest, CutFileIsCorruptAndLeavesTheTargetAlone) {
    const std::string compressed = CompressSzdd(RandomBytes(10000, 3), 'l');
    const fs::path target = Write("Bidscope.so", "old");
    for (const std::size_t keep : {compressed.size() - 100, std::size_t{12}}) {
        SCOPED_TRACE(keep);
        const fs::path source = Write("Bidscope.dl_", compressed.substr(0, keep));
        EXPECT_EQ(ExpandFile(source, target, kReadWrite).status, ExpandStatus::Corrupt);
        EXPECT_EQ(ReadWholeFile(target), "old");
    }
    for (const auto& entry : fs::directory_iterator(home_.Root())) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".Bidscope")) << entry.path();
    }
}

TEST_F(LzExpanderTest, ExpandingAFileOntoItselfKeepsItWhole) {
    const fs::path plain = Write("Readme.txt", "the readme");
    ASSERT_EQ(ExpandFile(plain, plain, kReadWrite).status, ExpandStatus::Expanded);
    EXPECT_EQ(ReadWholeFile(plain), "the readme");
}

}  // namespace
}  // namespace gb::setup
