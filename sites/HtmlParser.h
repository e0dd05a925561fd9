#pragma once
// A cursor over the text of a web page. Elements are found by plain
// case-insensitive search for their markers, with nesting counted by markers,
// so broken or unusual HTML never stops it: at worst a step fails. Entering an
// element narrows the search window to its content; leaving it widens the
// window again.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gb::sites {

class CHtmlParser {
public:
    // Stack entries, the base entry included: at most 15 elements entered at once.
    static constexpr int kMaxDepth = 16;

    CHtmlParser() = default;
    explicit CHtmlParser(std::string_view text) { SetText(text); }

    // Loads a copy of `text` and resets the cursor, the window and the stack.
    void SetText(std::string_view text);

    // The text from the cursor to the window end; empty when the window ends
    // at or before the cursor.
    std::string GetText() const;

    // The index just after the first case-insensitive occurrence of `s` that
    // starts at or after the cursor and before the window end (it may run past
    // the window end); nothing when there is none. With `move`, the cursor goes
    // there.
    std::optional<std::size_t> Find(std::string_view s, bool move = false);

    // Enters the next element between `open` and its matching `close`, counting
    // nested `open` markers. On success the cursor stands just after `open` and
    // the window ends where the matching `close` starts. Fails on an empty
    // marker or a full stack without changing anything; when `open` is found
    // but its `close` is not, the cursor is left just after `open`.
    bool Enter(std::string_view open, std::string_view close);

    // Enters the next element whose start tag begins like `tag` less its last
    // character ("<td>" finds "<td" with any attributes), up to the matching
    // `close`; the cursor then stands just after the start tag's ">". Fails on
    // a tag shorter than two characters.
    bool EnterTag(std::string_view tag, std::string_view close);

    // Leaves the innermost element when it was entered with `close` (compared
    // without regard to case): the cursor goes just after its close marker and
    // the window widens to the enclosing element. Otherwise changes nothing.
    bool Leave(std::string_view close);

private:
    std::string text_;
    // The text in lower case, for searching without regard to case.
    std::string lowered_;
    std::size_t cursor_ = 0;
    std::size_t windowEnd_ = 0;
    int depth_ = 1;
    // Per stack entry: the index just after its close marker, and the marker.
    // Entry 0 is the whole text.
    std::array<std::size_t, kMaxDepth> ends_{};
    std::array<std::string, kMaxDepth> closes_{};
};

}  // namespace gb::sites
