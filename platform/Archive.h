#pragma once
// The framework's archive encodings, byte-exact, over an in-memory buffer.
// An archive is opened either for loading (over the bytes of a file) or for
// storing (into a growing buffer the caller then writes out). Reading checks
// every length against what remains and throws ArchiveException on anything
// malformed; it never reads past the end.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "platform/Money.h"

namespace gb {

class ArchiveException : public std::runtime_error {
public:
    enum class Cause {
        Generic,
        ReadOnly,   // a write to an archive opened for loading
        EndOfFile,  // a read past the end, or a length larger than what remains
        WriteOnly,  // a read from an archive opened for storing
        BadIndex,
        BadClass,
        BadSchema,  // a version this program does not read
    };

    ArchiveException(Cause cause, std::string fileName);

    Cause cause() const { return cause_; }
    const std::string& fileName() const { return fileName_; }

private:
    Cause cause_;
    std::string fileName_;
};

class Archive {
public:
    enum class Mode { Load, Store };

    // An archive over the bytes of a file, named in its exceptions.
    static Archive ForLoading(std::string bytes, std::string fileName, std::int32_t version = 0);
    // The same over bytes the caller keeps (a mapped file) for as long as the
    // archive and the views it hands out live; they are not copied.
    static Archive ForLoadingInPlace(std::string_view bytes, std::string fileName,
                                     std::int32_t version = 0);
    static Archive ForStoring(std::string fileName, std::int32_t version = 0);
    // Stores into a buffer of its own that is handed to `sink` whenever it
    // holds a piece's worth, and by Flush: a large file is written without
    // ever being whole in memory.
    using Sink = std::function<void(std::string_view bytes)>;
    static Archive ForStoringTo(Sink sink, std::string fileName, std::int32_t version = 0);

    bool IsLoading() const { return mode_ == Mode::Load; }
    bool IsStoring() const { return mode_ == Mode::Store; }
    const std::string& FileName() const { return fileName_; }

    // The version of the file being read or written, for records whose layout
    // depends on it.
    std::int32_t FileVersion() const { return version_; }
    void SetFileVersion(std::int32_t version) { version_ = version; }

    // The bytes stored so far (with a sink: stored and not yet handed on).
    const std::string& Bytes() const { return stored_; }
    // Hands the bytes stored so far to the sink.
    void Flush();
    std::size_t Remaining() const { return input_.size() - position_; }
    bool AtEnd() const { return Remaining() == 0; }

    // Inline: a large file is stored a few values at a time, millions of them.
    void WriteByte(std::uint8_t value) { WriteLittleEndian(value); }
    void WriteUInt16(std::uint16_t value) { WriteLittleEndian(value); }
    void WriteInt32(std::int32_t value) { WriteLittleEndian(value); }
    void WriteUInt32(std::uint32_t value) { WriteLittleEndian(value); }
    void WriteDouble(double value) { WriteLittleEndian(value); }
    void WriteBytes(std::string_view bytes);
    // Length byte below 255, else 0xFF + uint16 below 0xFFFE, else 0xFF 0xFFFF + uint32.
    void WriteString(std::string_view text);
    // uint16 below 0xFFFF, else 0xFFFF + uint32.
    void WriteCount(std::uint32_t count);
    void WriteDate(const DateTime& date);
    void WriteMoney(const Money& money);

    // Writes `value` when storing, reads into it when loading: one call serves
    // both directions of a record's archive operation.
    void Transfer(std::int32_t& value);
    void Transfer(std::string& value);
    void Transfer(DateTime& value);
    void Transfer(Money& value);

    // Inline, as the writes are.
    std::uint8_t ReadByte() { return ReadLittleEndian<std::uint8_t>(); }
    std::uint16_t ReadUInt16() { return ReadLittleEndian<std::uint16_t>(); }
    std::int32_t ReadInt32() { return ReadLittleEndian<std::int32_t>(); }
    std::uint32_t ReadUInt32() { return ReadLittleEndian<std::uint32_t>(); }
    double ReadDouble() { return ReadLittleEndian<double>(); }
    std::string ReadBytes(std::size_t count);
    std::string ReadString();
    // The same, as a view of the archive's bytes, valid while the archive lives.
    std::string_view ReadStringView();
    // A count of elements that each take at least `minElementSize` bytes in the
    // file; a count that the remaining bytes cannot hold throws.
    std::uint32_t ReadCount(std::size_t minElementSize = 1);
    DateTime ReadDate();
    Money ReadMoney();

private:
    Archive(Mode mode, std::string_view input, std::string fileName, std::int32_t version);

    [[noreturn]] void Fail(ArchiveException::Cause cause) const;
    void RequireStoring() const {
        if (mode_ != Mode::Store) {
            Fail(ArchiveException::Cause::ReadOnly);
        }
    }
    // Checks that `count` bytes remain to be read and returns where they start.
    const char* Take(std::size_t count) {
        if (mode_ != Mode::Load) {
            Fail(ArchiveException::Cause::WriteOnly);
        }
        if (count > Remaining()) {
            Fail(ArchiveException::Cause::EndOfFile);
        }
        const char* start = input_.data() + position_;
        position_ += count;
        return start;
    }
    template <typename T>
    T ReadLittleEndian() {
        T value;
        std::memcpy(&value, Take(sizeof value), sizeof value);
        return value;
    }
    template <typename T>
    void WriteLittleEndian(T value) {
        RequireStoring();
        char raw[sizeof value];
        std::memcpy(raw, &value, sizeof value);
        stored_.append(raw, sizeof value);
        FlushWhenFull();
    }

    // Hands the buffer on once it holds a piece's worth.
    void FlushWhenFull() {
        if (sink_ && stored_.size() >= kSinkPiece) {
            Flush();
        }
    }
    static constexpr std::size_t kSinkPiece = std::size_t{1} << 20;

    Mode mode_;
    std::string stored_;
    Sink sink_;
    // The bytes being loaded, and the copy of them this archive owns if any.
    std::shared_ptr<const std::string> owned_;
    std::string_view input_;
    std::size_t position_ = 0;
    std::string fileName_;
    std::int32_t version_;
};

}  // namespace gb
