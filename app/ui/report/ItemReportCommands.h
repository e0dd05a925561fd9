#pragma once
// The item list's report commands: Copy to Clipboard through the current
// template (57634), the e-mail template slots (32860-32870) and "More..."
// (32859), Mail To (32785) and Report (32871). The list gives its rows; the
// Report's page opens in the desktop's web browser, so that the list keeps
// its sort, selection and load.

#include <cstddef>
#include <functional>
#include <optional>

#include "app/core/hints/HintReminder.h"
#include "app/core/report/ReportCommands.h"
#include "app/dialogs/report/CTemplateDlg.h"

class QWidget;

namespace gb::app {
class CommandMap;
class IFrame;
}  // namespace gb::app

namespace gb::app::ui {

// The rows of the list the commands act on, in list order.
struct ReportRowSource {
    std::function<HeldItems()> selected;
    std::function<HeldItems()> all;
    std::function<std::size_t()> selectedCount;
    std::function<std::size_t()> rowCount;
};

class ItemReportCommands {
public:
    ItemReportCommands(IFrame& frame, QWidget* parent, ReportRowSource rows);

    // The commands' handlers and update rules: Copy, the slots, More... and
    // Mail To while rows are selected (a slot only while it has a template),
    // Report while the list has rows.
    void Bind(CommandMap& commands);

    void OnEditCopy();
    void OnPasteTemplate(int id);
    void OnMoreTemplates();
    void OnMailTo();
    void OnReport();

private:
    // Renders the selected rows and puts the page on the clipboard.
    std::optional<RenderedReport> CopySelected();
    // The template chooser; the template chosen becomes the current one.
    bool ChooseTemplate(CTemplateDlg::Mode mode);
    ReportSource Source() const;

    IFrame& frame_;
    QWidget* parent_;
    ReportRowSource rows_;
    HintReminder hints_;
    ReportCommands commands_;
};

}  // namespace gb::app::ui
