#include "app/ui/report/ItemReportCommands.h"

#include <QtGui/QGuiApplication>

#include <utility>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandIds.h"
#include "app/core/CommandMap.h"
#include "app/core/IFrame.h"
#include "app/core/TemplateSlots.h"
#include "app/dialogs/hints/CExplainDlg.h"
#include "app/dialogs/report/ReportClipboard.h"
#include "app/ui/WaitCursor.h"
#include "itemdb/AucDoc.h"
#include "widgets/HelpService.h"
#include "widgets/ModalRunner.h"

namespace gb::app::ui {

ItemReportCommands::ItemReportCommands(IFrame& frame, QWidget* parent, ReportRowSource rows)
    : frame_(frame),
      parent_(parent),
      rows_(std::move(rows)),
      hints_(frame.App().GetUserSettings(),
             [&frame, parent](int stringId) {
                 return CExplainDlg::Ask(frame.Services().modals, parent, stringId);
             }),
      commands_(frame.Services().messages, frame.Services().shell, hints_,
                frame.App().GetProgramFolder()) {}

void ItemReportCommands::Bind(CommandMap& commands) {
    const auto needsSelection = [this](int, CommandUpdate& update) {
        update.Enable(rows_.selectedCount() > 0);
    };
    commands.On(cmd::EditCopy, [this](int) { OnEditCopy(); });
    commands.OnUpdate(cmd::EditCopy, needsSelection);
    commands.OnRange(cmd::PasteTemplate1, cmd::PasteTemplate11,
                     [this](int id) { OnPasteTemplate(id); });
    commands.OnUpdateRange(
        cmd::PasteTemplate1, cmd::PasteTemplate11, [this](int id, CommandUpdate& update) {
            const CLotkeeperApp& app = frame_.App();
            const TemplateSlots slots =
                TemplateSlots::From(app.GetTemplateLibrary(), app.GetCurrentTemplateIndex());
            update.Enable(rows_.selectedCount() > 0 &&
                          static_cast<std::size_t>(id - cmd::PasteTemplate1) <
                              slots.indexes.size());
        });
    commands.On(cmd::MoreTemplates, [this](int) { OnMoreTemplates(); });
    commands.OnUpdate(cmd::MoreTemplates, needsSelection);
    commands.On(cmd::MailTo, [this](int) { OnMailTo(); });
    commands.OnUpdate(cmd::MailTo, needsSelection);
    commands.On(cmd::Report, [this](int) { OnReport(); });
    commands.OnUpdate(cmd::Report,
                      [this](int, CommandUpdate& update) { update.Enable(rows_.rowCount() > 0); });
}

ReportSource ItemReportCommands::Source() const {
    CLotkeeperApp& app = frame_.App();
    return {app.GetTemplateLibraryPath(), app.GetCurrentTemplateIndex(), app.GetFeeSchedule(),
            &frame_.Document().GetFolders()};
}

std::optional<RenderedReport> ItemReportCommands::CopySelected() {
    std::optional<RenderedReport> report;
    {
        const WaitCursor wait;
        report = commands_.Render(Source(), rows_.selected().Resolve());
    }
    if (report) {
        frame_.SetTemplateName(report->templateName);
        CopyReport(*QGuiApplication::clipboard(), report->html);
    }
    return report;
}

bool ItemReportCommands::ChooseTemplate(CTemplateDlg::Mode mode) {
    CLotkeeperApp& app = frame_.App();
    CTemplateDlg dialog(
        app.GetProgramFolder(), app.GetTemplateLibraryName(), app.GetCurrentTemplateIndex(), mode,
        [this] { frame_.ShowHelp(gb::widgets::help_context::Templates); }, parent_);
    if (frame_.Services().modals.Run(dialog) != QDialog::Accepted || !dialog.Chosen()) {
        return false;
    }
    app.UseTemplate(dialog.Chosen()->libraryName, dialog.Chosen()->index);
    if (const gb::itemdb::CTDocText* chosen =
            app.GetTemplateLibrary().GetTemplate(dialog.Chosen()->index)) {
        frame_.SetTemplateName(chosen->GetName());
    }
    return true;
}

void ItemReportCommands::OnEditCopy() {
    CopySelected();
}

void ItemReportCommands::OnPasteTemplate(int id) {
    CLotkeeperApp& app = frame_.App();
    const TemplateSlots slots =
        TemplateSlots::From(app.GetTemplateLibrary(), app.GetCurrentTemplateIndex());
    const auto slot = static_cast<std::size_t>(id - cmd::PasteTemplate1);
    if (slot >= slots.indexes.size()) {
        return;
    }
    app.SetCurrentTemplateIndex(slots.indexes[slot]);
    CopySelected();
}

void ItemReportCommands::OnMoreTemplates() {
    if (ChooseTemplate(CTemplateDlg::MailMode)) {
        CopySelected();
    }
}

void ItemReportCommands::OnMailTo() {
    if (const std::optional<RenderedReport> report = CopySelected()) {
        commands_.OpenMail(*report);
    }
}

void ItemReportCommands::OnReport() {
    // The rows the user chose the command for, whatever becomes of the
    // list while the template chooser and the question are open.
    const HeldItems selected = rows_.selected();
    const HeldItems all = rows_.all();
    if (all.IsEmpty()) {
        commands_.Report(Source(), selected, all);
        return;
    }
    if (!ChooseTemplate(CTemplateDlg::ReportMode)) {
        return;
    }
    commands_.Report(Source(), selected, all);
}

}  // namespace gb::app::ui
