#include "itemdb/FolderNode.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace gb::itemdb {

namespace {

// The record's fields in file order, each read and written little-endian.
class RecordReader {
public:
    explicit RecordReader(std::string_view record) : record_(record) {}

    std::int32_t Int32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(record_[offset_++]))
                     << (8 * i);
        }
        return static_cast<std::int32_t>(value);
    }

    template <std::size_t Size>
    void Text(FixedText<Size>& text) {
        std::copy_n(record_.begin() + static_cast<std::ptrdiff_t>(offset_), Size,
                    text.Bytes().begin());
        offset_ += Size;
    }

    std::size_t Offset() const { return offset_; }

private:
    std::string_view record_;
    std::size_t offset_ = 0;
};

void AppendInt32(std::string& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
}

template <std::size_t Size>
void AppendText(std::string& out, const FixedText<Size>& text) {
    out.append(text.Bytes().data(), Size);
}

}  // namespace

CFolderNode CFolderNode::FromRecord(std::string_view record) {
    if (record.size() != kRecordSize) {
        throw std::invalid_argument("a folder record is 600 bytes");
    }
    RecordReader in(record);
    CFolderNode node;
    node.kind = in.Int32();
    node.type = in.Int32();
    node.id = in.Int32();
    node.parentId = in.Int32();
    node.next = in.Int32();
    in.Text(node.name);
    in.Text(node.description);
    in.Text(node.data);
    node.heading = in.Int32();
    node.fixed = in.Int32();
    node.filterIndex = in.Int32();
    assert(in.Offset() == kRecordSize);
    return node;
}

void CFolderNode::AppendRecord(std::string& out) const {
    AppendInt32(out, kind);
    AppendInt32(out, type);
    AppendInt32(out, id);
    AppendInt32(out, parentId);
    AppendInt32(out, next);
    AppendText(out, name);
    AppendText(out, description);
    AppendText(out, data);
    AppendInt32(out, heading);
    AppendInt32(out, fixed);
    AppendInt32(out, filterIndex);
}

bool CFolderNode::HasTerminatedTexts() const {
    return name.IsTerminated() && description.IsTerminated() && data.IsTerminated();
}

}  // namespace gb::itemdb
