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
    // A file that is not compressed keeps its name and is copied unchanged.
    const fs::path plain = Write("Readme.txt", "SZ");
    EXPECT_EQ(ExpandedName(plain), "Readme.txt");
    ASSERT_EQ(ExpandFile(plain, home_.Root() / "copy", kReadWrite).status, ExpandStatus::Expanded);
    EXPECT_EQ(ReadWholeFile(home_.Root() / "copy"), "SZ");
    EXPECT_EQ(ExpandedName(home_.Root() / "missing.ex_"), std::nullopt);
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
