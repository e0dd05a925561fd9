#include "sites/HtmlParser.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/Cp1252.h"

namespace gb::sites {

namespace {

// The code page's lower-case mapping by byte, so that lowering a whole page
// costs one lookup per byte.
std::string Lowered(std::string_view text) {
    static const std::array<char, 256> kLower = [] {
        std::array<char, 256> table{};
        for (std::size_t byte = 0; byte < table.size(); ++byte) {
            table[byte] = gb::cp1252::ToLower(static_cast<char>(byte));
        }
        return table;
    }();
    std::string lowered(text.size(), '\0');
    std::transform(text.begin(), text.end(), lowered.begin(),
                   [](char c) { return kLower[static_cast<unsigned char>(c)]; });
    return lowered;
}

}  // namespace

void CHtmlParser::SetText(std::string_view text) {
    text_.assign(text);
    lowered_ = Lowered(text_);
    cursor_ = 0;
    windowEnd_ = text_.size();
    depth_ = 1;
    ends_.fill(0);
    ends_[0] = text_.size();
    for (std::string& close : closes_) {
        close.clear();
    }
}

std::string CHtmlParser::GetText() const {
    if (windowEnd_ <= cursor_) {
        return {};
    }
    return text_.substr(cursor_, windowEnd_ - cursor_);
}

std::optional<std::size_t> CHtmlParser::Find(std::string_view s, bool move) {
    if (windowEnd_ <= cursor_) {
        return std::nullopt;
    }
    // A match must start before the window end, so nothing after the last
    // such start plus the needle's length needs searching.
    const std::string_view searched =
        std::string_view(lowered_).substr(0, windowEnd_ - 1 + std::max<std::size_t>(s.size(), 1));
    const std::size_t start = searched.find(Lowered(s), cursor_);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t after = start + s.size();
    if (move) {
        cursor_ = after;
    }
    return after;
}

bool CHtmlParser::Enter(std::string_view open, std::string_view close) {
    // Empty markers would match without moving and never end the nesting count.
    if (open.empty() || close.empty() || depth_ >= kMaxDepth) {
        return false;
    }
    if (!Find(open, true)) {
        return false;
    }
    const std::size_t contentStart = cursor_;
    // Count nested open markers until the matching close marker. A marker
    // found earlier is still the next one as long as the cursor has not passed
    // its start, so each marker is searched for once and the walk stays linear.
    int nesting = 1;
    std::optional<std::size_t> nextOpen = Find(open);
    std::optional<std::size_t> nextClose = Find(close);
    while (nextClose) {
        if (nextOpen && *nextOpen < *nextClose) {
            ++nesting;
            cursor_ = *nextOpen;
        } else {
            --nesting;
            cursor_ = *nextClose;
            if (nesting == 0) {
                break;
            }
        }
        if (nextOpen && *nextOpen - open.size() < cursor_) {
            nextOpen = Find(open);
        }
        if (*nextClose - close.size() < cursor_) {
            nextClose = Find(close);
        }
    }
    cursor_ = contentStart;
    if (nesting > 0) {
        return false;
    }
    ends_[depth_] = *nextClose;
    closes_[depth_].assign(close);
    ++depth_;
    windowEnd_ = *nextClose - close.size();
    return true;
}

bool CHtmlParser::EnterTag(std::string_view tag, std::string_view close) {
    if (tag.size() < 2) {
        return false;
    }
    const std::string_view prefix = tag.substr(0, tag.size() - 1);
    const std::optional<std::size_t> prefixEnd = Find(prefix);
    if (!prefixEnd) {
        return false;
    }
    // Find the end of the start tag, counting any "<" nested in it.
    const std::size_t resume = cursor_;
    cursor_ = *prefixEnd - prefix.size();
    if (Enter("<", ">")) {
        Leave(">");
    }
    const std::size_t contentStart = cursor_;
    cursor_ = resume;

    if (!Enter(prefix, close)) {
        return false;
    }
    cursor_ = contentStart;
    return true;
}

bool CHtmlParser::Leave(std::string_view close) {
    if (depth_ < 2 || !gb::cp1252::EqualsNoCase(closes_[depth_ - 1], close)) {
        return false;
    }
    --depth_;
    cursor_ = ends_[depth_];
    closes_[depth_].clear();
    windowEnd_ = ends_[depth_ - 1];
    return true;
}

}  // namespace gb::sites
