#include "GermanTemplates.h"

#include "DefaultTemplates.h"

using namespace gb::itemdb;

namespace {

// Texts are Windows-1252; the pages spell umlauts as HTML entities.
const TemplateDefinition kTemplates[] = {
    {
        "Verkaufsbericht",
        "Eine Zeile je Artikel mit K\xE4"
        "ufer, H\xF6"
        "chstgebot, Geb\xFC"
        "hren und "
        "Rechnungsbetrag, dazu die Summen",
        CTDocText::Report,
        "",
        "<H2>Verkaufsbericht</H2>\r\n"
        "<TABLE class=list><TR>"
        "<TH class=id style=\"width:9em\">Artikelnr.</TH>"
        "<TH>Beschreibung</TH>"
        "<TH class=date style=\"width:7em\">Ende</TH>"
        "<TH style=\"width:8em\">K&auml;ufer</TH>"
        "<TH class=amount style=\"width:8em\">H&ouml;chstgebot</TH>"
        "<TH class=amount style=\"width:7em\">Geb&uuml;hren</TH>"
        "<TH class=amount style=\"width:7em\">Rechnung</TH>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR>"
        "<TD class=id style=\"width:9em\">[Auction_ID]</TD>"
        "<TD>[Description]</TD>"
        "<TD class=date style=\"width:7em\">[End_Date]</TD>"
        "<TD style=\"width:8em\">[Buyer_ID]</TD>"
        "<TD class=amount style=\"width:8em\">[Max_Bid]</TD>"
        "<TD class=amount style=\"width:7em\">[Total_Fees]</TD>"
        "<TD class=amount style=\"width:7em\">[Invoice_Amt]</TD>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR class=total>"
        "<TD class=id style=\"width:9em\">Summen</TD>"
        "<TD></TD>"
        "<TD style=\"width:7em\"></TD>"
        "<TD style=\"width:8em\"></TD>"
        "<TD class=amount style=\"width:8em\">[Max_Bid]</TD>"
        "<TD class=amount style=\"width:7em\">[Total_Fees]</TD>"
        "<TD class=amount style=\"width:7em\">[Invoice_Amt]</TD>"
        "</TR></TABLE>\r\n"
        "<P>Berechnete Bearbeitung: [Handling*]. Bezahlte Galeriegeb&uuml;hren: "
        "[Gallery*].</P>\r\n",
    },
    {
        "Rechnung an den K\xE4"
        "ufer",
        "Eine Rechnung \xFC"
        "ber die Artikel eines K\xE4"
        "ufers, zum Einf\xFC"
        "gen in eine E-Mail",
        CTDocText::Email,
        "Rechnung f\xFC"
        "r [Description] (Artikel [Auction_ID])",
        "<P>Hallo [Buyer_ID],</P>\r\n"
        "<P>herzlichen Gl&uuml;ckwunsch zu Ihrem Gebot! Hier ist Ihre Rechnung:</P>\r\n"
        "<TABLE class=list><TR>"
        "<TH class=id style=\"width:9em\">Artikel</TH>"
        "<TH>Beschreibung</TH>"
        "<TH class=amount style=\"width:8em\">Gebot</TH>"
        "<TH class=amount style=\"width:7em\">Versand</TH>"
        "<TH class=amount style=\"width:8em\">Betrag</TH>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR>"
        "<TD class=id style=\"width:9em\">[Auction_ID]</TD>"
        "<TD>[Description]</TD>"
        "<TD class=amount style=\"width:8em\">[Max_Bid]</TD>"
        "<TD class=amount style=\"width:7em\">[S_H_Charge]</TD>"
        "<TD class=amount style=\"width:8em\">[Invoice_Amt]</TD>"
        "</TR></TABLE>\r\n",
        "<TABLE class=list><TR class=total>"
        "<TD class=id style=\"width:9em\">Gesamtbetrag</TD>"
        "<TD></TD>"
        "<TD style=\"width:8em\"></TD>"
        "<TD style=\"width:7em\"></TD>"
        "<TD class=amount style=\"width:8em\">[Invoice_Amt]</TD>"
        "</TR></TABLE>\r\n"
        "<P>Darin enthalten sind [Handling*] f&uuml;r Verpackung und Bearbeitung.</P>\r\n"
        "<P>Bitte zahlen Sie innerhalb von sieben Tagen. Ich versende an diese Anschrift:<BR>\r\n"
        "[Shipping_Address]</P>\r\n"
        "<P>Mit freundlichen Gr&uuml;&szlig;en<BR>\r\n[Seller_ID]</P>\r\n",
    },
    {
        "Versandbest\xE4tigung",
        "Teilt dem K\xE4"
        "ufer mit, dass die Ware unterwegs ist",
        CTDocText::Email,
        "Ihr Artikel ist unterwegs: [Description]",
        "<P>Hallo [Buyer_ID],</P>\r\n"
        "<P>vielen Dank f&uuml;r Ihre Zahlung. Ihr Kauf ist unterwegs:</P>\r\n",
        "<P><B>[Description]</B> (Artikel [Auction_ID])<BR>\r\n"
        "versandt am [Ship_Date] mit [Shipping_Method]</P>\r\n",
        "<P>Die Sendung geht an:<BR>\r\n[Shipping_Address]</P>\r\n"
        "<P>Bitte geben Sie eine Bewertung ab, sobald die Ware angekommen ist. Vielen Dank!</P>\r\n"
        "<P>[Seller_ID]</P>\r\n",
    },
};

}  // namespace

CTemplateLibrary GermanTemplateLibrary() {
    return TemplateLibraryOf(kTemplates);
}
