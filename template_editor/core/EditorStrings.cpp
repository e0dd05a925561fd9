#include "template_editor/core/EditorStrings.h"

namespace gb::editor {

const gb::StringTable& EditorStrings() {
    static const gb::StringTable table{
        {string_id::HeaderHelp,
         "Paste or type any text you want to display one time as your document header. If you "
         "include a currency field, such as [Max Bid] in this header, it will contain the sum of "
         "the Max Bids for all items included in the document."},
        {string_id::RepeatHelp,
         "Paste or type text you want to display as the body of your document. This section will "
         "repeat for each item included in your document. For example, you might want to print "
         "one line for each item purchased by a single buyer."},
        {string_id::FooterHelp,
         "Paste or type any text you want to display one time as a document footer. If you "
         "include a currency field, such as [Invoice Amt] in this footer, it will contain the sum "
         "for all items included in the document."},
        {string_id::SourceHelp,
         "HTML source. You can paste source from FrontPage or any other HTML editor if you wish. "
         "Look for the START REPEAT and END REPEAT comments. These two comment lines are what "
         "separate the Header, Repeat, and Footer sections.  The Repeat section is between the "
         "two comments."},
        {string_id::DeleteTemplate, "Delete template '%1'?"},
        {string_id::DefaultLibrary, "VizEvav.cta"},
        {string_id::LibraryNotFound,
         "Your clipboard template file could not be found. The file should be located in the "
         "same folder as this program. You can also specify a file name on the command line. A "
         "new template file will be created for you."},
        {string_id::NameAndDescriptionNeeded,
         "You must supply a Name and a Description for your template."},
        {string_id::RenameTemplate, "Rename template '%1' to template '%2'?"},
        {string_id::ReplaceTemplate, "Template '%1' already exists. Do you want to replace it?"},
        {string_id::StartMarker, "<!--webbot bot=\"PurpleText\" PREVIEW=\"START REPEAT\"-->"},
        {string_id::EndMarker, "<!--webbot bot=\"PurpleText\" PREVIEW=\"END REPEAT\"-->"},
        {string_id::Version, "Version 2.0 Edit"},
        {string_id::CreateLibrary, "Create new library %1?"},
        {string_id::InvalidLibraryName,
         "Cannot create library. %1 is not a valid name. Please revise."},
        {string_id::TemplateNotSaved,
         "The template could not be saved. Is the template file read only?"},
        {string_id::TemplateMalformed,
         "The template is not formatted correctly. Try using the Undo button to remove the "
         "error. This template cannot be saved until the error has been corrected."},
        {string_id::SaveNewTemplate, "Save the new template?"},
        {string_id::SaveChanges, "Save your changes?"},
        {string_id::NothingToDelete, "Nothing to delete"},
        {string_id::LibraryUnreadable,
         "The template library %1 could not be read: it is damaged or is not a template library. "
         "It has been left as it was."},
        {string_id::InvalidTemplateName,
         "%1 is not a valid template name. A name may not begin with a period or hold a slash or "
         "a backslash. Please revise."},
        {string_id::StrayTableParts,
         "This section holds table rows or cells whose table begins or ends in another section. "
         "The design view would lose them, so it shows this section read-only. Do you want to "
         "edit the template in the Source view instead?"},
        {string_id::DiscardMalformedSection,
         "The template is not formatted correctly, so the changes to this section cannot be "
         "kept. Do you want to discard them? Choose No to go back and correct the error."},
    };
    return table;
}

std::string LoadMessage(int id, std::string_view first, std::string_view second) {
    // One pass, so that a "%2" inside the first argument stays as it is.
    const std::string_view pattern = EditorStrings().Get(id);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            text += pattern[i + 1] == '1' ? first : second;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace gb::editor
