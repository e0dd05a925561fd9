#include "itemdb/LotkeeperStrings.h"

namespace gb::itemdb {

const gb::StringTable& LotkeeperStrings() {
    static const gb::StringTable table{
        // Folder kinds: the default folder names, and the addresses of the user-guide pages.
        {100, "New Profile"},
        {101, "Auctions"},
        {102, "In Progress"},
        {103, "Auction Ended"},
        {104, "By Status"},
        {105, "By Category"},
        {106, "Reports"},
        {107, "Archive"},
        {108, "Web Sites"},
        {109, "User Profile"},
        {110, "Deleted Items"},
        {111, "All Items"},
        {112, "Bids"},
        {113, "No Bids"},
        {114, "res://Vellumark.dll/102"},
        {115, "res://Vellumark.dll/101"},
        {116, "Needs Attention"},
        {117, "No Category"},
        {118, "Search Results"},
        {119, "User Guide"},
        {121, "res://Vellumark.dll/108"},
        {127, "Sample - Rename this"},

        // Standard column sets; readers ignore what follows the counted codes.
        {496, "/EFJKQRST`h^kfb - 14 money columns"},
        {497, ".EFJKQRST`h^fb - 13 money columns, without the transaction fee"},
        {498, "+EFJKQRST`h - 10 money columns"},
        {499,
         "-ABCDEFGHIJKL - We subtact '!' to get column numbers. The first column specifies the "
         "number of cols."},

        // Field names and column headings.
        {500, "Auction ID"},
        {501, "Description"},
        {502, "Start Date"},
        {503, "End Date"},
        {504, "Min Bid"},
        {505, "Max Bid"},
        {506, "Buyer ID"},
        {507, "e-Mail"},
        {508, "Rating"},
        {509, "Insertion Fee"},
        {510, "Final Fee"},
        {511, "Status"},
        {512, "Folder"},
        {513, "Updated"},
        {514, "Pay Date"},
        {515, "Ship Date"},
        {516, "Insurance Cost"},
        {517, "Amt Received"},
        {518, "S&H Charge"},
        {519, "Ship Cost"},
        {520, "Invoice Note"},
        {521, "Item Note"},
        {522, "Fee Note"},
        {523, "Shipping Note"},
        {524, "Weight"},
        {525, "Payment Method"},
        {526, "Seller ID"},
        {527, "Shipping Address"},
        {528, "Site"},
        {529, "Invoice Amt"},
        {530, "Pay Note"},
        {531, "Item Cost"},
        {532, "Shipping Method"},
        {533, "Other Fees"},
        {534, "End Time"},
        {535, "Total Fees"},
        {536, "Charge Note"},
        {537, "Other Charges"},
        {538, "Feedback"},
        {539, "Reserve Amt"},
        {540, "Days To Pay"},
        {541, "Days To Ship"},
        {542, "Transaction Fee"},
        {543, "Auction Type"},
        {544, "Shipping Add L1"},
        {545, "Shipping Add L2"},
        {546, "Shipping Add L3"},
        {547, "Shipping Add L4"},
        {548, "Shipping Add L5"},
        {549, " "},

        // Messages.
        {59413,
         "There are no active eBay Seller IDs to update. Open your User Profile (second button on "
         "the toolbar) and add at least one active eBay Seller ID. Monitor your listings and/or "
         "your competitor's listings - Just enter their eBay name. "},
        {59418,
         "No auction sites can be located. Please try installing Gavelbook again to recover these "
         "sites."},
        {59419, "Unknown"},

        // The maker's product page: the sample web-site folder's address.
        {59504, "https://www.norvel-software.example/gavelbook/"},

        // Opening and saving profiles.
        {61700, "Unexpected file format."},
        {61701, "Failed to open document."},
        {61702, "Failed to save document."},
        {61703, "Save changes to %1?"},
        {61704, "Untitled"},
    };
    return table;
}

std::string LoadString(int id) {
    return std::string(LotkeeperStrings().Get(id));
}

}  // namespace gb::itemdb
