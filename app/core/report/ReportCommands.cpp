#include "app/core/report/ReportCommands.h"

#include <utility>

#include "app/core/HintReminder.h"
#include "app/core/MessageService.h"
#include "app/core/ShellService.h"
#include "app/core/UiStrings.h"
#include "app/core/report/ReportStrings.h"
#include "platform/FileIo.h"

namespace gb::app {

using gb::itemdb::CAucItem;

ReportCommands::ReportCommands(ui::MessageService& messages, ui::ShellService& shell,
                               ui::HintReminder& hints, std::filesystem::path programFolder)
    : messages_(messages), shell_(shell), hints_(hints), programFolder_(std::move(programFolder)) {}

std::span<const CAucItem* const> ReportCommands::ReportRows(
    std::span<const CAucItem* const> selected, std::span<const CAucItem* const> all) {
    if (selected.empty()) {
        return all;
    }
    if (selected.size() == 1 &&
        messages_.Show(ReportText(report_string::IncludeAllItems), ui::MessageButtons::YesNo,
                       ui::MessageIcon::Question) == ui::MessageResult::Yes) {
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
    } catch (const gb::FileError& failure) {
        messages_.Show(std::string(kReportNotWritten) + failure.what(), ui::MessageButtons::Ok,
                       ui::MessageIcon::Error);
        return std::nullopt;
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
    return shell_.OpenLink(report.mailTo);
}

std::optional<std::string> ReportCommands::Report(const ReportSource& source,
                                                  std::span<const CAucItem* const> selected,
                                                  std::span<const CAucItem* const> all) {
    if (all.empty()) {
        messages_.Show(ReportText(report_string::NoItemSelected));
        return std::nullopt;
    }
    if (!Render(source, ReportRows(selected, all))) {
        return std::nullopt;
    }
    return FileUrl(programFolder_ / kReportFileName);
}

}  // namespace gb::app
