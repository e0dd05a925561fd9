#include "app/dialogs/calendar/CCalendarDlg.h"

#include "app/core/sheet/PickedDate.h"
#include "app/dialogs/common/UserDateFormats.h"
#include "ui_CCalendarDlg.h"
#include "widgets/ModalRunner.h"

namespace gb::app::ui {

CCalendarDlg::CCalendarDlg(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CCalendarDlg>()) {
    ui_->setupUi(this);
    UseUserDateFormats(*this);
    // Today by the program's clock, which tests set, rather than the system's.
    const PickedDate today = Today();
    ui_->calendar->setSelectedDate(QDate(today.year, today.month, today.day));
}

CCalendarDlg::~CCalendarDlg() = default;

void CCalendarDlg::Run(gb::widgets::ModalRunner& runner, QWidget* parent) {
    CCalendarDlg dialog(parent);
    runner.Run(dialog);
}

}  // namespace gb::app::ui
