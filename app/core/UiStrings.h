#pragma once
// The texts of the main program's windows by string ID: the item database's
// table first, then the user interface's own entries.

#include <string>

#include "itemdb/LotkeeperStrings.h"
#include "platform/StringTable.h"

namespace gb::app::string_id {

// The item database's own IDs are part of the main program's table.
using gb::itemdb::string_id::Unknown;

inline constexpr int Version = 99;
inline constexpr int DocumentStrings = 128;  // title, -, default name, filter, extension, ...
inline constexpr int BulkCaption = 167;
inline constexpr int AdultValue = 130;
inline constexpr int EditItemCaption = 131;
inline constexpr int AddressLabel = 132;
inline constexpr int ApplicationName = 57344;
inline constexpr int IdleText = 57345;
inline constexpr int LastProfileMissing = 59414;
inline constexpr int SettingsSection = 59415;
inline constexpr int ProfileNameValue = 59416;
inline constexpr int ProfileProblem = 59417;
inline constexpr int SellerAndSiteNeeded = 59420;
inline constexpr int NoMoreCategories = 59422;
inline constexpr int NoItemToEdit = 59421;
inline constexpr int NoItemSelected = 59423;
inline constexpr int StatusInProgress = 59424;
inline constexpr int DeleteStatus = 59425;
inline constexpr int DeleteSellerFolder = 59426;
inline constexpr int DeleteCategory = 59428;
inline constexpr int DeleteQuestion = 59429;
inline constexpr int ArchiveQuestion = 59430;
inline constexpr int ProfileViewRefused = 59431;
inline constexpr int SearchTextMissing = 59432;
inline constexpr int NoSearchMatch = 59433;
inline constexpr int PressClose = 59434;
inline constexpr int OnlySearchMatch = 59444;
inline constexpr int DeleteReport = 59446;
inline constexpr int DeleteReportFolder = 59447;
inline constexpr int BulkCount = 59448;
inline constexpr int ProductPage = 59504;
inline constexpr int ExportComplete = 59506;
inline constexpr int NoItemToView = 59507;
inline constexpr int CannotNavigate = 59508;
inline constexpr int ExportFolderEmpty = 59509;
inline constexpr int ExportOverwrite = 59510;
inline constexpr int ExportCannotAccess = 59511;
inline constexpr int TemplateEditorMissing = 59518;
inline constexpr int HintPasteMail = 59521;
inline constexpr int HintPaymentMethod = 59522;
inline constexpr int PartialLoad = 59523;
inline constexpr int PartialWarning = 59524;
inline constexpr int FeeNameMissing = 59525;
inline constexpr int FeeBaseInvalid = 59527;
inline constexpr int FeeAlwaysZero = 59528;
inline constexpr int FeeFactorZero = 59529;
inline constexpr int FeeNoFields = 59530;
inline constexpr int FeeNameUsed = 59535;
inline constexpr int DuplicateNeedsOne = 59560;
inline constexpr int DuplicateDates = 59561;
inline constexpr int HintDuplicateElsewhere = 59562;
inline constexpr int DuplicateNeedsBuyer = 59563;
// The program's own messages, beyond the table it was designed with.
inline constexpr int UpdateRunning = 61001;

}  // namespace gb::app::string_id

namespace gb::app {

const gb::StringTable& UiStrings();

// The text of a string ID: the item database's table when it has the ID,
// else the user interface's own; empty when neither has it.
std::string UiText(int id);

}  // namespace gb::app
