#include "app/dialogs/fees/CFeeSchdDlg.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QPainter>
#include <QtWidgets/QHeaderView>

#include <vector>

#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/fees/CCalcEditDlg.h"
#include "itemdb/FeeSchedule.h"
#include "platform/PathText.h"
#include "ui_CFeeSchdDlg.h"
#include "widgets/ListWidth.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::itemdb::CFeeSchedule;
using gb::widgets::ToQt;
namespace fee_type = gb::itemdb::fee_type;

namespace {

enum Column { kType, kName, kDescription, kAmount };

// A small square in the type's colour, pale for an inactive entry.
QIcon TypeIcon(std::int32_t type, bool active) {
    QColor colour = type == fee_type::Charge           ? QColor(40, 120, 40)
                    : type == fee_type::SellerFee      ? QColor(170, 50, 40)
                    : type == fee_type::TransactionFee ? QColor(40, 70, 170)
                                                       : QColor(150, 120, 20);
    if (!active) {
        colour = QColor::fromHsv(colour.hue(), colour.saturation() / 4, 215);
    }
    QPixmap picture(14, 14);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setBrush(colour);
    painter.setPen(colour.darker(130));
    painter.drawRoundedRect(1, 1, 12, 12, 3, 3);
    return QIcon(picture);
}

}  // namespace

CFeeSchdDlg::CFeeSchdDlg(gb::widgets::ModalRunner& runner, CFeeSchedule& schedule,
                         std::vector<std::string> paymentMethods, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CFeeSchdDlg>()),
      runner_(runner),
      schedule_(schedule),
      paymentMethods_(std::move(paymentMethods)) {
    ui_->setupUi(this);
    ui_->list->header()->setSectionsClickable(true);
    connect(ui_->list->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { SortByColumn(static_cast<FeeColumn>(column)); });
    connect(ui_->list, &QTreeWidget::itemDoubleClicked, this, &CFeeSchdDlg::EditSelected);
    connect(ui_->edit, &QPushButton::clicked, this, &CFeeSchdDlg::EditSelected);
    connect(ui_->close, &QPushButton::clicked, this, &CFeeSchdDlg::reject);
    rows_ = FeeRowsInDisplayOrder(schedule_);
    Fill(rows_.empty() ? -1 : rows_.front());
    // Every column as wide as its longest text, and the list wide enough for
    // all of them: the amounts never hide behind a scroll bar.
    const std::vector<int> widths = gb::widgets::ColumnContentWidths(*ui_->list);
    int total = 0;
    for (int column = kType; column <= kAmount; ++column) {
        ui_->list->header()->resizeSection(column, widths[column]);
        total += widths[column];
    }
    gb::widgets::WidenForViewport(*ui_->list, total);
}

CFeeSchdDlg::~CFeeSchdDlg() = default;

void CFeeSchdDlg::Fill(int selectedEntry) {
    ui_->list->clear();
    for (const int entry : rows_) {
        const gb::itemdb::CFeeEntry& fee = schedule_.GetEntry(entry);
        auto* row = new QTreeWidgetItem(ui_->list);
        row->setIcon(kType, TypeIcon(fee.GetType(), fee.IsActive()));
        row->setText(kName, ToQt(fee.GetName()));
        row->setText(kDescription, ToQt(fee.GetDescription()));
        row->setText(kAmount, ToQt(FeeAmountText(schedule_, entry)));
        row->setData(kType, Qt::UserRole, entry);
        if (entry == selectedEntry) {
            ui_->list->setCurrentItem(row);
            ui_->list->scrollToItem(row);
        }
    }
}

int CFeeSchdDlg::SelectedEntry() const {
    const QTreeWidgetItem* row = ui_->list->currentItem();
    return row != nullptr && row->isSelected() ? row->data(kType, Qt::UserRole).toInt() : -1;
}

void CFeeSchdDlg::SortByColumn(FeeColumn column) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    SortFeeRowsByColumn(rows_, column, schedule_);
    Fill(SelectedEntry());
    QGuiApplication::restoreOverrideCursor();
}

void CFeeSchdDlg::EditSelected() {
    const int entry = SelectedEntry();
    if (entry < 0) {
        return;
    }
    schedule_.SetCurrent(entry);
    CCalcEditDlg editor(runner_, schedule_, paymentMethods_, this);
    if (runner_.Run(editor) != QDialog::Accepted) {
        return;
    }
    schedule_ = editor.Schedule();
    if (!schedule_.Save()) {
        // The edit stays in the program's schedule, which is written again
        // when the program ends.
        ShowAppMessage(runner_, this,
                       "The fee schedule could not be saved to " +
                           gb::paths::ShownText(schedule_.GetPath().filename()) +
                           ". Your change is kept and will be saved again when the program ends.");
    }
    SortFeeRowsByTypeAndDescription(rows_, schedule_);
    Fill(entry);
}

void CFeeSchdDlg::reject() {
    SortFeeRowsByTypeAndDescription(rows_, schedule_);
    RenumberFeeRows(rows_, schedule_);
    QDialog::reject();
}

void EditFeeSchedule(gb::widgets::ModalRunner& runner, QWidget* parent, CFeeSchedule& schedule,
                     std::vector<std::string> paymentMethods) {
    CFeeSchdDlg dialog(runner, schedule, std::move(paymentMethods), parent);
    runner.Run(dialog);
}

}  // namespace gb::app::ui
