#include "app/core/UiStrings.h"

#include "itemdb/LotkeeperStrings.h"

using gb::itemdb::LoadString;
using gb::itemdb::LotkeeperStrings;

namespace gb::app {

const gb::StringTable& UiStrings() {
    static const gb::StringTable table{
        {string_id::Version, "Version 1.98"},
        {string_id::DocumentStrings,
         "Gavelbook\n\nMyProfile\nProfiles (*.pro)\n.pro\nLotkeeper.Profile\nLotkeeper Profile"},
        {string_id::BulkCaption, "Bulk Item Update"},
        {string_id::AdultValue, "Adult"},
        {string_id::EditItemCaption, "Edit Inventory Item"},
        {string_id::AddressLabel, "Address:  "},
        {string_id::ApplicationName, "Lotkeeper"},
        {string_id::IdleText, "For Help, press F1"},
        {string_id::LastProfileMissing,
         "The profile you last used cannot be opened.  A new profile has been created instead. "
         "If this is not what you want, use the File menu to open a different profile."},
        {string_id::SettingsSection, "Settings"},
        {string_id::ProfileNameValue, "ProfileName"},
        {string_id::ProfileProblem,
         "There is a problem with your current profile.  If you have a backup, please restore "
         "it. Otherwise, create a new profile."},
        {string_id::SellerAndSiteNeeded, "You must select both a Seller ID and an Auction Site."},
        {string_id::NoMoreCategories, "You cannot add any more categories to this item."},
        {string_id::NoItemToEdit, "Please select one or more inventory items to edit."},
        {string_id::NoItemSelected, "You must select at least one item."},
        {string_id::StatusInProgress,
         "Some of the items you selected are still in progress. The status of these items will "
         "not be changed."},
        {string_id::DeleteStatus,
         "Do you want to delete status '$STATUS$'? Any items that currently have this status "
         "will be moved to the 'Needs Attention' folder."},
        {string_id::DeleteSellerFolder,
         "Do you want to delete folder '$DLFOLDER$'?  Any items that are in this folder will be "
         "moved to the 'Deleted Items' folder."},
        {string_id::DeleteCategory,
         "Do you want to delete category '$CATEGORY$'? Items that belong to the category will "
         "still be available in other folders."},
        {string_id::DeleteQuestion, "Do you want to delete these $COUNT$ items?"},
        {string_id::ArchiveQuestion, "Do you want to archive these $COUNT$ items?"},
        {string_id::ProfileViewRefused,
         "You must enter a profile name and at least one auction site.  If you do not wish to "
         "continue, select 'Exit' from the File menu to end the program."},
        {string_id::SearchTextMissing, "Enter a search string or press 'Cancel' to exit."},
        {string_id::NoSearchMatch,
         "There are no items in the current folder that match your search string. Try changing "
         "the scope to 'All Folders'."},
        {string_id::PressClose,
         "Press the 'Close' button to leave this view and return to your auctions."},
        {string_id::OnlySearchMatch,
         "This is the only item in the current folder that matches your search. To find others, "
         "try changing the scope to 'All Folders'."},
        {string_id::DeleteReport,
         "Do you want to remove report '$REPORT$'? No inventory items will be affected. Only the "
         "report definition will be deleted."},
        {string_id::DeleteReportFolder,
         "Do you want to remove the folder '$REPORT$' and any reports it might contain? No "
         "inventory items will be affected, but all report definitions in the folder will be "
         "deleted."},
        {string_id::BulkCount, "Bulk update $COUNT$ inventory items. "},
        {string_id::ExportComplete, "Export Complete!"},
        {string_id::NoItemToView, "Select an item to view."},
        {string_id::CannotNavigate,
         "Cannot navigate to the auction site. Can your web browser connect to the internet?  "
         "Check to make sure you are connected to the internet. "},
        {string_id::ExportFolderEmpty,
         "The current folder is empty. There are no items to export. "},
        {string_id::ExportOverwrite,
         "The export file already exists. Do you want to overwrite it with your new export "
         "data? "},
        {string_id::ExportCannotAccess,
         "Cannot access the export file. Try the export again using a different file name. You "
         "can use the 'Browse' button for help selecting a valid name."},
        {string_id::TemplateEditorMissing,
         "Cannot start the template editor. Make sure the file Template is in the same "
         "folder as this program. Try installing Gavelbook again."},
        {string_id::UpdateRunning,
         "An update is running. Wait until it is complete, then try again."},
        {string_id::HintPasteMail,
         "After your email program starts, use Ctrl-V to paste the body of the message into your "
         "email."},
        {string_id::HintPaymentMethod,
         "If you set the Payment Method, you should also set the Fee, Amt Received, and the Date."},
        {string_id::PartialLoad,
         "%d of %d items displayed.  Click any column header to view remaining items."},
        {string_id::PartialWarning,
         "Warning - Not all inventory items in this folder were retrieved. Results of this "
         "operation will only include the items currently displayed. To retrieve all items, "
         "click any column heading on the listing display."},
        {string_id::FeeNameMissing,
         "You must provide a display name for your calculated field.  What is the name of the "
         "quantity you want to calculate?"},
        {string_id::FeeBaseInvalid,
         "Invalid amount. The base price should be a monetary amount or zero."},
        {string_id::FeeAlwaysZero,
         "The value of this calculated field will always be zero. Do you want to revise the "
         "formula?"},
        {string_id::FeeFactorZero,
         "You might want to change the value of the Factor from 0 to 1. The current formula will "
         "always be equal to the Base value. Do you want to revise the formula?"},
        {string_id::FeeNoFields,
         "You did not select any fields. The current formula will always equal the Base value. "
         "Do you want to revise the formula?"},
        {string_id::FeeNameUsed,
         "You already have a fee with this name. Click 'OK' to make the old fee inactive."},
        {string_id::DuplicateNeedsOne, "Select a single ended auction to duplicate."},
        {string_id::DuplicateDates,
         "- The auction must have both a start date and an end date. The end date must be later "
         "than the start date."},
        {string_id::HintDuplicateElsewhere,
         "The new duplicate item has been created. However, it does not belong in the current "
         "folder. Open the Needs Attention folder to view the new item."},
        {string_id::DuplicateNeedsBuyer,
         "- You must enter a buyer id. Do not create a duplicate item until after the item has "
         "sold."},
    };
    return table;
}

std::string UiText(int id) {
    if (LotkeeperStrings().Contains(id)) {
        return LoadString(id);
    }
    return std::string(UiStrings().Get(id));
}

}  // namespace gb::app
