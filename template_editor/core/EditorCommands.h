#pragma once
// The editor's command IDs and the editing commands of its design view: how
// each runs in the web engine and whether its button shows a checked state.

#include <span>
#include <string_view>

namespace gb::editor {

namespace cmd {
// File
inline constexpr int New = 57600;
inline constexpr int Open = 57601;
inline constexpr int Save = 32820;
inline constexpr int SaveAs = 32821;
inline constexpr int Exit = 57665;
// Edit and format
inline constexpr int Copy = 57634;
inline constexpr int Cut = 57635;
inline constexpr int Paste = 57637;
inline constexpr int SelectAll = 57642;
inline constexpr int Undo = 57643;
inline constexpr int Font = 32789;
inline constexpr int Indent = 32819;
inline constexpr int Outdent = 32818;
inline constexpr int Image = 32813;
inline constexpr int Link = 32817;
inline constexpr int Bold = 32771;
inline constexpr int Italic = 32787;
inline constexpr int Underline = 32788;
inline constexpr int Bullets = 32793;
inline constexpr int Numbers = 32816;
inline constexpr int AlignLeft = 32790;
inline constexpr int Center = 32791;
inline constexpr int AlignRight = 32792;
inline constexpr int Format = 32822;
// View
inline constexpr int ViewHeader = 32823;
inline constexpr int ViewRepeat = 32828;
inline constexpr int ViewFooter = 32825;
inline constexpr int ViewSource = 32827;
// Window: the focus to the next or the previous pane.
inline constexpr int NextPane = 57680;
inline constexpr int PreviousPane = 57681;
// Help
inline constexpr int HelpTopics = 57667;
inline constexpr int About = 57664;
// The template bar's Fields button.
inline constexpr int Fields = 1006;
}  // namespace cmd

// How the design view runs an editing command.
enum class EditRun {
    Engine,    // one of the engine's own editing actions (clipboard, undo, select all)
    Document,  // the document's editing command, without an argument
    AskFont,   // the document's command with a font family the user picks
    AskImage,  // the document's command with an image address the user gives
    AskLink,   // the document's command with a link address the user gives
};

struct EditCommand {
    int id;
    std::string_view tooltip;
    EditRun run;
    // The document's editing command (its "execCommand" name); for engine
    // actions the name whose enabled state the document reports.
    std::string_view command;
    // Whether its button and menu item show the command's latched state.
    bool toggle;
};

// The design view's editing commands, in menu and map order.
std::span<const EditCommand> EditCommands();
// The row of a command ID; nothing when the design view does not handle it.
const EditCommand* FindEditCommand(int id);

// A block format of the Format list: the name shown and the element the
// document's "formatBlock" command makes.
struct BlockFormat {
    std::string_view name;
    std::string_view element;
};

std::span<const BlockFormat> BlockFormats();
// The name of the block format whose element is `element` (any case); empty
// when none is.
std::string_view BlockFormatName(std::string_view element);

}  // namespace gb::editor
