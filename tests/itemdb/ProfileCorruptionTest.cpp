// Damaged profile files are refused with the archive exception, never read
// past their end, and never hang the reader.

#include <gtest/gtest.h>

#include <string>

#include "ProfileTestWriter.h"
#include "itemdb/AucDoc.h"
#include "platform/Archive.h"

using namespace gb::itemdb;

namespace {

// Field offsets inside a 600-byte folder record.
constexpr std::size_t kRecordSize = 600;
constexpr std::size_t kIdOffset = 8;
constexpr std::size_t kParentOffset = 12;
constexpr std::size_t kNextOffset = 16;
constexpr std::size_t kNameOffset = 20;
constexpr std::size_t kDescriptionOffset = 80;
constexpr std::size_t kDataOffset = 334;
constexpr std::size_t kFilterOffset = 596;

bool IsRefused(const std::string& bytes) {
    CAucDoc doc;
    try {
        gb::Archive ar = gb::Archive::ForLoading(bytes, "damaged.pro");
        doc.Serialize(ar);
    } catch (const gb::ArchiveException&) {
        return true;
    }
    return false;
}

TEST(ProfileCorruption, EveryTenthByteCutIsRefused) {
    const std::string bytes = WriteProfile(SampleProfile(), 272252);
    ASSERT_FALSE(IsRefused(bytes));
    for (std::size_t length = 0; length < bytes.size(); length += 10) {
        EXPECT_TRUE(IsRefused(bytes.substr(0, length))) << "cut at " << length;
    }
}

TEST(ProfileCorruption, EveryCutOfAnOldVersionIsRefused) {
    const std::string bytes = WriteProfile(SampleProfile(), 272247);
    for (std::size_t length = 0; length < bytes.size(); length += 7) {
        EXPECT_TRUE(IsRefused(bytes.substr(0, length))) << "cut at " << length;
    }
    EXPECT_TRUE(IsRefused(bytes.substr(0, bytes.size() - 1)));
}

// The bytes of a sample profile, with access to its folder records.
class DamagedProfile {
public:
    DamagedProfile() : model_(SampleProfile()), bytes_(WriteProfile(model_, 272252)) {
        gb::Archive sellers = gb::Archive::ForStoring("sellers");
        CSellerList copy = model_.sellers;
        copy.Serialize(sellers);
        nodes_ = WriteProfileHeader(model_, 272252).size() + sellers.Bytes().size() + 4 + 2;
    }

    const std::string& Bytes() const { return bytes_; }
    const ProfileModel& Model() const { return model_; }
    int NodeCount() const { return model_.folders.GetCount(); }

    // Where a field of the folder at array index `node` lies in the file.
    std::size_t At(std::size_t node, std::size_t offset) const {
        return nodes_ + node * kRecordSize + offset;
    }
    void PutInt32(std::size_t node, std::size_t offset, std::int32_t value) {
        for (std::size_t i = 0; i < 4; ++i) {
            bytes_[At(node, offset) + i] =
                static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
        }
    }
    std::int32_t GetInt32(std::size_t node, std::size_t offset) const {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const auto byte = static_cast<unsigned char>(bytes_[At(node, offset) + i]);
            value |= static_cast<std::uint32_t>(byte) << (8 * i);
        }
        return static_cast<std::int32_t>(value);
    }
    // Overwrites a text field with characters, leaving it without terminator.
    void Fill(std::size_t node, std::size_t offset, std::size_t size) {
        bytes_.replace(At(node, offset), size, size, 'x');
    }

private:
    ProfileModel model_;
    std::string bytes_;
    std::size_t nodes_ = 0;
};

TEST(ProfileCorruption, TheOffsetsFindTheFolderRecords) {
    const DamagedProfile profile;
    EXPECT_EQ(profile.GetInt32(0, kIdOffset), 100);
    EXPECT_EQ(profile.Bytes().substr(profile.At(0, kNameOffset), profile.Model().name.size()),
              profile.Model().name);
    EXPECT_FALSE(IsRefused(profile.Bytes()));
}

struct Damage {
    const char* name;
    void (*apply)(DamagedProfile&);
};

void PrintTo(const Damage& c, std::ostream* os) {
    *os << c.name;
}

class NodeDamageTest : public ::testing::TestWithParam<Damage> {};

TEST_P(NodeDamageTest, IsRefused) {
    DamagedProfile profile;
    GetParam().apply(profile);
    EXPECT_TRUE(IsRefused(profile.Bytes()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Records, NodeDamageTest,
    ::testing::Values(
        Damage{"NextPastTheEnd", [](DamagedProfile& p) { p.PutInt32(3, kNextOffset, p.NodeCount()); }},
        Damage{"NextNegative", [](DamagedProfile& p) { p.PutInt32(3, kNextOffset, -1); }},
        Damage{"NextOntoItself", [](DamagedProfile& p) { p.PutInt32(3, kNextOffset, 3); }},
        Damage{"ChainCycleBackToAnEarlierNode", [](DamagedProfile& p) {
                   p.PutInt32(static_cast<std::size_t>(p.NodeCount() - 1), kNextOffset, 1); }},
        Damage{"FilterIndexPastTheFilters", [](DamagedProfile& p) { p.PutInt32(2, kFilterOffset, 1000); }},
        Damage{"FilterIndexShared", [](DamagedProfile& p) {
                   p.PutInt32(2, kFilterOffset, p.GetInt32(3, kFilterOffset)); }},
        Damage{"ParentUnknown", [](DamagedProfile& p) { p.PutInt32(4, kParentOffset, 9999); }},
        Damage{"ParentIsItself", [](DamagedProfile& p) {
                   p.PutInt32(4, kParentOffset, p.GetInt32(4, kIdOffset)); }},
        Damage{"ParentCycle", [](DamagedProfile& p) {
                   p.PutInt32(8, kParentOffset, p.GetInt32(9, kIdOffset));
                   p.PutInt32(9, kParentOffset, p.GetInt32(8, kIdOffset)); }},
        Damage{"DuplicateId", [](DamagedProfile& p) { p.PutInt32(5, kIdOffset, p.GetInt32(6, kIdOffset)); }},
        Damage{"RootIsNotTheRoot", [](DamagedProfile& p) { p.PutInt32(0, kIdOffset, 99); }},
        Damage{"NameUnterminated", [](DamagedProfile& p) { p.Fill(7, kNameOffset, 60); }},
        Damage{"DescriptionUnterminated", [](DamagedProfile& p) { p.Fill(7, kDescriptionOffset, 254); }},
        Damage{"DataUnterminated", [](DamagedProfile& p) { p.Fill(7, kDataOffset, 254); }}),
    [](const auto& test) { return std::string(test.param.name); });
// clang-format on

TEST(ProfileCorruption, FolderCountZeroIsRefused) {
    gb::Archive ar = gb::Archive::ForStoring("tree");
    ar.WriteInt32(151);
    ar.WriteCount(0);
    ar.WriteCount(0);
    gb::Archive in = gb::Archive::ForLoading(ar.Bytes(), "tree");
    CFolderTree tree;
    tree.AddNode(127, 100, 100);
    const CFolderTree before = tree;
    EXPECT_THROW(tree.Serialize(in), gb::ArchiveException);
    EXPECT_EQ(tree, before);
}

TEST(ProfileCorruption, HugeCountsFailWithoutAllocating) {
    ProfileModel model = SampleProfile();
    const std::string header = WriteProfileHeader(model, 272252);
    for (const std::uint32_t count : {0x7FFFFFFFu, 0xFFFFFFFFu}) {
        gb::Archive ar = gb::Archive::ForStoring("p");
        ar.WriteBytes(header);
        ar.WriteInt32(static_cast<std::int32_t>(count));  // seller count
        EXPECT_TRUE(IsRefused(ar.Bytes())) << count;
    }
    gb::Archive ar = gb::Archive::ForStoring("p");
    ar.WriteBytes(header);
    ar.WriteInt32(0);  // sellers
    ar.WriteInt32(151);
    ar.WriteCount(1);
    ar.WriteBytes(std::string(600, '\0'));  // one folder record
    ar.WriteCount(0xFFFFFFF0u);             // filters far beyond the bytes left
    EXPECT_TRUE(IsRefused(ar.Bytes()));
}

}  // namespace
