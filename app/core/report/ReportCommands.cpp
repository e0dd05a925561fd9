#include "app/core/report/ReportCommands.h"

#include <utility>

#include "app/core/DesktopMessages.h"
#include "app/core/MessageService.h"
#include "app/core/ShellService.h"
#include "app/core/UiStrings.h"
#include "app/core/hints/HintReminder.h"
#include "app/core/report/ReportStrings.h"
#include "platform/FileIo.h"

namespace gb::app {

using gb::itemdb::CAucItem;

ReportCommands::ReportCommands(gb::app::MessageService& messages, gb::app::ShellService& shell,
                               gb::app::HintReminder& hints, std::filesystem::path programFolder)
    : messages_(messages), shell_(shell), hints_(hints), programFolder_(std::move(programFolder)) {}

const HeldItems& ReportCommands::ReportRows(const HeldItems& selected, const HeldItems& all) {
    if (selected.IsEmpty()) {
        return all;
    }
    if (selected.Count() == 1 &&
        messages_.Show(ReportText(report_string::IncludeAllItems), gb::app::MessageButtons::YesNo,
                       gb::app::MessageIcon::Question) == gb::app::MessageResult::Yes) {
        return all;
    }
    return selected;
}

std::optional<RenderedReport> ReportCommands::Render(const ReportSource& source,
                                                     std::span<const CAucItem* const> rows) {
    std::optional<RenderedReport> report = RenderReport(source, rows);
    if (!report) {
        messages_.Show(ReportText(report_string::NoItemSelected));
        return std::nullopt;
    }
    try {
        WriteReportFile(programFolder_, report->html);
    } catch (const gb::FileError&) {
        // Only Report reads the file back; it says so itself.
    }
    return report;
}

bool ReportCommands::OpenMail(const RenderedReport& report) {
    if (report.mailTo.empty()) {
        messages_.Show(ReportText(report_string::NoMailAddress));
        return false;
    }
    if (!report.sameBuyer) {
        messages_.Show(ReportText(report_string::DifferentBuyers));
    }
    hints_.ShowOnce(string_id::HintPasteMail);
    if (shell_.OpenLink(report.mailTo)) {
        return true;
    }
    messages_.Show(NoMailProgramText(report.mailTo));
    return false;
}

bool ReportCommands::Report(const ReportSource& source, const HeldItems& selected,
                            const HeldItems& all) {
    if (all.IsEmpty()) {
        messages_.Show(ReportText(report_string::NoItemSelected));
        return false;
    }
    // The question runs the event loop: the rows are resolved after it.
    const HeldItems& chosen = ReportRows(selected, all);
    const std::optional<RenderedReport> report = RenderReport(source, chosen.Resolve());
    if (!report) {
        messages_.Show(ReportText(report_string::NoItemSelected));
        return false;
    }
    std::filesystem::path page;
    try {
        page = WriteReportFile(programFolder_, report->html);
    } catch (const gb::FileError& failure) {
        messages_.Show(std::string(kReportNotWritten) + failure.what(), gb::app::MessageButtons::Ok,
                       gb::app::MessageIcon::Error);
        return false;
    }
    if (!shell_.OpenLink(FileUrl(page))) {
        messages_.Show(ReportNotOpenedText(page), gb::app::MessageButtons::Ok,
                       gb::app::MessageIcon::Error);
        return false;
    }
    return true;
}

}  // namespace gb::app
