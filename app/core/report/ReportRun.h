#pragma once
// One run of the report: the items rendered through the library's current
// template, and the page written to "AucRpt.htm" in the program folder. The
// program's Copy, Mail To and Report commands and gbtool's render and mailto
// commands all render through here.

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace gb::itemdb {
class CAucItem;
class CFeeSchedule;
class CTDocText;
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::app {

inline constexpr const char* kReportFileName = "AucRpt.htm";

struct ReportSource {
    std::filesystem::path libraryPath;
    int templateIndex = 0;
    const gb::itemdb::CFeeSchedule& fees;
    const gb::itemdb::FolderNameLookup* folders = nullptr;
};

struct RenderedReport {
    std::string templateName;
    std::string html;    // Windows-1252
    std::string mailTo;  // empty without a valid address
    bool sameBuyer = true;
};

// The library's template at `index` (the first one past the end); a new
// template when the library cannot be read or is empty.
gb::itemdb::CTDocText LoadTemplate(const std::filesystem::path& libraryPath, int index);

// The items rendered in order; nothing when there is no item.
std::optional<RenderedReport> RenderReport(const ReportSource& source,
                                           std::span<const gb::itemdb::CAucItem* const> items);

// Writes the page to "AucRpt.htm" in `folder`, readable by the user alone,
// replacing the old one only when the whole write succeeded, and gives its
// path. Throws gb::FileError.
std::filesystem::path WriteReportFile(const std::filesystem::path& folder, const std::string& html);

// "file://" and the absolute path, escaped where an address needs it.
std::string FileUrl(const std::filesystem::path& path);

}  // namespace gb::app
