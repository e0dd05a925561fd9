#include "DefaultTemplates.h"

#include <string>
#include <string_view>

#include "itemdb/TDocText.h"

using namespace gb::itemdb;

namespace {

// The pages have no document type, so browsers lay them out in their old way,
// where a table does not take the page's font size: the list gives its own.
constexpr std::string_view kStyle =
    "<STYLE>\r\n"
    "BODY { font-family: Arial, Helvetica, sans-serif; font-size: 10pt; }\r\n"
    "TABLE.list { width: 100%; border-collapse: collapse; table-layout: fixed;\r\n"
    "  font-size: 10pt; }\r\n"
    "TABLE.list TH, TABLE.list TD { padding: 2px 4px; border-bottom: 1px solid #C0C0C0;\r\n"
    "  overflow-wrap: anywhere; }\r\n"
    "TABLE.list TH { background: #E4E8F0; text-align: left; }\r\n"
    "TABLE.list .id, TABLE.list .date, TABLE.list .amount { white-space: nowrap; }\r\n"
    "TABLE.list .amount { text-align: right; }\r\n"
    "TABLE.list TR.total TD { font-weight: bold; border-top: 2px solid #404040; }\r\n"
    "</STYLE>\r\n";

// Each table repeats its column widths so that the rows of the repeated part
// line up with the header's column titles and the footer's totals. Auction
// IDs (a duplicate's too), dates and amounts have room of their own and never
// wrap; the description takes the rest of the width.
const TemplateDefinition kTemplates[] = {
    {
        "Sales Report",
        "One line per item with its buyer, winning bid, fees and invoice amount, and totals",
        CTDocText::Report,
        "",
        "<H2>Sales Report</H2>\r\n"
        "<TABLE class=list><TR>"
        "<TH class=id style=\"width:9em\">Auction ID</TH>"
        "<TH>Description</TH>"
        "<TH class=date style=\"width:7em\">End Date</TH>"
        "<TH style=\"width:8em\">Buyer ID</TH>"
        "<TH class=amount style=\"width:7em\">Max Bid</TH>"
        "<TH class=amount style=\"width:7em\">Fees</TH>"
        "<TH class=amount style=\"width:7em\">Invoice</TH>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR>"
        "<TD class=id style=\"width:9em\">[Auction_ID]</TD>"
        "<TD>[Description]</TD>"
        "<TD class=date style=\"width:7em\">[End_Date]</TD>"
        "<TD style=\"width:8em\">[Buyer_ID]</TD>"
        "<TD class=amount style=\"width:7em\">[Max_Bid]</TD>"
        "<TD class=amount style=\"width:7em\">[Total_Fees]</TD>"
        "<TD class=amount style=\"width:7em\">[Invoice_Amt]</TD>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR class=total>"
        "<TD class=id style=\"width:9em\">Totals</TD>"
        "<TD></TD>"
        "<TD style=\"width:7em\"></TD>"
        "<TD style=\"width:8em\"></TD>"
        "<TD class=amount style=\"width:7em\">[Max_Bid]</TD>"
        "<TD class=amount style=\"width:7em\">[Total_Fees]</TD>"
        "<TD class=amount style=\"width:7em\">[Invoice_Amt]</TD>"
        "</TR></TABLE>\r\n"
        "<P>Handling charged: [Handling*]. Gallery fees paid: [Gallery*].</P>\r\n",
    },
    {
        "Fee Report",
        "The fees the sites charged, item by item, with totals",
        CTDocText::Report,
        "",
        "<H2>Fee Report</H2>\r\n"
        "<TABLE class=list><TR>"
        "<TH class=id style=\"width:9em\">Auction ID</TH>"
        "<TH>Description</TH>"
        "<TH class=amount style=\"width:8em\">Insertion</TH>"
        "<TH class=amount style=\"width:8em\">Final Value</TH>"
        "<TH class=amount style=\"width:8em\">Transaction</TH>"
        "<TH class=amount style=\"width:8em\">Other</TH>"
        "<TH class=amount style=\"width:8em\">Total</TH>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR>"
        "<TD class=id style=\"width:9em\">[Auction_ID]</TD>"
        "<TD>[Description]</TD>"
        "<TD class=amount style=\"width:8em\">[Insertion_Fee]</TD>"
        "<TD class=amount style=\"width:8em\">[Final_Fee]</TD>"
        "<TD class=amount style=\"width:8em\">[Transaction_Fee]</TD>"
        "<TD class=amount style=\"width:8em\">[Other_Fees]</TD>"
        "<TD class=amount style=\"width:8em\">[Total_Fees]</TD>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR class=total>"
        "<TD class=id style=\"width:9em\">Totals</TD>"
        "<TD></TD>"
        "<TD class=amount style=\"width:8em\">[Insertion_Fee]</TD>"
        "<TD class=amount style=\"width:8em\">[Final_Fee]</TD>"
        "<TD class=amount style=\"width:8em\">[Transaction_Fee]</TD>"
        "<TD class=amount style=\"width:8em\">[Other_Fees]</TD>"
        "<TD class=amount style=\"width:8em\">[Total_Fees]</TD>"
        "</TR></TABLE>\r\n",
    },
    {
        "Buyer Invoice",
        "An invoice for one buyer's items, to paste into an e-mail",
        CTDocText::Email,
        "Invoice for [Description] (item [Auction_ID])",
        "<P>Dear [Buyer_ID],</P>\r\n"
        "<P>Thank you for your winning bid! Here is your invoice:</P>\r\n"
        "<TABLE class=list><TR>"
        "<TH class=id style=\"width:9em\">Item</TH>"
        "<TH>Description</TH>"
        "<TH class=amount style=\"width:8em\">Winning Bid</TH>"
        "<TH class=amount style=\"width:7em\">S&amp;H</TH>"
        "<TH class=amount style=\"width:8em\">Amount</TH>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR>"
        "<TD class=id style=\"width:9em\">[Auction_ID]</TD>"
        "<TD>[Description]</TD>"
        "<TD class=amount style=\"width:8em\">[Max_Bid]</TD>"
        "<TD class=amount style=\"width:7em\">[S_H_Charge]</TD>"
        "<TD class=amount style=\"width:8em\">[Invoice_Amt]</TD>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR class=total>"
        "<TD class=id style=\"width:9em\">Total due</TD>"
        "<TD></TD>"
        "<TD style=\"width:8em\"></TD>"
        "<TD style=\"width:7em\"></TD>"
        "<TD class=amount style=\"width:8em\">[Invoice_Amt]</TD>"
        "</TR></TABLE>\r\n"
        "<P>The total includes [Handling*] for packing and handling.</P>\r\n"
        "<P>Please pay within seven days. I will ship to this address:<BR>\r\n"
        "[Shipping_Address]</P>\r\n"
        "<P>Kind regards,<BR>\r\n[Seller_ID]</P>\r\n",
    },
    {
        "Shipping Notice",
        "Tells the buyer that the items are on their way",
        CTDocText::Email,
        "Your item has shipped: [Description]",
        "<P>Hello [Buyer_ID],</P>\r\n"
        "<P>Thank you for your payment. Your purchase is on its way:</P>\r\n",
        "<P><B>[Description]</B> (item [Auction_ID])<BR>\r\n"
        "shipped on [Ship_Date] by [Shipping_Method]</P>\r\n",
        "<P>It goes to:<BR>\r\n[Shipping_Address]</P>\r\n"
        "<P>Please leave feedback once it has arrived. Thank you!</P>\r\n"
        "<P>[Seller_ID]</P>\r\n",
    },
};

std::string Page(std::string_view title, std::string_view body) {
    std::string page = "<HTML>\r\n<HEAD>\r\n";
    page += "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n";
    page += "<TITLE>";
    page += title;
    page += "</TITLE>\r\n";
    page += kStyle;
    page += "</HEAD>\r\n<BODY>";
    page += body;
    page += "</BODY>\r\n</HTML>\r\n";
    return page;
}

}  // namespace

CTemplateLibrary TemplateLibraryOf(std::span<const TemplateDefinition> definitions) {
    CTemplateLibrary library;
    for (const TemplateDefinition& definition : definitions) {
        CTDocText text;
        text.SetName(definition.name);
        text.SetDescription(definition.description);
        text.SetKind(definition.kind);
        text.SetSubject(definition.subject);
        text.SetHeader(Page(definition.name, definition.header));
        text.SetRepeat(Page(definition.name, definition.repeat));
        text.SetFooter(Page(definition.name, definition.footer));
        library.AddTemplate(text);
    }
    library.SetCurrent(0);
    return library;
}

CTemplateLibrary DefaultTemplateLibrary() {
    return TemplateLibraryOf(kTemplates);
}
