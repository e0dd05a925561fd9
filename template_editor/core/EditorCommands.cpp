#include "template_editor/core/EditorCommands.h"

#include <algorithm>
#include <array>

#include "platform/Cp1252.h"

namespace gb::editor {

namespace {

constexpr std::array kEditCommands{
    EditCommand{cmd::Copy, "Copy", EditRun::Engine, "copy", false},
    EditCommand{cmd::Cut, "Cut", EditRun::Engine, "cut", false},
    EditCommand{cmd::Paste, "Paste", EditRun::Engine, "paste", false},
    EditCommand{cmd::SelectAll, "Select All", EditRun::Engine, "selectAll", false},
    EditCommand{cmd::Undo, "Undo", EditRun::Engine, "undo", false},
    EditCommand{cmd::Font, "Font", EditRun::AskFont, "fontName", false},
    EditCommand{cmd::Indent, "Indent", EditRun::Document, "indent", false},
    EditCommand{cmd::Outdent, "Outdent", EditRun::Document, "outdent", false},
    EditCommand{cmd::Image, "Image", EditRun::AskImage, "insertImage", false},
    EditCommand{cmd::Link, "Link", EditRun::AskLink, "createLink", false},
    EditCommand{cmd::Bold, "Bold", EditRun::Document, "bold", true},
    EditCommand{cmd::Italic, "Italic", EditRun::Document, "italic", true},
    EditCommand{cmd::Underline, "Underline", EditRun::Document, "underline", true},
    EditCommand{cmd::Bullets, "Bullets", EditRun::Document, "insertUnorderedList", true},
    EditCommand{cmd::Numbers, "Numbers", EditRun::Document, "insertOrderedList", true},
    EditCommand{cmd::AlignLeft, "Align Left", EditRun::Document, "justifyLeft", true},
    EditCommand{cmd::Center, "Center", EditRun::Document, "justifyCenter", true},
    EditCommand{cmd::AlignRight, "Align right", EditRun::Document, "justifyRight", true},
};

constexpr std::array kBlockFormats{
    BlockFormat{"Normal", "p"},        BlockFormat{"Formatted", "pre"},
    BlockFormat{"Address", "address"}, BlockFormat{"Heading 1", "h1"},
    BlockFormat{"Heading 2", "h2"},    BlockFormat{"Heading 3", "h3"},
    BlockFormat{"Heading 4", "h4"},    BlockFormat{"Heading 5", "h5"},
    BlockFormat{"Heading 6", "h6"},    BlockFormat{"Definition Term", "dt"},
    BlockFormat{"Definition", "dd"},   BlockFormat{"Block Quote", "blockquote"},
};

}  // namespace

std::span<const EditCommand> EditCommands() {
    return kEditCommands;
}

const EditCommand* FindEditCommand(int id) {
    const auto* found = std::find_if(kEditCommands.begin(), kEditCommands.end(),
                                     [id](const EditCommand& row) { return row.id == id; });
    return found == kEditCommands.end() ? nullptr : &*found;
}

std::span<const BlockFormat> BlockFormats() {
    return kBlockFormats;
}

std::string_view BlockFormatName(std::string_view element) {
    for (const BlockFormat& format : kBlockFormats) {
        if (gb::cp1252::EqualsNoCase(format.element, element)) {
            return format.name;
        }
    }
    return {};
}

}  // namespace gb::editor
