#pragma once
// The line ends of the source section. The source view shows every line end
// (CR LF, LF, a lone CR) as a plain line feed; the text goes back with the
// line ends it had. A piece of the source the user left as it was (the page
// prefix, the header, the repeat part, the footer, the page suffix) goes back
// byte for byte. In a piece the user changed, every line ends as most lines
// of its part did: the header (with the page prefix), the repeat part, or the
// footer (with the page suffix), told apart by the marker comments; a part
// without line ends takes what most of the source had.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace gb::editor {

class SourceLineEnds {
public:
    // Notes the line ends of each part of `source` and gives the source with
    // plain line feeds.
    std::string Record(std::string_view source);
    // `edited` (plain line feeds) with the line ends recorded.
    std::string Restore(std::string_view edited) const;

private:
    static constexpr std::size_t kParts = 3;
    static constexpr std::size_t kPieces = 5;

    // The pieces of a source text: the prefix through the opening body tag,
    // the header, the repeat part from its marker, the footer from its marker,
    // and the suffix from the closing body tag. A piece whose marker or tag is
    // missing (or out of order) is empty and its text belongs to the piece
    // before.
    static std::array<std::string_view, kPieces> Pieces(std::string_view text);
    // The part whose line ends a piece takes.
    static constexpr std::array<std::size_t, kPieces> kPartOf{0, 0, 1, 2, 2};

    std::array<bool, kParts> crlf_{};
    // Each piece as it was recorded, and as the view shows it.
    std::array<std::string, kPieces> original_;
    std::array<std::string, kPieces> shown_;
};

}  // namespace gb::editor
