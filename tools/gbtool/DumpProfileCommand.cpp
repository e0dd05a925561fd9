#include "DumpProfileCommand.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ErrorPrinter.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FieldId.h"
#include "platform/Cp1252.h"

using namespace gb::itemdb;

namespace {

// Profile texts are Windows-1252; the terminal gets UTF-8.
void Print(std::string_view text) {
    const std::string utf8 = gb::cp1252::ToUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

void PrintLine(std::string_view text) {
    Print(text);
    std::fputc('\n', stdout);
}

void PrintHeader(const CAucDoc& doc) {
    PrintLine("profile\t" + doc.GetProfileName());
    PrintLine("version\t" + std::to_string(doc.GetFileVersion()));
    PrintLine("selected folder\t" + std::to_string(doc.GetSelectedFolderId()));
    PrintLine("header value\t" + std::to_string(doc.GetHeaderValue()));
}

void PrintSellers(CSellerList& sellers) {
    PrintLine("sellers\t" + std::to_string(sellers.GetCount()));
    const int current = sellers.GetCurrent();
    for (int i = 0; i < sellers.GetCount(); ++i) {
        sellers.SetCurrent(i);
        PrintLine("  " + sellers.GetSellerId() + "\t" + sellers.GetSite() + "\t" +
                  sellers.GetSiteClsid() + "\tactive " + std::to_string(sellers.IsActive()) +
                  "\ttime zone " + std::to_string(sellers.GetTimeZoneAdjust()) + "\tfolder " +
                  std::to_string(sellers.GetFolderId()) + " " + sellers.GetDisplayName() +
                  "\tlast update " + sellers.GetLastUpdateText() + "\tpassword " +
                  (sellers.GetPassword().empty() ? "none" : "set"));
    }
    sellers.SetCurrent(current);
}

std::string FilterText(const CItemFilter* filter) {
    if (filter == nullptr) {
        return "no filter";
    }
    std::string text = "mask " + std::to_string(filter->GetStateMask());
    const auto list = [&text](std::string_view name, const FilterIdList& ids) {
        for (const std::int32_t id : ids.Entries()) {
            text += " " + std::string(name) + " " + std::to_string(id);
        }
    };
    if (filter->GetBids() != 0) {
        text += " bids " + std::to_string(filter->GetBids());
    }
    list("status", filter->GetStatuses());
    list("category", filter->GetCategories());
    list("folder", filter->GetFolders());
    return text;
}

void PrintFolders(CFolderTree& tree) {
    PrintLine("folders\t" + std::to_string(tree.GetCount()) + "\tnext id " +
              std::to_string(tree.GetNextFolderId()));
    tree.FindNode(folder::Root);
    do {
        std::string flags;
        flags += tree.IsCurHeading() != 0 ? " heading" : "";
        flags += tree.IsCurFixed() != 0 ? " fixed" : "";
        PrintLine(std::string(2 + 2 * static_cast<std::size_t>(tree.GetCurDepth()), ' ') +
                  std::to_string(tree.GetCurId()) + " " + tree.GetCurName() + "\tkind " +
                  std::to_string(tree.GetCurKind()) + " type " + std::to_string(tree.GetCurType()) +
                  flags + "\t" + FilterText(tree.GetCurFilter()) + "\t" +
                  tree.GetCurColumnsOrURL());
    } while (tree.MoveNext());
}

// The fields an item line shows, in order.
constexpr int kItemFields[] = {
    field::Site,    field::SellerId, field::AuctionId, field::Description,
    field::EndTime, field::MaxBid,   field::BuyerId,   field::Status,
    field::Folder,  field::PayDate,  field::ShipDate,  field::TotalFees,
};

void PrintItems(const CItemList& items, const FolderNameLookup& folders) {
    for (const std::int32_t state : {102, 103, 107}) {
        const StateList* list = items.GetStateList(state);
        PrintLine("items " + std::to_string(state) + "\t" + std::to_string(list->Size()));
        for (const CAucItem& item : list->Items()) {
            std::string line = "  " + std::to_string(state);
            for (const int id : kItemFields) {
                std::string text;
                item.GetFieldText(id, text, &folders);
                line += "\t" + text;
            }
            line += "\t";
            const char* separator = "";
            for (const std::int32_t category : item.GetCategories()) {
                line += separator;
                line += folders.FolderName(category).value_or(std::to_string(category));
                separator = ", ";
            }
            PrintLine(line);
        }
    }
}

}  // namespace

int DumpProfile(std::span<char* const> args) {
    if (args.size() != 1) {
        return 2;
    }
    const std::filesystem::path path = args[0];
    ErrorPrinter errors(path.string());
    CAucDoc doc;
    doc.SetPrompts(&errors);
    if (!doc.OnOpenDocument(path)) {
        return 1;
    }
    PrintHeader(doc);
    PrintSellers(doc.GetSellerList());
    CFolderTree& tree = doc.EditFolders();
    PrintFolders(tree);
    PrintItems(doc.GetItemList(), tree);
    return 0;
}
