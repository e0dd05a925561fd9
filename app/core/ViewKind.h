#pragma once
// The right-hand views of the main window, and which one shows a folder.

namespace gb::app {

enum class ViewKind {
    Items,    // the item list
    Profile,  // the user profile
    Web,      // a web page
};

// Web-site and user-guide folders show a page, the user profile its own
// view, every other folder its items.
ViewKind ViewKindForFolder(int folderKind);

}  // namespace gb::app
