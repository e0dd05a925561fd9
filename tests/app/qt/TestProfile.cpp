#include "TestProfile.h"

#include "itemdb/AucDoc.h"
#include "itemdb/AucItem.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;

namespace test_profile {

std::int32_t Prepare(CAucDoc& document) {
    document.OnNewDocument();
    document.SetProfileName("Demo");
    document.GetSellerList().AddSeller(kSeller, "eBay USA",
                                       "{6E1E0C2A-3D4B-4B8E-9C1F-2A7B5D3E9F10}");
    document.EnsureSellerFolders();
    document.GetSellerList().SetCurrent(0);
    return document.GetSellerList().GetFolderId();
}

void AddItems(CAucDoc& document, std::int32_t sellerFolder, std::int32_t list, int count,
              int firstId) {
    for (int i = 0; i < count; ++i) {
        CAucItem item;
        item.SetSite("eBay USA");
        item.SetSellerId(kSeller);
        item.SetAuctionId(std::to_string(firstId + i));
        item.SetDescription("Lot " + std::to_string(firstId + i));
        item.SetFolderId(sellerFolder);
        item.SetStartDate("1/1/2004");
        item.SetEndDate(std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/" +
                        std::to_string(2004 + i / 336) + " 10:00:00");
        item.SetMinBid("1.00");
        item.SetMaxBid(std::to_string(5 + i) + ".00");
        if (i % 3 != 0) {
            item.SetBuyerId("buyer" + std::to_string(i));
        }
        if (list == folder::InProgress) {
            item.SetStatus(folder::InProgress, true);
        }
        document.GetItemList().AddItem(item, list);
    }
}

std::int32_t FindChild(CFolderTree& tree, std::int32_t parentId, std::int32_t kind) {
    if (!tree.FindNode(folder::Root)) {
        return 0;
    }
    do {
        if (tree.GetCurParent() == parentId && tree.GetCurKind() == kind) {
            return tree.GetCurId();
        }
    } while (tree.MoveNext());
    return 0;
}

std::int32_t AllItemsFolder(CAucDoc& document, std::int32_t sellerFolder, std::int32_t list) {
    CFolderTree& tree = document.EditFolders();
    const std::int32_t group = FindChild(tree, sellerFolder, list);
    const std::int32_t id = FindChild(tree, group, folder::AllItems);
    return id;
}

}  // namespace test_profile
