#include "ProfileTestWriter.h"

#include <gtest/gtest.h>

#include "HandBuiltRecord.h"
#include "platform/Archive.h"

using namespace gb::itemdb;

namespace {

// The new-item values of the fields each version added to the item record,
// which sit just before the category ids.
std::string FieldsMissingFrom(std::int32_t version) {
    HandBuiltRecord r;
    if (version < 272250) {
        r.Text("").Text("").Amount(0).Amount(0);  // charge note, feedback, reserve, other charges
        r.Text("").Text("").Amount(0);            // fee codes, charge codes, transaction fee
    }
    if (version < 272251) {
        r.Text("");  // auction type
    }
    if (version < 272252) {
        r.Byte(0);  // store flag
    }
    return r.Bytes();
}

std::string ItemRecord(const CAucItem& item, std::int32_t version) {
    CAucItem copy = item;
    gb::Archive ar = gb::Archive::ForStoring("item");
    copy.Serialize(ar);
    std::string record = ar.Bytes();
    const std::string missing = FieldsMissingFrom(version);
    const std::size_t categories = 4 * item.GetCategories().size();
    const std::size_t at = record.size() - categories - missing.size();
    if (record.compare(at, missing.size(), missing) != 0) {
        ADD_FAILURE() << "item " << item.GetAuctionId() << " sets fields version " << version
                      << " lacks";
    }
    record.erase(at, missing.size());
    return record;
}

CFolderTree FoldersAsStored(const CFolderTree& folders, std::int32_t version) {
    CFolderTree stored = folders;
    if (version > 272248) {
        return stored;
    }
    stored.FindNode(100);
    while (stored.MoveNext()) {
        std::string data = stored.GetCurColumnsOrURL();
        if (!data.empty()) {
            data[0] = static_cast<char>(data[0] + 32);
            stored.SetCurColumnsOrURL(data);
        }
    }
    return stored;
}

}  // namespace

std::string WriteProfileHeader(const ProfileModel& model, std::int32_t version) {
    gb::Archive ar = gb::Archive::ForStoring("profile");
    ar.WriteUInt32(static_cast<std::uint32_t>(version));
    ar.WriteString(model.name);
    ar.WriteInt32(model.selectedFolder);
    ar.WriteInt32(model.headerValue);
    if (version == 272247) {
        ar.WriteInt32(3);
        for (int i = 0; i < 5; ++i) {
            ar.WriteString("legacy key " + std::to_string(i));
            ar.WriteString(std::string(i == 4 ? 300 : 3, 'v'));
        }
    }
    return ar.Bytes();
}

std::string WriteProfile(const ProfileModel& model, std::int32_t version) {
    gb::Archive ar = gb::Archive::ForStoring("profile");
    ar.WriteBytes(WriteProfileHeader(model, version));
    CSellerList sellers = model.sellers;
    sellers.Serialize(ar);
    CFolderTree folders = FoldersAsStored(model.folders, version);
    folders.Serialize(ar);
    for (const std::vector<CAucItem>& list : model.items) {
        ar.WriteCount(static_cast<std::uint32_t>(list.size()));
        for (const CAucItem& item : list) {
            ar.WriteBytes(ItemRecord(item, version));
        }
    }
    return ar.Bytes();
}

void ExpectDocumentHolds(CAucDoc& doc, const ProfileModel& model) {
    EXPECT_EQ(doc.GetProfileName(), model.name);
    EXPECT_EQ(doc.GetSelectedFolderId(), model.selectedFolder);
    EXPECT_EQ(doc.GetHeaderValue(), model.headerValue);
    EXPECT_EQ(doc.GetSellerList(), model.sellers);
    EXPECT_EQ(doc.EditFolders(), model.folders);
    for (std::size_t i = 0; i < kStoredLists.size(); ++i) {
        const StateList* list = doc.GetItemList().GetStateList(kStoredLists[i]);
        ASSERT_NE(list, nullptr);
        std::vector<CAucItem> expected = model.items[i];
        for (CAucItem& item : expected) {
            item.SetState(kStoredLists[i]);
        }
        const auto items = list->Items();
        EXPECT_EQ(std::vector<CAucItem>(items.begin(), items.end()), expected)
            << "list " << kStoredLists[i];
    }
    EXPECT_TRUE(doc.GetItemList().GetStateList(110)->IsEmpty());
}

ProfileModel SampleProfile() {
    CAucDoc doc;
    doc.SetProfileName("Corner Shop");
    CSellerList& sellers = doc.GetSellerList();
    sellers.AddSeller("cornershop", "eBay USA", "{11111111-2222-3333-4444-555555555555}");
    sellers.SetPassword("s3cret");
    sellers.SetTimeZoneAdjust(-3);
    sellers.AddSeller("rival", "eBay UK", "{66666666-7777-8888-9999-AAAAAAAAAAAA}");
    sellers.SetActive(0);
    doc.EnsureSellerFolders();
    CFolderTree& tree = doc.EditFolders();
    const std::int32_t paid = tree.AddNode(127, 104, 151);
    tree.SetCurType(104);
    tree.SetCurName("Paid");
    tree.SetCurColumnsOrURL("#ABC");
    CItemFilter filter = *tree.GetCurFilter();
    filter.SetStateMask(2);
    filter.AddStatus(paid);
    tree.SetCurFilter(filter);
    doc.SelectFolder(paid);

    sellers.SetCurrent(0);
    const std::int32_t shopFolder = sellers.GetFolderId();
    ProfileModel model;
    model.name = doc.GetProfileName();
    model.selectedFolder = doc.GetSelectedFolderId();
    model.headerValue = 0;
    model.sellers = sellers;
    model.folders = tree;

    const auto item = [&](const char* id, const char* description, const char* maxBid,
                          const char* buyer) {
        CAucItem result;
        result.SetSite("eBay USA");
        result.SetSellerId("cornershop");
        result.SetFolderId(shopFolder);
        result.SetAuctionId(id);
        result.SetDescription(description);
        result.SetStartDate("3/1/2024 9:15:00 AM");
        result.SetEndDate("3/8/2024 9:15:00 AM");
        result.SetMinBid("$1.00");
        result.SetMaxBid(maxBid);
        result.SetBuyerId(buyer);
        return result;
    };
    model.items[0] = {item("2001", "Brass lamp", "$12.50", "lampfan"),
                      item("2002", "Tin toy", "$0.00", "")};
    CAucItem paidItem = item("1001", "Pocket watch", "$85.00", "timekeeper");
    paidItem.SetStatus(paid, true);
    paidItem.AddCategory(152);
    paidItem.SetPayDate("3/10/2024");
    paidItem.SetAmtReceived("$92.40");
    paidItem.SetShippingAddress("T. Keeper\r\n1 Clock Lane\r\nSpringfield");
    paidItem.SetItemNote(std::string(300, 'n'));
    CAucItem unsold = item("1002", "Chipped vase", "$5.00", "");
    model.items[1] = {paidItem, unsold};
    CAucItem archived = item("0901", "Oil painting", "$120.00", "artlover");
    archived.SetShipDate("2/20/2024");
    model.items[2] = {archived};
    return model;
}

void LoadProfile(CAucDoc& doc, const std::string& bytes) {
    gb::Archive ar = gb::Archive::ForLoading(bytes, "test.pro");
    doc.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd()) << ar.Remaining() << " bytes left unread";
}

std::string StoreProfile(CAucDoc& doc) {
    gb::Archive ar = gb::Archive::ForStoring("test.pro");
    doc.Serialize(ar);
    return ar.Bytes();
}
