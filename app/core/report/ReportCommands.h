#pragma once
// The item list's Copy to Clipboard, Mail To and Report commands, with their
// messages, around one run of the report. The clipboard, the template chooser
// and the web view are the caller's: these steps are the same on any screen.

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "app/core/HeldItems.h"
#include "app/core/report/ReportRun.h"

namespace gb::app {
class HintReminder;
class MessageService;
class ShellService;
}  // namespace gb::app

namespace gb::app {

class ReportCommands {
public:
    ReportCommands(gb::app::MessageService& messages, gb::app::ShellService& shell,
                   gb::app::HintReminder& hints, std::filesystem::path programFolder);

    // The rows a Report renders: several selected rows, one selected row or
    // the whole folder as the user answers, all rows when none is selected.
    const HeldItems& ReportRows(const HeldItems& selected, const HeldItems& all);

    // Renders the rows for Copy and Mail To and writes "AucRpt.htm", as every
    // run does. Without a row the user is told and nothing is given. A page
    // that cannot be written does not stop the run: these commands use the
    // rendered page itself.
    std::optional<RenderedReport> Render(const ReportSource& source,
                                         std::span<const gb::itemdb::CAucItem* const> rows);

    // Opens the mail program on the report's "mailto:" address, after the
    // warning about different buyers and the paste hint; false (and a message)
    // when the first item has no valid address or no mail program starts.
    bool OpenMail(const RenderedReport& report);

    // The Report command: renders the rows chosen as ReportRows says, writes
    // "AucRpt.htm" and opens it with the desktop's program for web pages.
    // The rows are those that still exist once the user answered: an item an
    // update destroyed meanwhile is left out of the page and its totals.
    // False, and the user is told which file, when the page cannot be written
    // or opened, or when there was nothing to show.
    bool Report(const ReportSource& source, const HeldItems& selected, const HeldItems& all);

private:
    gb::app::MessageService& messages_;
    gb::app::ShellService& shell_;
    gb::app::HintReminder& hints_;
    std::filesystem::path programFolder_;
};

}  // namespace gb::app
