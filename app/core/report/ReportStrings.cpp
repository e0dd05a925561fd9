#include "app/core/report/ReportStrings.h"

#include "platform/PathText.h"
#include "platform/StringTable.h"

namespace gb::app {

std::string ReportText(int id) {
    static const gb::StringTable table{
        {report_string::CriteriaCaption, "Edit Report Criteria"},
        {report_string::NoMailAddress,
         "Cannot send mail - item does not have a valid email address"},
        {report_string::NoItemSelected, "You must select at least one item."},
        {report_string::DifferentBuyers, "WARNING -- The selected items have different buyers!"},
        {report_string::IncludeAllItems, "Should the report include all the items in the folder?"},
    };
    return std::string(table.Get(id));
}

std::string ReportNotOpenedText(const std::filesystem::path& page) {
    return "The report " + gb::paths::ShownText(page) +
           " could not be opened: no program to show web pages is set up on this computer. "
           "Open the file in your web browser.";
}

}  // namespace gb::app
