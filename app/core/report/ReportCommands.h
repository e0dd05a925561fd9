#pragma once
// The item list's Copy to Clipboard, Mail To and Report commands, with their
// messages, around one run of the report. The clipboard, the template chooser
// and the web view are the caller's: these steps are the same on any screen.

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

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
    std::span<const gb::itemdb::CAucItem* const> ReportRows(
        std::span<const gb::itemdb::CAucItem* const> selected,
        std::span<const gb::itemdb::CAucItem* const> all);

    // Renders the rows and writes "AucRpt.htm". Without a row, or when the
    // file cannot be written, the user is told and nothing is given.
    std::optional<RenderedReport> Render(const ReportSource& source,
                                         std::span<const gb::itemdb::CAucItem* const> rows);

    // Opens the mail program on the report's "mailto:" address, after the
    // warning about different buyers and the paste hint; false (and a message)
    // when the first item has no valid address or no mail program starts.
    bool OpenMail(const RenderedReport& report);

    // Renders the rows of a Report and gives the "file://" address of the
    // page to show; nothing when there was nothing to show.
    std::optional<std::string> Report(const ReportSource& source,
                                      std::span<const gb::itemdb::CAucItem* const> selected,
                                      std::span<const gb::itemdb::CAucItem* const> all);

    // The Report command: renders as above and hands the page's address to
    // `open` (the screen that shows it); false when there was nothing to show.
    using OpenAddress = std::function<void(const std::string& address)>;
    bool Report(const ReportSource& source, std::span<const gb::itemdb::CAucItem* const> selected,
                std::span<const gb::itemdb::CAucItem* const> all, const OpenAddress& open);

private:
    gb::app::MessageService& messages_;
    gb::app::ShellService& shell_;
    gb::app::HintReminder& hints_;
    std::filesystem::path programFolder_;
};

}  // namespace gb::app
