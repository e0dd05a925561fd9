#include "retrieval/browser/ReaderAnswer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "retrieval/browser/PageReaderLimits.h"

namespace gb::retrieval {
namespace {

ReaderAnswer SignInPage() {
    ReaderAnswer answer;
    answer.page.forms = {{"SignInForm", "f", "/check", "post"}};
    FormControl user;
    user.name = "userid";
    user.values = {"seller"};
    user.form = 0;
    FormControl remember;
    remember.kind = FormControl::Kind::Checkbox;
    remember.name = "keep";
    remember.values = {"on"};
    remember.checked = true;
    remember.disabled = true;
    FormControl choice;
    choice.kind = FormControl::Kind::Select;
    choice.name = "site";
    choice.values = {"us", "uk"};
    answer.page.controls = {user, remember, choice};
    answer.page.baseHref = "/ws/";
    return answer;
}

TEST(ReaderAnswer, GivesBackWhatWasWritten) {
    const ReaderAnswer written = SignInPage();
    const std::optional<ReaderAnswer> read = ReaderAnswer::Decode(ReaderAnswer::Encode(written));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->verdict, ReaderVerdict::Read);
    EXPECT_EQ(read->page, written.page);
    for (const ReaderVerdict refusal : {ReaderVerdict::TooDeep, ReaderVerdict::TooLarge}) {
        const std::optional<ReaderAnswer> refused =
            ReaderAnswer::Decode(ReaderAnswer::Encode({refusal, {}}));
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->verdict, refusal);
    }
}

std::string Number(std::uint32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>(value >> shift);
    }
    return bytes;
}

struct MalformedCase {
    const char* description;
    std::string answer;

    friend void PrintTo(const MalformedCase& c, std::ostream* out) { *out << c.description; }
};

// The answer comes from a process that parsed a hostile page: anything but
// one well-formed answer within the caps gives nothing, and nothing is taken
// on the strength of a length or count before it is checked.
class MalformedAnswer : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedAnswer, GivesNothing) {
    EXPECT_EQ(ReaderAnswer::Decode(GetParam().answer), std::nullopt);
}

const std::string kWhole = ReaderAnswer::Encode(SignInPage());
// A read page with no forms, then `controls`.
std::string Controls(std::uint32_t count, const std::string& controls) {
    return std::string(1, '\0') + Number(0) + Number(count) + controls + std::string(1, '\0');
}
// One field of the given kind, flags and form, named "n", without values.
std::string Field(char kind, char flags, std::uint32_t form) {
    return std::string{kind, flags} + Number(form) + Number(1) + "n" + Number(0) + Number(0);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MalformedAnswer,
    testing::Values(
        MalformedCase{"Empty", ""}, MalformedCase{"UnknownVerdict", "\x03"},
        MalformedCase{"RefusalWithMore", std::string("\x01") + "x"},
        MalformedCase{"CutShort", kWhole.substr(0, kWhole.size() - 1)},
        MalformedCase{"TrailingBytes", kWhole + "x"},
        MalformedCase{"TextLongerThanTheAnswer",
                      std::string(1, '\0') + Number(1) + Number(0xFFFFFFF0u) + "name"},
        MalformedCase{"MoreFormsThanTheAnswerHolds", std::string(1, '\0') + Number(1'000'000)},
        MalformedCase{"MoreFieldsThanTheCap",
                      Controls(static_cast<std::uint32_t>(reader_limits::kMaxFields + 1), "")},
        MalformedCase{"UnknownFieldKind", Controls(1, Field('\x07', 0, 0xFFFFFFFFu))},
        MalformedCase{"UnknownFlags", Controls(1, Field('\x00', '\x04', 0xFFFFFFFFu))},
        MalformedCase{"FieldOfAFormThatIsNot", Controls(1, Field('\x00', 0, 0))},
        MalformedCase{"MoreValuesThanTheAnswerHolds",
                      Controls(1, std::string{0, 0} + Number(0xFFFFFFFFu) + Number(0) + Number(0) +
                                      Number(500'000))},
        MalformedCase{"BaseFlagNeitherNoNorYes",
                      std::string(1, '\0') + Number(0) + Number(0) + "\x02"}),
    [](const testing::TestParamInfo<MalformedCase>& tested) { return tested.param.description; });

TEST(ReaderAnswer, TextsOverTheCapGiveNothing) {
    const std::string text(reader_limits::kMaxFieldTextBytes / 2 + 1, 'x');
    ReaderAnswer answer;
    answer.page.forms = {{text, "", "", ""}, {text, "", "", ""}};
    EXPECT_EQ(ReaderAnswer::Decode(ReaderAnswer::Encode(answer)), std::nullopt);
    answer.page.forms.pop_back();
    EXPECT_TRUE(ReaderAnswer::Decode(ReaderAnswer::Encode(answer)));
}

}  // namespace
}  // namespace gb::retrieval
