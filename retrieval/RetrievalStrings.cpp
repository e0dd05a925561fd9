#include "retrieval/RetrievalStrings.h"

namespace gb::retrieval {

namespace {

std::string WithSupport(const char* text) {
    return std::string(text) + " If the problem persists, please write to " + kSupportAddress + ".";
}

}  // namespace

const StringTable& RetrievalStrings() {
    static const std::string k503 = WithSupport(
        "The seller has no new items listed. Other causes: Check your User Profile to make sure "
        "you are using the correct site. If your listings are in US dollars, try eBay USA. If in "
        "Pounds, try eBay UK. If you just added this seller to Gavelbook, make sure you spelled "
        "the seller id correctly. A firewall can also cause this error.");
    static const std::string k504 = WithSupport(
        "The auction site may be down - it is not returning a proper response. Use your web "
        "browser to see if the site is working. It is also possible your internet connection is "
        "down, or your firewall is blocking communications.");
    static const std::string k506 = WithSupport(
        "The Seller ID or password is incorrect. Remove this seller from your User Profile and "
        "add it again corrected. You can leave the password blank to verify you have the correct "
        "Seller ID.");
    static const std::string k507 = WithSupport(
        "You need to change settings in your Microsoft Web Browser.  Start your browser, select  "
        "'Tools/Internet Options' from the main menu.  Select the 'Advanced' tab. Remove the "
        "check mark from 'Warn if changing between Secure and Not Secure mode.'  If you cannot "
        "do this, you must remove your eBay password from Gavelbook.");
    static const StringTable table{
        {501, "The user canceled the login request."},
        {502,
         "Insufficient memory to complete the download. Close some programs and try again.\r\n"
         "If that does not work, reboot the computer."},
        {503, k503},
        {504, k504},
        {505,
         "Unable to send a request. Your internet connection may be down or your firewall is "
         "blocking communications. Also make sure you do not have 'Work offline' checked in your "
         "web browser."},
        {506, k506},
        {507, k507},
        {IDS_SUMMARY_LOG, "AucSummary.txt"},
        {IDS_DETAILS_LOG, "AucDetail.txt"},
    };
    return table;
}

std::string FailureCodeText(int code) {
    if (code >= kFirstFailureCode && code <= kLastFailureCode) {
        return std::string(RetrievalStrings().Get(code));
    }
    return "Unknown failure. Number is: " + std::to_string(code);
}

}  // namespace gb::retrieval
