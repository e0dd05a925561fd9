#include "tests/support/qt/UntouchedWindows.h"

#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>

#include "app/dialogs/fees/CFeeSchdDlg.h"
#include "itemdb/FeeSchedule.h"
#include "widgets/PropertySheet.h"

namespace gb::test {

using widgets::ScriptedModalRunner;

namespace {

// Whether an untouched OK of the editor asks one of its formula questions
// about an active entry: a fixed amount of zero, or a formula whose factor is
// zero.
bool AsksAQuestion(const itemdb::CFeeEntry& entry) {
    if (!entry.IsActive()) {
        return false;
    }
    if (entry.GetFieldCount() == 0) {
        return entry.GetBase() == gb::Money::FromUnits(0);
    }
    return entry.GetFactor() == 0.0f;
}

void EditEveryEntry(QDialog& dialog) {
    auto& list = dynamic_cast<app::ui::CFeeSchdDlg&>(dialog);
    auto* rows = list.findChild<QTreeWidget*>(QStringLiteral("list"));
    if (rows == nullptr) {
        ADD_FAILURE() << "the fee schedule list has no rows";
        return;
    }
    for (int entry = 0; entry < itemdb::CFeeSchedule::kEntryCount; ++entry) {
        for (int row = 0; row < rows->topLevelItemCount(); ++row) {
            if (rows->topLevelItem(row)->data(0, Qt::UserRole).toInt() == entry) {
                rows->setCurrentItem(rows->topLevelItem(row));
            }
        }
        list.EditSelected();
    }
}

}  // namespace

ScriptedModalRunner::Step ShowEveryPageThenOk() {
    return ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& sheet = dynamic_cast<widgets::PropertySheet&>(dialog);
        for (int page = 0; page < sheet.PageCount(); ++page) {
            EXPECT_TRUE(sheet.SetActivePage(page)) << "a page refused to be left untouched";
        }
    });
}

void QueueUntouchedFeeEdits(ScriptedModalRunner& runner, const itemdb::CFeeSchedule& schedule) {
    runner.Then(ScriptedModalRunner::Reject(EditEveryEntry));
    for (int entry = 0; entry < itemdb::CFeeSchedule::kEntryCount; ++entry) {
        runner.Then(ScriptedModalRunner::Accept());
        if (AsksAQuestion(schedule.GetEntry(entry))) {
            runner.Then(ScriptedModalRunner::Press(QMessageBox::No));
        }
    }
}

}  // namespace gb::test
