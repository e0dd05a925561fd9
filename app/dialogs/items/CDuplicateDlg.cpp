#include "app/dialogs/items/CDuplicateDlg.h"

#include "app/dialogs/common/ControlText.h"
#include "app/dialogs/common/Messages.h"
#include "app/dialogs/common/TypingLimit.h"
#include "app/dialogs/common/UserDateFormats.h"
#include "ui_CDuplicateDlg.h"

namespace gb::app::ui {

namespace {

QDateTime ToQDateTime(const gb::DateTime& value) {
    const std::optional<gb::CivilTime> civil = value.ToCivil();
    if (!civil) {
        return {};
    }
    return QDateTime(QDate(civil->year, civil->month, civil->day),
                     QTime(civil->hour, civil->minute, civil->second));
}

gb::DateTime FromQDateTime(const QDateTime& value) {
    if (!value.isValid()) {
        return gb::DateTime::Invalid();
    }
    const QDate date = value.date();
    const QTime time = value.time();
    return gb::DateTime::FromCivil(date.year(), date.month(), date.day(), time.hour(),
                                   time.minute(), time.second());
}

}  // namespace

CDuplicateDlg::CDuplicateDlg(const DuplicateEntries& entries, Check check,
                             gb::widgets::ModalRunner& runner, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CDuplicateDlg>()),
      check_(std::move(check)),
      runner_(runner) {
    ui_->setupUi(this);
    UseUserDateFormats(*this);
    LimitTyping(*ui_->auctionId, 20);
    LimitTyping(*ui_->description, 120);
    LimitTyping(*ui_->buyerId, 30);
    LimitTyping(*ui_->rating, 20, true);
    LimitTyping(*ui_->email, 60);
    SetText(*ui_->auctionId, entries.auctionId);
    SetText(*ui_->description, entries.description);
    SetText(*ui_->buyerId, entries.buyerId);
    SetText(*ui_->rating, entries.rating);
    SetText(*ui_->email, entries.email);
    ui_->start->setDateTime(ToQDateTime(entries.start));
    ui_->endDate->setDate(ToQDateTime(entries.endDate).date());
    ui_->endTime->setTime(ToQDateTime(entries.endTime).time());
}

CDuplicateDlg::~CDuplicateDlg() = default;

DuplicateEntries CDuplicateDlg::Entries() const {
    DuplicateEntries entries;
    entries.auctionId = Text(*ui_->auctionId);
    entries.description = Text(*ui_->description);
    entries.buyerId = Text(*ui_->buyerId);
    entries.rating = Text(*ui_->rating);
    entries.email = Text(*ui_->email);
    entries.start = FromQDateTime(ui_->start->dateTime());
    entries.endDate = FromQDateTime(QDateTime(ui_->endDate->date(), QTime(0, 0)));
    entries.endTime = FromQDateTime(QDateTime(QDate(2000, 1, 1), ui_->endTime->time()));
    return entries;
}

QLineEdit* CDuplicateDlg::AuctionIdEdit() const {
    return ui_->auctionId;
}

QLineEdit* CDuplicateDlg::BuyerIdEdit() const {
    return ui_->buyerId;
}

QDateTimeEdit* CDuplicateDlg::StartEdit() const {
    return ui_->start;
}

QDateEdit* CDuplicateDlg::EndDateEdit() const {
    return ui_->endDate;
}

QTimeEdit* CDuplicateDlg::EndTimeEdit() const {
    return ui_->endTime;
}

void CDuplicateDlg::accept() {
    if (const std::optional<std::string> message = check_(Entries())) {
        Tell(runner_, this, *message);
        return;
    }
    QDialog::accept();
}

}  // namespace gb::app::ui
