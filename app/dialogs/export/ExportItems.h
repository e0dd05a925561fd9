#pragma once
// The "Export Items" command of the item list: asks for the columns, layout
// and file in the export dialog, stores the choices and writes the rows as
// displayed to the file. The rows are carried across the dialog as item
// identities: an item an update destroyed meanwhile is left out, and the
// message after the export counts what was written.

#include <string>

class QWidget;

namespace gb {
class Settings;
}  // namespace gb

namespace gb::itemdb {
class CFeeSchedule;
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app {
class HeldItems;
}  // namespace gb::app

namespace gb::app::ui {

struct ExportRequest {
    const HeldItems& rows;         // the rows as displayed, in list order
    std::string folderColumns;     // the folder's column set
    bool partiallyLoaded = false;  // the list shows only part of the folder
    gb::itemdb::CFeeSchedule& fees;
    const gb::itemdb::FolderNameLookup* folders = nullptr;  // names of storage folders
};

// Warns first when the folder is loaded in part; says so and stops when there
// are no rows. A file that cannot be written is reported and left as it was.
void ExportItems(const ExportRequest& request, gb::Settings& user, gb::widgets::ModalRunner& runner,
                 QWidget* parent);

}  // namespace gb::app::ui
