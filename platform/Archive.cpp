#include "platform/Archive.h"

#include <bit>
#include <cstring>

namespace gb {

namespace {

static_assert(std::endian::native == std::endian::little,
              "the archive encodings are read and written as little-endian");

const char* Describe(ArchiveException::Cause cause) {
    using Cause = ArchiveException::Cause;
    switch (cause) {
        case Cause::Generic:
            return "the file is not in the expected format";
        case Cause::ReadOnly:
            return "the archive is open for reading";
        case Cause::EndOfFile:
            return "the file ends unexpectedly";
        case Cause::WriteOnly:
            return "the archive is open for writing";
        case Cause::BadIndex:
            return "a reference in the file is out of range";
        case Cause::BadClass:
            return "the file holds an unexpected record";
        case Cause::BadSchema:
            return "the file has a version this program cannot read";
    }
    return "unknown archive error";
}

constexpr std::uint8_t kLongStringByte = 0xFF;
constexpr std::uint16_t kWideStringMark = 0xFFFE;
constexpr std::uint16_t kLongCount = 0xFFFF;

}  // namespace

ArchiveException::ArchiveException(Cause cause, std::string fileName)
    : std::runtime_error(fileName + ": " + Describe(cause)),
      cause_(cause),
      fileName_(std::move(fileName)) {}

Archive::Archive(Mode mode, std::string_view input, std::string fileName, std::int32_t version)
    : mode_(mode), input_(input), fileName_(std::move(fileName)), version_(version) {}

Archive Archive::ForLoading(std::string bytes, std::string fileName, std::int32_t version) {
    // Kept on the heap, so that the view stays put when the archive moves.
    auto owned = std::make_shared<const std::string>(std::move(bytes));
    Archive ar(Mode::Load, *owned, std::move(fileName), version);
    ar.owned_ = std::move(owned);
    return ar;
}

Archive Archive::ForLoadingInPlace(std::string_view bytes, std::string fileName,
                                   std::int32_t version) {
    return Archive(Mode::Load, bytes, std::move(fileName), version);
}

Archive Archive::ForStoring(std::string fileName, std::int32_t version) {
    return Archive(Mode::Store, {}, std::move(fileName), version);
}

Archive Archive::ForStoringTo(Sink sink, std::string fileName, std::int32_t version) {
    Archive ar(Mode::Store, {}, std::move(fileName), version);
    ar.sink_ = std::move(sink);
    ar.stored_.reserve(kSinkPiece + kSinkPiece / 2);
    return ar;
}

void Archive::Flush() {
    RequireStoring();
    if (sink_ && !stored_.empty()) {
        sink_(stored_);
        stored_.clear();
    }
}

void Archive::Fail(ArchiveException::Cause cause) const {
    throw ArchiveException(cause, fileName_);
}

void Archive::WriteBytes(std::string_view bytes) {
    RequireStoring();
    stored_.append(bytes);
    FlushWhenFull();
}

void Archive::WriteString(std::string_view text) {
    RequireStoring();
    if (text.size() > UINT32_MAX) {
        Fail(ArchiveException::Cause::Generic);
    }
    const auto length = static_cast<std::uint32_t>(text.size());
    if (length < kLongStringByte) {
        WriteByte(static_cast<std::uint8_t>(length));
    } else if (length < kWideStringMark) {
        WriteByte(kLongStringByte);
        WriteUInt16(static_cast<std::uint16_t>(length));
    } else {
        WriteByte(kLongStringByte);
        WriteUInt16(kLongCount);
        WriteUInt32(length);
    }
    WriteBytes(text);
}

void Archive::WriteCount(std::uint32_t count) {
    if (count < kLongCount) {
        WriteUInt16(static_cast<std::uint16_t>(count));
    } else {
        WriteUInt16(kLongCount);
        WriteUInt32(count);
    }
}

void Archive::WriteDate(const DateTime& date) {
    WriteInt32(static_cast<std::int32_t>(date.Status()));
    WriteDouble(date.Days());
}

void Archive::WriteMoney(const Money& money) {
    const auto units = static_cast<std::uint64_t>(money.Units());
    WriteInt32(static_cast<std::int32_t>(money.Status()));
    WriteInt32(static_cast<std::int32_t>(units >> 32));
    WriteUInt32(static_cast<std::uint32_t>(units));
}

void Archive::Transfer(std::int32_t& value) {
    if (IsStoring()) {
        WriteInt32(value);
    } else {
        value = ReadInt32();
    }
}

void Archive::Transfer(std::string& value) {
    if (IsStoring()) {
        WriteString(value);
    } else {
        value = ReadString();
    }
}

void Archive::Transfer(DateTime& value) {
    if (IsStoring()) {
        WriteDate(value);
    } else {
        value = ReadDate();
    }
}

void Archive::Transfer(Money& value) {
    if (IsStoring()) {
        WriteMoney(value);
    } else {
        value = ReadMoney();
    }
}

std::string Archive::ReadBytes(std::size_t count) {
    const char* start = Take(count);
    return std::string(start, count);
}

std::string Archive::ReadString() {
    return std::string(ReadStringView());
}

std::string_view Archive::ReadStringView() {
    std::uint32_t length = ReadByte();
    if (length == kLongStringByte) {
        length = ReadUInt16();
        if (length == kWideStringMark) {
            // A wide string: this program only ever wrote 8-bit text.
            Fail(ArchiveException::Cause::Generic);
        }
        if (length == kLongCount) {
            length = ReadUInt32();
        }
    }
    return {Take(length), length};
}

std::uint32_t Archive::ReadCount(std::size_t minElementSize) {
    std::uint32_t count = ReadUInt16();
    if (count == kLongCount) {
        count = ReadUInt32();
    }
    if (minElementSize > 0 && count > Remaining() / minElementSize) {
        Fail(ArchiveException::Cause::EndOfFile);
    }
    return count;
}

DateTime Archive::ReadDate() {
    const std::int32_t status = ReadInt32();
    const double days = ReadDouble();
    if (status < 0 || status > static_cast<std::int32_t>(ValueStatus::Null)) {
        Fail(ArchiveException::Cause::Generic);
    }
    // A "valid" day number outside the calendar is kept, but as invalid.
    if (status == static_cast<std::int32_t>(ValueStatus::Valid) &&
        !DateTime::FromDays(days).IsValid()) {
        return DateTime::FromRaw(ValueStatus::Invalid, days);
    }
    return DateTime::FromRaw(static_cast<ValueStatus>(status), days);
}

Money Archive::ReadMoney() {
    const std::int32_t status = ReadInt32();
    const auto high = static_cast<std::uint32_t>(ReadInt32());
    const std::uint32_t low = ReadUInt32();
    if (status < 0 || status > static_cast<std::int32_t>(ValueStatus::Null)) {
        Fail(ArchiveException::Cause::Generic);
    }
    const auto units = static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
    return Money::FromRaw(static_cast<ValueStatus>(status), units);
}

}  // namespace gb
