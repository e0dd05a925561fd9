#pragma once
// Field IDs: the string-table IDs that name the item fields and list columns.
// The same IDs name fields in filters, exports, reports and templates.

namespace gb::itemdb {

namespace field {

inline constexpr int AuctionId = 500;
inline constexpr int Description = 501;
inline constexpr int StartDate = 502;
inline constexpr int EndDate = 503;
inline constexpr int MinBid = 504;
inline constexpr int MaxBid = 505;
inline constexpr int BuyerId = 506;
inline constexpr int Email = 507;
inline constexpr int Rating = 508;
inline constexpr int InsertionFee = 509;
inline constexpr int FinalFee = 510;
inline constexpr int Status = 511;
inline constexpr int Folder = 512;
inline constexpr int Updated = 513;
inline constexpr int PayDate = 514;
inline constexpr int ShipDate = 515;
inline constexpr int InsuranceCost = 516;
inline constexpr int AmtReceived = 517;
inline constexpr int SHCharge = 518;
inline constexpr int ShipCost = 519;
inline constexpr int InvoiceNote = 520;
inline constexpr int ItemNote = 521;
inline constexpr int FeeNote = 522;
inline constexpr int ShippingNote = 523;
inline constexpr int Weight = 524;
inline constexpr int PaymentMethod = 525;
inline constexpr int SellerId = 526;
inline constexpr int ShippingAddress = 527;
inline constexpr int Site = 528;
inline constexpr int InvoiceAmt = 529;
inline constexpr int PayNote = 530;
inline constexpr int ItemCost = 531;
inline constexpr int ShippingMethod = 532;
inline constexpr int OtherFees = 533;
inline constexpr int EndTime = 534;
inline constexpr int TotalFees = 535;
inline constexpr int ChargeNote = 536;
inline constexpr int OtherCharges = 537;
inline constexpr int Feedback = 538;
inline constexpr int ReserveAmt = 539;
inline constexpr int DaysToPay = 540;
inline constexpr int DaysToShip = 541;
inline constexpr int TransactionFee = 542;
inline constexpr int AuctionType = 543;
inline constexpr int ShippingAddressLine1 =
    544;  // lines 1 to 5 of the shipping address: 544 to 548
inline constexpr int ShippingAddressLine5 = 548;
inline constexpr int Icon = 549;  // the list's icon column; its text is empty

inline constexpr int First = AuctionId;
inline constexpr int Last = Icon;

}  // namespace field

}  // namespace gb::itemdb
