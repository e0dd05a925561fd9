#include <gtest/gtest.h>

#include <string>

#include "AucDocDoubles.h"
#include "ProfileTestWriter.h"
#include "itemdb/AucDoc.h"
#include "platform/Archive.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

class ProfileVersionTest : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(ProfileVersionTest, ReadsBackTheModelAndSavesItAsTheCurrentVersion) {
    const std::int32_t version = GetParam();
    const ProfileModel model = SampleProfile();
    RecordingHost host;
    CAucDoc doc;
    doc.SetHost(&host);
    LoadProfile(doc, WriteProfile(model, version));
    EXPECT_EQ(doc.GetFileVersion(), version);
    EXPECT_EQ(host.fileVersion, version);
    ExpectDocumentHolds(doc, model);

    EXPECT_EQ(StoreProfile(doc), WriteProfile(model, 272252));
    EXPECT_EQ(doc.GetFileVersion(), 272252);
    EXPECT_EQ(host.fileVersion, 272252);
}

INSTANTIATE_TEST_SUITE_P(Readable, ProfileVersionTest, ::testing::Range(272246, 272253));

TEST(ProfileFile, CurrentVersionReadAndWrittenIsByteIdentical) {
    ProfileModel model = SampleProfile();
    model.headerValue = -77;
    // Fields only the newest layout holds.
    CAucItem& item = model.items[1][0];
    item.SetChargeNote("charge note");
    item.SetFeedback("positive");
    item.SetReserveAmt("$50.00");
    item.SetOtherCharges("$1.25");
    item.AddItemizedCharge(3);
    item.AddItemizedFee(7);
    item.SetTransactionFee("$0.30");
    item.SetAuctionType("Chinese");
    item.SetStoreItem(true);
    std::string bytes = WriteProfile(model, 272252);
    // Bytes after a folder name's terminator are kept as found.
    const std::size_t rootName = WriteProfileHeader(model, 272252).size() + [&] {
        gb::Archive ar = gb::Archive::ForStoring("sellers");
        CSellerList sellers = model.sellers;
        sellers.Serialize(ar);
        return ar.Bytes().size();
    }() + 4 + 2 + 20;
    ASSERT_EQ(bytes.substr(rootName, model.name.size()), model.name);
    bytes[rootName + 50] = 'J';

    CAucDoc doc;
    LoadProfile(doc, bytes);
    EXPECT_EQ(doc.GetHeaderValue(), -77);
    EXPECT_EQ(StoreProfile(doc), bytes);
}

TEST(ProfileFile, PartFlagsAreClearAfterLoadingAndSaving) {
    CAucDoc doc;
    LoadProfile(doc, WriteProfile(SampleProfile(), 272252));
    EXPECT_FALSE(doc.EditFolders().IsModified());
    EXPECT_FALSE(doc.GetSellerList().IsModified());
    EXPECT_FALSE(doc.GetItemList().IsModified());
    doc.GetSellerList().SetActive(1);
    doc.GetSellerList().SetCurrent(1);
    doc.GetSellerList().SetActive(1);
    StoreProfile(doc);
    EXPECT_FALSE(doc.GetSellerList().IsModified());
}

struct RefusedCase {
    const char* name;
    std::uint32_t version;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedVersionTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedVersionTest, ThrowsTheProfileFormatError) {
    ProfileModel model = SampleProfile();
    const std::string bytes = WriteProfile(model, static_cast<std::int32_t>(GetParam().version));
    CAucDoc doc;
    try {
        LoadProfile(doc, bytes);
        ADD_FAILURE() << "no exception";
    } catch (const gb::ArchiveException& e) {
        EXPECT_EQ(e.fileName(), "Profile");
        EXPECT_EQ(e.cause(), gb::ArchiveException::Cause::BadIndex);
    }
    // No section was read.
    EXPECT_EQ(doc.GetProfileName(), "");
    EXPECT_EQ(doc.GetSellerList().GetCount(), 0);
}

TEST_P(RefusedVersionTest, OpenSaysUnexpectedFileFormat) {
    TempFolder folder;
    const auto path = folder.Write(
        "old.pro", WriteProfile(SampleProfile(), static_cast<std::int32_t>(GetParam().version)));
    ScriptedPrompts prompts;
    CAucDoc doc;
    doc.SetPrompts(&prompts);
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_EQ(prompts.errors, std::vector<std::string>{"Unexpected file format."});
}

INSTANTIATE_TEST_SUITE_P(Versions, RefusedVersionTest,
                         ::testing::Values(RefusedCase{"JustBeforeTheOldest", 272245},
                                           RefusedCase{"JustAfterTheNewest", 272253},
                                           RefusedCase{"Zero", 0},
                                           RefusedCase{"NegativeWhenSigned", 0x80000000u + 272250}),
                         [](const auto& test) { return std::string(test.param.name); });

// The first character of a folder's column set as read from a file whose
// folder data was stored plainly and whose version field says `version`.
char FirstColumnCharacterRead(std::int32_t version) {
    ProfileModel model = SampleProfile();
    model.folders.FindNode(118);
    model.folders.SetCurColumnsOrURL("DEFGH");
    std::string bytes = WriteProfile(model, 272249);
    const auto v = static_cast<std::uint32_t>(version);
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    CAucDoc doc;
    LoadProfile(doc, bytes);
    CFolderTree& tree = doc.EditFolders();
    tree.FindNode(118);
    EXPECT_EQ(tree.GetCurColumnsOrURL().substr(1), "EFGH");
    return tree.GetCurColumnsOrURL()[0];
}

TEST(ProfileFile, OldFilesHaveTheirFolderDataLoweredBy32) {
    EXPECT_EQ(FirstColumnCharacterRead(272248), '$');
    EXPECT_EQ(FirstColumnCharacterRead(272249), 'D');
}

TEST(ProfileFile, LoweringLeavesTheRootAndEmptyDataAlone) {
    ProfileModel model = SampleProfile();
    CAucDoc doc;
    LoadProfile(doc, WriteProfile(model, 272246));
    CFolderTree& tree = doc.EditFolders();
    ASSERT_TRUE(tree.FindNode(104));
    EXPECT_EQ(tree.GetCurColumnsOrURL(), "");
    ASSERT_TRUE(tree.FindNode(114));
    EXPECT_EQ(tree.GetCurColumnsOrURL(), "res://Vellumark.dll/102");
}

}  // namespace
