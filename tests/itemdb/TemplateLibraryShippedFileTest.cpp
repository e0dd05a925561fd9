#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ShippedData.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/LotkeeperStrings.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/Cp1252.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

// A name as a template token writes it: blanks and '&' become '_'.
std::string TokenName(std::string name) {
    for (char& c : name) {
        if (c == ' ' || c == '&') {
            c = '_';
        }
    }
    return name;
}

// Every token the report renderer replaces: the item fields, and the active
// fee-schedule entries that are not transaction fees, with a '*'.
std::set<std::string> KnownTokens(CFeeSchedule& schedule) {
    std::set<std::string> tokens;
    for (int id = field::First; id < field::Icon; ++id) {
        tokens.insert("[" + TokenName(LoadString(id)) + "]");
    }
    const std::int32_t mask = fee_type::Charge | fee_type::SellerFee | fee_type::DisplayOnly;
    for (bool more = schedule.MoveFirst(mask); more; more = schedule.MoveNext(mask)) {
        if (schedule.IsActive()) {
            tokens.insert("[" + TokenName(schedule.GetName()) + "*]");
        }
    }
    return tokens;
}

std::vector<std::string> TokensIn(std::string_view html) {
    std::vector<std::string> tokens;
    for (std::size_t open = html.find('['); open != std::string_view::npos;
         open = html.find('[', open + 1)) {
        const std::size_t close = html.find(']', open);
        tokens.emplace_back(
            html.substr(open, close == std::string_view::npos ? close : close - open + 1));
    }
    return tokens;
}

class ShippedTemplates : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MakeShippedData(folder_.Path()));
        ASSERT_TRUE(library_.OpenFile(folder_ / "VizEvav.cta"));
        ASSERT_TRUE(schedule_.Load(folder_ / "AucField.fee"));
    }

    TempFolder folder_;
    CTemplateLibrary library_;
    CFeeSchedule schedule_;
};

TEST_F(ShippedTemplates, OffersReportsAndMailInNameOrder) {
    ASSERT_GE(library_.GetCount(), 2);
    std::set<std::string> names;
    std::set<std::int32_t> kinds;
    for (int i = 0; i < library_.GetCount(); ++i) {
        const CTDocText* t = library_.GetTemplate(i);
        if (i > 0) {
            EXPECT_LT(library_.GetTemplate(i - 1)->GetName(), t->GetName());
        }
        names.insert(t->GetName());
        kinds.insert(t->GetKind());
        EXPECT_FALSE(t->GetDescription().empty()) << t->GetName();
        EXPECT_EQ(t->GetSubject().empty(), t->GetKind() == CTDocText::Report) << t->GetName();
    }
    EXPECT_TRUE(names.contains("Sales Report"));
    EXPECT_TRUE(names.contains("Buyer Invoice"));
    EXPECT_EQ(kinds, (std::set<std::int32_t>{CTDocText::Report, CTDocText::Email}));
    EXPECT_EQ(library_.GetSelected(), 0);
}

TEST_F(ShippedTemplates, EverySectionIsAWholePageTheEditorCanSplit) {
    for (int i = 0; i < library_.GetCount(); ++i) {
        const CTDocText* t = library_.GetTemplate(i);
        for (const std::string& page : {t->GetHeader(), t->GetRepeat(), t->GetFooter()}) {
            const std::size_t open = gb::cp1252::FindNoCase(page, "<BODY");
            ASSERT_NE(open, std::string::npos) << t->GetName();
            const std::size_t close = gb::cp1252::FindNoCase(page, "</BODY>", open);
            EXPECT_NE(close, std::string::npos) << t->GetName();
            EXPECT_LT(page.find('>', open), close) << t->GetName();
        }
    }
}

TEST_F(ShippedTemplates, EveryTokenNamesAFieldOrAFeeEntry) {
    const std::set<std::string> known = KnownTokens(schedule_);
    for (int i = 0; i < library_.GetCount(); ++i) {
        const CTDocText* t = library_.GetTemplate(i);
        std::size_t count = 0;
        for (const std::string& text :
             {t->GetSubject(), t->GetHeader(), t->GetRepeat(), t->GetFooter()}) {
            for (const std::string& token : TokensIn(text)) {
                EXPECT_TRUE(known.contains(token)) << t->GetName() << ": " << token;
                ++count;
            }
        }
        EXPECT_GT(count, 0u) << t->GetName();
        EXPECT_FALSE(TokensIn(t->GetRepeat()).empty()) << t->GetName();
    }
}

}  // namespace
