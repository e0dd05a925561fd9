#include "app/core/report/MailToLink.h"

#include <gtest/gtest.h>

#include <string>

#include "app/core/report/ReportRenderer.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/TDocText.h"

namespace gb::app {
namespace {

TEST(MailToLink, QuotesAmpersandsAndLineBreaksBecomeBlanks) {
    EXPECT_EQ(MailToLink("a@b.com", "Your \"Tin\" robot & key\r\nthanks"),
              "mailto:a@b.com?subject=Your%20%20Tin%20%20robot%20%20%20key%20%20thanks");
}

TEST(MailToLink, LongSubjectIsCutToThreeHundredCharactersBeforeEncoding) {
    const std::string address = "buyer@example.com";
    const std::string subject(400, 'x');

    const std::string link = MailToLink(address, subject);

    EXPECT_EQ(link.size(), kMailToMaxLength);
    EXPECT_EQ(link.substr(0, 33), "mailto:buyer@example.com?subject=");
}

TEST(MailToLink, CharactersBeyondAsciiAreEncodedWholeAsUtf8) {
    // 'e' acute is one character in 1252 and two bytes in UTF-8; the cut
    // falls after it, never inside it.
    const std::string address = "a@b.c";
    const std::string subject = std::string(300 - 7 - 5 - 9 - 1, 'x') + "\xE9" + "tail";

    const std::string link = MailToLink(address, subject);

    EXPECT_EQ(link.substr(link.size() - 8), "xx%C3%A9");
}

TEST(MailToLink, RenderedForABuyerWithQuotesAndALongTitle) {
    gb::itemdb::CAucItem item;
    item.SetBuyerId("o'neil");
    item.SetEmail("\"Pat O'Neil\"@example.com");
    item.SetDescription(std::string(200, 'L') + " \"boxed\" & sealed " + std::string(200, 'R'));
    gb::itemdb::CTDocText mail;
    mail.SetSubject("Re: [Description]");
    ReportRenderer renderer{gb::itemdb::CFeeSchedule()};
    renderer.BeginReport(mail);
    renderer.AppendItem(item);

    const std::string link = renderer.BuildMailTo();

    const std::string expectedStart = "mailto:%20Pat%20O%27Neil%20@example.com?subject=Re%3A%20" +
                                      std::string(200, 'L') + "%20%20boxed%20%20%20%20sealed%20";
    ASSERT_EQ(link.substr(0, expectedStart.size()), expectedStart);
    // 7 + 24 + 9 characters before the subject leave it 260.
    const std::size_t rest = 300 - 7 - 24 - 9 - 4 - 200 - 18;
    EXPECT_EQ(link.substr(expectedStart.size()), std::string(rest, 'R'));
}

TEST(MailToLink, AddressWithoutAtGivesNoLink) {
    gb::itemdb::CAucItem item;
    item.SetEmail("not an address");
    gb::itemdb::CTDocText mail;
    ReportRenderer renderer{gb::itemdb::CFeeSchedule()};
    renderer.BeginReport(mail);
    renderer.AppendItem(item);

    EXPECT_EQ(renderer.BuildMailTo(), "");
}

}  // namespace
}  // namespace gb::app
