#pragma once
// The numeric command IDs of the main program's menus, toolbar and shortcuts.
// Handlers and enabling rules are bound to these numbers (see CommandMap).

namespace gb::app::cmd {

// Files and the application.
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintDirect = 57608;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileRecent1 = 57616;  // the four recently used profiles
inline constexpr int FileRecent4 = 57619;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;

// Editing.
inline constexpr int EditCopy = 57634;  // Copy to Clipboard through the current template
inline constexpr int EditSelectAll = 57642;

// Help.
inline constexpr int HelpIndex = 57666;
inline constexpr int HelpUserGuide = 57671;

// Bars of the main window.
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

// The main frame.
inline constexpr int FeeSchedule = 247;
inline constexpr int NavigationTree = 32778;
inline constexpr int UserProfile = 32780;
inline constexpr int ShowCalendar = 32782;
inline constexpr int DropDownLists = 32833;
inline constexpr int ClipboardTemplates = 32851;

// The web view's buttons and drop-downs.
inline constexpr int WebBack = 32794;
inline constexpr int WebNext = 32795;
inline constexpr int WebStop = 32796;
inline constexpr int WebRefresh = 32797;
inline constexpr int WebHome = 32798;
inline constexpr int WebSearch = 32799;
inline constexpr int WebFavorites = 32800;
inline constexpr int WebFonts = 32801;
inline constexpr int FontLargest = 32837;
inline constexpr int FontSmallest = 32841;

// The navigation tree's folder commands.
inline constexpr int FolderNew = 32804;
inline constexpr int FolderAdd = 32806;
inline constexpr int FolderEdit = 32807;
inline constexpr int FolderDelete = 32808;
inline constexpr int FolderRename = 32809;

// The item list view.
inline constexpr int ViewListing = 249;  // 249-252: listing, bid history, feedback, listing
inline constexpr int BidHistory = 250;
inline constexpr int Feedback = 251;
inline constexpr int MailTo = 32785;
inline constexpr int UpdateDatabase = 32787;
inline constexpr int ItemSearch = 32789;
inline constexpr int LoadFolder = 32812;
inline constexpr int EditItems = 32813;
inline constexpr int DeleteItems = 32814;
inline constexpr int MoveItems = 32815;
inline constexpr int ArchiveItems = 32816;
inline constexpr int SetStatus = 32818;
inline constexpr int InstantSummary = 32823;
inline constexpr int DoubleSpace = 32832;
inline constexpr int ExportItems = 32836;
inline constexpr int BulkUpdate = 32850;
inline constexpr int MoreTemplates = 32859;
inline constexpr int PasteTemplate1 = 32860;  // 32860-32870: the e-mail template slots
inline constexpr int PasteTemplate11 = 32870;
inline constexpr int Report = 32871;
inline constexpr int CreateDuplicate = 32955;
inline constexpr int StoreItem = 32965;
inline constexpr int MatureAudiences = 32967;

}  // namespace gb::app::cmd
