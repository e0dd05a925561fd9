#pragma once
// A folder of known ended items for the Instant Summary's tests: two sold
// items and one that is not, with charges on the unsold one too. Its figures:
// with bids 2 items, item cost $15.00, minimum bid $3.00; without bids 1,
// $7.00, $9.99; all 3, $22.00, $12.99; max bids $70.00, S&H charges $12.00,
// other charges $5.00, total invoiced $84.00, received $84.00; item cost
// $15.00, total shipping $10.50, insertion fees $1.25, final fees $3.50, other
// fees $0.65, transaction fees $2.65, total expense $33.55, profit $50.45.

#include <vector>

#include "itemdb/AucItem.h"

namespace known_items {

struct Amounts {
    const char* itemCost = "";
    const char* minBid = "";
    const char* maxBid = "";
    const char* shCharge = "";
    const char* otherCharges = "";
    const char* shipCost = "";
    const char* insuranceCost = "";
    const char* insertionFee = "";
    const char* finalFee = "";
    const char* otherFees = "";
    const char* transactionFee = "";
    const char* received = "";
};

// An ended item; with a buyer it counts as one with bids.
inline gb::itemdb::CAucItem Item(const char* auctionId, bool withBuyer, const Amounts& a) {
    gb::itemdb::CAucItem item;
    item.SetSite("eBay USA");
    item.SetAuctionId(auctionId);
    if (withBuyer) {
        item.SetBuyerId("buyer");
    }
    item.SetItemCost(a.itemCost);
    item.SetMinBid(a.minBid);
    item.SetMaxBid(a.maxBid);
    item.SetSHCharge(a.shCharge);
    item.SetOtherCharges(a.otherCharges);
    item.SetShipCost(a.shipCost);
    item.SetInsuranceCost(a.insuranceCost);
    item.SetInsertionFee(a.insertionFee);
    item.SetFinalFee(a.finalFee);
    item.SetOtherFees(a.otherFees);
    item.SetTransactionFee(a.transactionFee);
    item.SetAmtReceived(a.received);
    return item;
}

// Auction IDs "1" and "2" are sold, "3" is not.
inline std::vector<gb::itemdb::CAucItem> Folder() {
    return {
        Item("1", true,
             {.itemCost = "10",
              .minBid = "1",
              .maxBid = "50",
              .shCharge = "8",
              .otherCharges = "2",
              .shipCost = "6",
              .insuranceCost = "1.50",
              .insertionFee = "0.35",
              .finalFee = "2.50",
              .otherFees = "0.25",
              .transactionFee = "1.75",
              .received = "60"}),
        Item("2", true,
             {.itemCost = "5",
              .minBid = "2",
              .maxBid = "20",
              .shCharge = "4",
              .shipCost = "3",
              .insertionFee = "0.30",
              .finalFee = "1",
              .transactionFee = "0.90",
              .received = "24"}),
        Item("3", false,
             {.itemCost = "7",
              .minBid = "9.99",
              .otherCharges = "3",
              .insertionFee = "0.60",
              .otherFees = "0.40"}),
    };
}

}  // namespace known_items
