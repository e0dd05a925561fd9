#pragma once
// The texts of the report, mail and report-criteria windows by string ID.

#include <filesystem>
#include <string>

namespace gb::app {

namespace report_string {
inline constexpr int CriteriaCaption = 149;
inline constexpr int NoMailAddress = 59412;
inline constexpr int NoItemSelected = 59423;
inline constexpr int DifferentBuyers = 59519;
inline constexpr int IncludeAllItems = 59520;
}  // namespace report_string

// The text of one of the IDs above; empty for any other.
std::string ReportText(int id);

// Texts without an ID of their own.
inline constexpr const char* kDateRangeRefused = "End date must be greater than start date";
// Followed by the cause, which names the file.
inline constexpr const char* kReportNotWritten = "The report could not be written: ";
// The report page was written but no program could be started to show it.
std::string ReportNotOpenedText(const std::filesystem::path& page);

}  // namespace gb::app
