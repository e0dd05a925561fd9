#include "platform/Archive.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gb {
namespace {

using Cause = ArchiveException::Cause;

Cause CauseOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ArchiveException& e) {
        return e.cause();
    }
    ADD_FAILURE() << "no ArchiveException";
    return Cause::Generic;
}

struct StringCase {
    std::size_t length;
    std::size_t prefixBytes;
};

void PrintTo(const StringCase& c, std::ostream* os) {
    *os << "length " << c.length;
}

class ArchiveStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(ArchiveStringTest, RoundTripsWithTheShortestPrefix) {
    const StringCase c = GetParam();
    const std::string text(c.length, 'x');
    Archive out = Archive::ForStoring("test");
    out.WriteString(text);
    ASSERT_EQ(out.Bytes().size(), c.prefixBytes + c.length);

    Archive in = Archive::ForLoading(out.Bytes(), "test");
    EXPECT_EQ(in.ReadString(), text);
    EXPECT_TRUE(in.AtEnd());
}

INSTANTIATE_TEST_SUITE_P(Lengths, ArchiveStringTest,
                         ::testing::Values(StringCase{0, 1}, StringCase{254, 1}, StringCase{255, 3},
                                           StringCase{0xFFFD, 3}, StringCase{0xFFFE, 7},
                                           StringCase{0x10000, 7}));

TEST(ArchiveString, PrefixBytesAreTheFrameworksLayout) {
    Archive out = Archive::ForStoring("test");
    out.WriteString(std::string(300, 'a'));
    EXPECT_EQ(out.Bytes().substr(0, 3), std::string("\xFF\x2C\x01", 3));

    Archive longOut = Archive::ForStoring("test");
    longOut.WriteString(std::string(0x10000, 'a'));
    EXPECT_EQ(longOut.Bytes().substr(0, 7), std::string("\xFF\xFF\xFF\x00\x00\x01\x00", 7));
}

TEST(ArchiveString, WideStringMarkIsRejected) {
    Archive in = Archive::ForLoading(std::string("\xFF\xFE\xFF\x01\x00\x00", 6), "test");
    EXPECT_EQ(CauseOf([&] { in.ReadString(); }), Cause::Generic);
}

TEST(ArchiveString, DeclaredLengthBeyondTheFileThrowsWithoutAllocating) {
    // Claims four gigabytes; only two bytes follow.
    Archive in = Archive::ForLoading(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
                                                 "ab",
                                                 9),
                                     "big.pro");
    try {
        in.ReadString();
        FAIL() << "no exception";
    } catch (const ArchiveException& e) {
        EXPECT_EQ(e.cause(), Cause::EndOfFile);
        EXPECT_EQ(e.fileName(), "big.pro");
    }
}

TEST(ArchiveCount, UsesTheLongFormFromFFFF) {
    for (const std::uint32_t count : {0u, 0xFFFEu, 0xFFFFu, 0x12345u}) {
        Archive out = Archive::ForStoring("test");
        out.WriteCount(count);
        EXPECT_EQ(out.Bytes().size(), count < 0xFFFF ? 2u : 6u) << count;
        Archive in = Archive::ForLoading(out.Bytes(), "test");
        EXPECT_EQ(in.ReadCount(0), count);
    }
}

TEST(ArchiveCount, CountLargerThanTheRemainingElementsThrows) {
    Archive out = Archive::ForStoring("test");
    out.WriteCount(3);
    out.WriteInt32(1);
    out.WriteInt32(2);
    Archive in = Archive::ForLoading(out.Bytes(), "test");
    EXPECT_EQ(CauseOf([&] { in.ReadCount(4); }), Cause::EndOfFile);
}

TEST(ArchiveRead, TruncatedValuesThrowAtTheEnd) {
    const std::string bytes("\x01\x02\x03", 3);
    Archive in = Archive::ForLoading(bytes, "test");
    EXPECT_EQ(CauseOf([&] { in.ReadInt32(); }), Cause::EndOfFile);
    Archive dateIn = Archive::ForLoading(std::string(11, '\0'), "test");
    EXPECT_EQ(CauseOf([&] { dateIn.ReadDate(); }), Cause::EndOfFile);
    Archive empty = Archive::ForLoading("", "test");
    EXPECT_EQ(CauseOf([&] { empty.ReadByte(); }), Cause::EndOfFile);
}

TEST(ArchiveMode, ReadingAStoreAndWritingALoadThrow) {
    Archive out = Archive::ForStoring("test");
    EXPECT_EQ(CauseOf([&] { out.ReadInt32(); }), Cause::WriteOnly);
    Archive in = Archive::ForLoading("abcd", "test");
    EXPECT_EQ(CauseOf([&] { in.WriteInt32(1); }), Cause::ReadOnly);
}

TEST(ArchiveIntegers, AreLittleEndian) {
    Archive out = Archive::ForStoring("test");
    out.WriteInt32(-2);
    out.WriteUInt16(0x1234);
    out.WriteByte(7);
    EXPECT_EQ(out.Bytes(), std::string("\xFE\xFF\xFF\xFF\x34\x12\x07", 7));
    Archive in = Archive::ForLoading(out.Bytes(), "test");
    EXPECT_EQ(in.ReadInt32(), -2);
    EXPECT_EQ(in.ReadUInt16(), 0x1234);
    EXPECT_EQ(in.ReadByte(), 7);
}

TEST(ArchiveMoney, ValidNullAndInvalidRoundTripWithTheirPayload) {
    const Money values[] = {Money::FromUnits(-125000), Money::FromUnits(INT64_MAX),
                            Money::FromRaw(ValueStatus::Null, 0x0102030405060708),
                            Money::FromRaw(ValueStatus::Invalid, -77)};
    for (const Money& value : values) {
        Archive out = Archive::ForStoring("test");
        out.WriteMoney(value);
        ASSERT_EQ(out.Bytes().size(), 12u);
        Archive in = Archive::ForLoading(out.Bytes(), "test");
        EXPECT_EQ(in.ReadMoney(), value);
        Archive again = Archive::ForStoring("test");
        again.WriteMoney(value);
        EXPECT_EQ(again.Bytes(), out.Bytes());
    }
}

TEST(ArchiveMoney, HighHalfComesBeforeLowHalf) {
    Archive out = Archive::ForStoring("test");
    out.WriteMoney(Money::FromUnits(-1));
    EXPECT_EQ(out.Bytes(), std::string("\0\0\0\0\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 12));
}

TEST(ArchiveDate, ValidNullAndInvalidRoundTripWithTheirPayload) {
    const DateTime values[] = {DateTime::FromDays(37599.604166), DateTime::FromDays(-1.25),
                               DateTime::FromRaw(ValueStatus::Null, 12.5),
                               DateTime::FromRaw(ValueStatus::Invalid, 0.0)};
    for (const DateTime& value : values) {
        Archive out = Archive::ForStoring("test");
        out.WriteDate(value);
        ASSERT_EQ(out.Bytes().size(), 12u);
        Archive in = Archive::ForLoading(out.Bytes(), "test");
        const DateTime read = in.ReadDate();
        EXPECT_EQ(read.Status(), value.Status());
        EXPECT_EQ(read.Days(), value.Days());
    }
}

TEST(ArchiveDate, UnknownStatusIsMalformed) {
    Archive out = Archive::ForStoring("test");
    out.WriteInt32(7);
    out.WriteDouble(1.0);
    Archive in = Archive::ForLoading(out.Bytes(), "test");
    EXPECT_EQ(CauseOf([&] { in.ReadDate(); }), Cause::Generic);
}

TEST(ArchiveInPlace, ReadsTheCallersBytesWithoutCopyingThem) {
    Archive out = Archive::ForStoring("test");
    out.WriteString("lamp");
    out.WriteInt32(7);
    const std::string bytes = out.Bytes();
    Archive in = Archive::ForLoadingInPlace(bytes, "test");
    const std::string_view text = in.ReadStringView();
    EXPECT_EQ(text, "lamp");
    EXPECT_EQ(text.data(), bytes.data() + 1);
    EXPECT_EQ(in.ReadInt32(), 7);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(CauseOf([&] { in.ReadByte(); }), Cause::EndOfFile);
}

TEST(ArchiveSink, HandsOnEveryByteInOrderInPieces) {
    std::vector<std::string> pieces;
    Archive out = Archive::ForStoringTo(
        [&pieces](std::string_view bytes) { pieces.emplace_back(bytes); }, "test");
    const std::string text(70000, 't');
    std::string expected;
    Archive whole = Archive::ForStoring("test");
    for (int i = 0; i < 40; ++i) {
        out.WriteString(text);
        out.WriteInt32(i);
        whole.WriteString(text);
        whole.WriteInt32(i);
    }
    out.Flush();
    out.Flush();
    EXPECT_GT(pieces.size(), 1u);
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_FALSE(piece.empty());
        joined += piece;
    }
    EXPECT_EQ(joined, whole.Bytes());
    EXPECT_TRUE(out.Bytes().empty());
}

TEST(ArchiveVersion, IsCarriedForTheRecords) {
    Archive in = Archive::ForLoading("", "Profile", 272250);
    EXPECT_EQ(in.FileVersion(), 272250);
    in.SetFileVersion(272252);
    EXPECT_EQ(in.FileVersion(), 272252);
}

}  // namespace
}  // namespace gb
