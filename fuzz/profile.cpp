// Opens a profile file as the program does and walks what a user can see of
// it: every seller, every folder with the items it shows, and every field of
// those items.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ScratchFile.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemFilter.h"
#include "itemdb/ItemList.h"
#include "itemdb/SellerList.h"

using namespace gb::itemdb;

namespace {

void WalkSellers(CSellerList& sellers) {
    for (int i = 0; i < sellers.GetCount(); ++i) {
        sellers.SetCurrent(i);
        (void)sellers.GetDisplayName();
        (void)sellers.GetLastUpdateText();
    }
}

std::vector<std::int32_t> FolderIds(CFolderTree& tree) {
    std::vector<std::int32_t> ids;
    if (tree.FindNode(folder::Root)) {
        do {
            ids.push_back(tree.GetCurId());
            (void)tree.GetCurName();
            (void)tree.GetCurColumnsOrURL();
        } while (tree.MoveNext());
    }
    return ids;
}

// What the item list view does when a folder is opened.
void ShowFolder(const CAucDoc& doc, CItemList& items) {
    const CFolderTree& tree = doc.GetFolders();
    items.SetFilter(CItemFilter::ForFolder(doc.GetSelectedFilter()));
    (void)items.GetTotals().GetCount();
    std::string text;
    for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
        const CAucItem* item = items.GetItemAt();
        for (int field = field::First; field <= field::Last; ++field) {
            item->GetFieldText(field, text, &tree);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CAucDoc doc;
    if (!doc.OnOpenDocument(gb::fuzz::WriteScratchFile("profile.pro", bytes))) {
        return 0;
    }
    WalkSellers(doc.GetSellerList());
    for (const std::int32_t id : FolderIds(doc.EditFolders())) {
        if (doc.SelectFolder(id)) {
            ShowFolder(doc, doc.GetItemList());
        }
    }
    return 0;
}
