#include "app/core/CommandCatalog.h"

#include <algorithm>
#include <array>

#include "app/core/CommandIds.h"

namespace gb::app {

namespace {

constexpr std::array kCommands = std::to_array<CommandText>({
    // Files and the application.
    {cmd::FileNew, "&New Database\tCtrl+N", "Create a new profile", "New Database"},
    {cmd::FileOpen, "&Open Database...\tCtrl+O", "Open an existing profile", "Open Database"},
    {cmd::FileSave, "&Save Database\tCtrl+S", "Save the profile", "Save Database"},
    {cmd::FileSaveAs, "Save Database &As...", "Save the profile under a new name", "Save As"},
    {cmd::FilePrint, "&Print...\tCtrl+P", "Print the item list", "Print"},
    {cmd::FilePrintPreview, "Print Pre&view", "Show the printed pages on the screen",
     "Print Preview"},
    {cmd::FilePrintSetup, "P&rint Setup...", "Choose the printer and its options", "Print Setup"},
    {cmd::AppExit, "E&xit", "Quit the program", "Exit"},
    {cmd::AppAbout, "&About Gavelbook...", "Show the program's version", "About"},

    // Help.
    {cmd::HelpIndex, "&Help Topics", "List the help topics", "Help Topics"},
    {cmd::HelpUserGuide, "&User Guide", "Read the user guide", "User Guide"},

    // Bars.
    {cmd::ViewToolbar, "&Toolbar", "Show or hide the toolbar", "Toolbar"},
    {cmd::ViewStatusBar, "&Status Bar", "Show or hide the status bar", "Status Bar"},

    // The main frame.
    {cmd::FeeSchedule, "Fee Sched&ule...\tCtrl+U", "Edit the calculated charges and fees",
     "Fee Schedule"},
    {cmd::NavigationTree, "&Navigation Tree", "Show or hide the folder tree", "Navigation Tree"},
    {cmd::UserProfile, "&User Profile", "Show the profile name and the seller IDs", "User Profile"},
    {cmd::ShowCalendar, "Show &Calendar\tF9", "Show a monthly calendar", "Calendar"},
    {cmd::DropDownLists, "Drop Down &Lists...\tF7", "Edit the lists of the drop-down fields",
     "Drop Down Lists"},
    {cmd::ClipboardTemplates, "Clip&board Templates\tCtrl+B",
     "Edit the report and e-mail templates", "Edit Templates"},

    // The web view.
    {cmd::WebBack, "Back", "Go back to the previous page", "Back"},
    {cmd::WebNext, "Next", "Go forward to the next page", "Next"},
    {cmd::WebStop, "Stop", "Stop loading the page", "Stop"},
    {cmd::WebRefresh, "Refresh", "Load the page again", "Refresh"},
    {cmd::WebHome, "Home", "Go to the home page", "Home"},
    {cmd::WebSearch, "Search", "Go to the search page", "Search"},
    {cmd::WebFavorites, "Favorites", "Open a favourite page", "Favorites"},
    {cmd::WebFonts, "Fonts", "Change the size of the page's text", "Fonts"},
    {cmd::FontLargest, "Lar&gest", "Show the page's text at its largest", "Largest"},
    {cmd::FontLargest + 1, "&Large", "Show the page's text large", "Large"},
    {cmd::FontLargest + 2, "&Normal", "Show the page's text at its normal size", "Normal"},
    {cmd::FontLargest + 3, "&Small", "Show the page's text small", "Small"},
    {cmd::FontSmallest, "S&mallest", "Show the page's text at its smallest", "Smallest"},

    // The folder tree.
    {cmd::FolderNew, "&New", "Add a folder beside this one", "New Folder"},
    {cmd::FolderAdd, "Add &Folder", "Add a folder that groups other folders", "Add Folder"},
    {cmd::FolderEdit, "&Edit...", "Edit the folder's name, description and columns", "Edit Folder"},
    {cmd::FolderDelete, "&Delete...", "Delete the folder", "Delete Folder"},
    {cmd::FolderRename, "&Rename", "Rename the folder", "Rename Folder"},

    // The item list.
    {cmd::EditCopy, "&Copy to Clipboard\tCtrl+C",
     "Copy the selected items through the current template", "Copy to Clipboard"},
    {cmd::EditSelectAll, "Select &All\tCtrl+A", "Select every item of the list", "Select All"},
    {cmd::MailTo, "&Mail To", "Write to the buyer of the selected item", "Mail To"},
    {cmd::Report, "&Report...", "Make a report of the items of the folder", "Report"},
    {cmd::ItemSearch, "Item &Search...", "Find items by their text", "Item Search"},
    {cmd::EditItems, "&Edit Item(s)...", "Edit the selected items", "Edit Item(s)"},
    {cmd::CreateDuplicate, "Create Duplicate...", "Create a new item from the selected one",
     "Create Duplicate"},
    {cmd::StoreItem, "eBay Store Item", "Mark the selected items as store items, or not",
     "eBay Store Item"},
    {cmd::DeleteItems, "&Delete", "Move the selected items to Deleted Items", "Delete"},
    {cmd::ArchiveItems, "&Archive", "Move the selected items to the archive", "Archive"},
    {cmd::MoveItems, "&Move Item(s)...", "Move the selected items to another folder",
     "Move Item(s)"},
    {cmd::SetStatus, "Set S&tatus...", "Set the status of the selected items", "Set Status"},
    {cmd::BulkUpdate, "&Bulk Update...", "Change the fields of all selected items at once",
     "Bulk Update"},
    {cmd::InstantSummary, "Instant Su&mmary", "Show the totals of the selected items",
     "Instant Summary"},
    {cmd::ExportItems, "E&xport Items...", "Export the items of the folder to a file",
     "Export Items"},
    {cmd::ViewListing, "&View Listing", "Open the item's listing on the auction site",
     "View Listing"},
    {cmd::BidHistory, "Bid History", "Open the item's bid history on the auction site",
     "Bid History"},
    {cmd::Feedback, "Feedback", "Leave feedback for the item's buyer", "Feedback"},
    {cmd::UpdateDatabase, "&Update Database\tF5", "Retrieve your auctions from the auction sites",
     "Update Database"},
    {cmd::MoreTemplates, "More...", "Choose another template and copy the selected items",
     "More Templates"},
    {cmd::DoubleSpace, "&Double Space", "Show taller rows with larger icons", "Double Space"},
    {cmd::MatureAudiences, "Mature &Audiences", "Include listings for mature audiences in updates",
     "Mature Audiences"},
});

}  // namespace

const CommandText* FindCommandText(int id) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [id](const CommandText& text) { return text.id == id; });
    return found == kCommands.end() ? nullptr : &*found;
}

std::string_view ShortcutOf(std::string_view menuText) {
    const auto tab = menuText.find('\t');
    return tab == std::string_view::npos ? std::string_view() : menuText.substr(tab + 1);
}

}  // namespace gb::app
