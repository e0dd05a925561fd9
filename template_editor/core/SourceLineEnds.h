#pragma once
// The line ends of the source section. The source view shows every line end
// as a plain line feed; the text goes back with the line ends each part had:
// the header (with the page prefix), the repeat part, and the footer (with the
// page suffix), told apart by the marker comments. A part ends its lines as
// most of its lines ended; one without line ends as the source did.

#include <array>
#include <string>
#include <string_view>

namespace gb::editor {

class SourceLineEnds {
public:
    // Notes the line ends of each part of `source` and gives the source with
    // plain line feeds.
    std::string Record(std::string_view source);
    // `edited` (plain line feeds) with each part's line ends as recorded.
    std::string Restore(std::string_view edited) const;

private:
    static constexpr std::size_t kParts = 3;

    // The parts of a source text: the repeat part and the footer begin at
    // their markers; a part whose marker is missing (or out of order) is
    // part of the one before.
    class Parts {
    public:
        explicit Parts(std::string_view text);
        // The part the character at `position` belongs to.
        std::size_t At(std::size_t position) const;

    private:
        std::array<std::size_t, kParts> starts_{};
    };

    std::array<bool, kParts> crlf_{};
};

}  // namespace gb::editor
