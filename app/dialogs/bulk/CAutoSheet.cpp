#include "app/dialogs/bulk/CAutoSheet.h"

#include <QtGui/QGuiApplication>

#include "app/core/UiStrings.h"
#include "app/dialogs/bulk/CAutoCatPage.h"
#include "app/dialogs/bulk/CAutoCostPage.h"
#include "app/dialogs/bulk/CAutoMiscPage.h"
#include "app/dialogs/bulk/CAutoNotePage.h"
#include "app/dialogs/bulk/CAutoShipPage.h"
#include "app/dialogs/bulk/CAutoStatusPage.h"
#include "itemdb/FolderTree.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::itemdb::CItemList;

CAutoSheet::CAutoSheet(gb::widgets::ModalRunner& runner, BulkSheetSources sources, int count,
                       std::int32_t status, QWidget* parent)
    : PropertySheet(runner, parent), runner_(runner), sources_(std::move(sources)), count_(count) {
    setObjectName(QStringLiteral("CAutoSheet"));
    setWindowTitle(gb::widgets::ToQt(gb::app::UiText(string_id::BulkCaption)));
    bulk_.Item().SetStatus(status, true);
    Add<CAutoStatusPage>(tr("Item"));
    Add<CAutoCatPage>(tr("Categories"));
    Add<CAutoCostPage>(tr("Cost"));
    Add<CAutoMiscPage>(tr("Misc Fees"));
    Add<CAutoShipPage>(tr("Shipping"));
    Add<CAutoNotePage>(tr("Notes"));
}

template <typename Page>
void CAutoSheet::Add(const QString& title) {
    AddPage(title, [this] { return std::make_unique<Page>(bulk_, sources_, runner_); });
}

void CAutoSheet::InitSheet() {
    QString text = gb::widgets::ToQt(gb::app::UiText(string_id::BulkCount));
    text.replace(QStringLiteral("$COUNT$"), QString::number(count_));
    SetHeaderText(text);
}

std::optional<BulkUpdateResult> BulkUpdate(gb::widgets::ModalRunner& runner, QWidget* parent,
                                           CItemList& items,
                                           std::span<const CItemList::ItemId> selection,
                                           const gb::itemdb::CFeeSchedule& fees,
                                           const BulkUpdateOptions& options) {
    const gb::itemdb::CAucItem* first =
        selection.empty() ? nullptr : items.GetItemAt(selection.front());
    if (first == nullptr) {
        ShowAppMessage(runner, parent, string_id::NoItemSelected);
        return std::nullopt;
    }
    const std::vector<std::int32_t> categoryIds = CategoryFolders(options.folders);
    BulkSheetSources sources{StatusChoices(options.folders),
                             CategoryTree(options.folders, gb::itemdb::CAucItem()), fees,
                             options.lists, options.showHint};
    CAutoSheet sheet(runner, std::move(sources), static_cast<int>(selection.size()),
                     first->GetStatus(), parent);
    if (options.withoutItemPage) {
        sheet.RemovePage(0);
    }
    if (!sheet.Run()) {
        return std::nullopt;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    BulkUpdateResult result =
        ApplyBulkUpdate(items, selection, sheet.Template(), fees, categoryIds);
    QGuiApplication::restoreOverrideCursor();
    if (result.statusRefused) {
        ShowAppMessage(runner, parent, string_id::StatusInProgress);
    }
    return result;
}

}  // namespace gb::app::ui
