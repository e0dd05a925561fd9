#include "app/dialogs/fees/CCalcEditDlg.h"

#include <QtWidgets/QLayout>
#include <QtWidgets/QPushButton>

#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/common/ControlText.h"
#include "app/dialogs/common/TypingLimit.h"
#include "ui_CCalcEditDlg.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;
using gb::widgets::ToQt;
namespace fee_type = gb::itemdb::fee_type;

namespace {

constexpr int kFormula = 1;
constexpr int kTransactionIndex = 2;
constexpr int kDisplayOnlyIndex = 3;

// The editor's questions as message boxes.
class DialogPrompts final : public CalcEntryPrompts {
public:
    DialogPrompts(gb::widgets::ModalRunner& runner, QWidget* parent)
        : runner_(runner), parent_(parent) {}
    void Refuse(int messageId) override { ShowAppMessage(runner_, parent_, messageId); }
    bool DeactivateOther(int messageId) override {
        return ShowAppMessage(runner_, parent_, messageId, QMessageBox::Ok | QMessageBox::Cancel) ==
               QMessageBox::Ok;
    }
    bool Revise(int messageId) override {
        return ShowAppMessage(runner_, parent_, messageId, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Question) == QMessageBox::Yes;
    }

private:
    gb::widgets::ModalRunner& runner_;
    QWidget* parent_;
};

}  // namespace

CCalcEditDlg::CCalcEditDlg(gb::widgets::ModalRunner& runner,
                           const gb::itemdb::CFeeSchedule& schedule,
                           const std::vector<std::string>& paymentMethods, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CCalcEditDlg>()),
      runner_(runner),
      schedule_(schedule) {
    ui_->setupUi(this);
    LimitTyping(*ui_->name, 25);
    LimitTyping(*ui_->description, 50);
    LimitTyping(*ui_->currency, 6);
    LimitTyping(*ui_->base, 20);
    for (const std::string& method : paymentMethods) {
        ui_->method->addItem(ToQt(method));
    }
    ui_->method->setEditable(false);
    const QString name = ToQt(schedule_.GetName());
    SetText(*ui_->name, schedule_.GetName());
    // A transaction fee named after a method no longer listed keeps its name
    // until another method is chosen.
    if (schedule_.GetType() == fee_type::TransactionFee && !name.isEmpty() &&
        ui_->method->findText(name) < 0) {
        ui_->method->addItem(name);
    }
    ui_->method->setCurrentIndex(ui_->method->findText(name));
    SetText(*ui_->description, schedule_.GetDescription());
    SetText(*ui_->currency, schedule_.GetCurrencySymbol());
    std::string base;
    schedule_.GetBaseText(base);
    SetText(*ui_->base, base);
    shownFactor_ = ToQt(FactorText(schedule_.GetFactor()));
    ui_->factor->setText(shownFactor_);
    ui_->inactive->setChecked(!schedule_.IsActive());
    ui_->type->setCurrentIndex(FeeIndexOfType(schedule_.GetType()));
    ui_->calculation->setCurrentIndex(schedule_.GetFieldCount() > 0 ? kFormula : 0);

    connect(ui_->type, &QComboBox::currentIndexChanged, this, &CCalcEditDlg::OnTypeChanged);
    connect(ui_->calculation, &QComboBox::currentIndexChanged, this,
            &CCalcEditDlg::OnCalculationChanged);
    connect(ui_->inactive, &QCheckBox::toggled, this, &CCalcEditDlg::OnInactiveChanged);
    connect(ui_->fields, &QListWidget::itemSelectionChanged, this,
            &CCalcEditDlg::ShowSelectedCount);
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &CCalcEditDlg::accept);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &CCalcEditDlg::reject);
    OnTypeChanged();
    OnCalculationChanged();
    OnInactiveChanged();
}

CCalcEditDlg::~CCalcEditDlg() = default;

void CCalcEditDlg::OnTypeChanged() {
    const int index = ui_->type->currentIndex();
    ui_->name->setVisible(index != kTransactionIndex);
    ui_->method->setVisible(index == kTransactionIndex);
    ui_->currencyLabel->setVisible(index == kDisplayOnlyIndex);
    ui_->currency->setVisible(index == kDisplayOnlyIndex);
    FillFields(index == kTransactionIndex   ? fee_type::TransactionFee
               : index == kDisplayOnlyIndex ? fee_type::DisplayOnly
                                            : fee_type::Charge);
}

void CCalcEditDlg::FillFields(std::int32_t type) {
    ui_->fields->clear();
    for (const int field : FeeFieldsOfType(type)) {
        auto* item = new QListWidgetItem(ToQt(FeeFieldName(field)), ui_->fields);
        item->setData(Qt::UserRole, field);
        item->setSelected(schedule_.HasField(field));
    }
    ShowSelectedCount();
}

void CCalcEditDlg::OnCalculationChanged() {
    const bool formula = ui_->calculation->currentIndex() == kFormula;
    ui_->formulaGroup->setTitle(formula ? tr("Amount = Base + Factor * (Field1 + Field2 + ...)")
                                        : tr("Fixed Amount"));
    ui_->baseLabel->setText(formula ? tr("Base:") : tr("Price:"));
    for (QWidget* widget : std::initializer_list<QWidget*>{
             ui_->factorLabel, ui_->factor, ui_->selectedLabel, ui_->selectedCount, ui_->fields}) {
        widget->setVisible(formula);
    }
    // A fixed amount needs no room for the field list: the dialog fits what it shows.
    layout()->activate();
    resize(width(), sizeHint().height());
}

void CCalcEditDlg::OnInactiveChanged() {
    const bool enabled = !ui_->inactive->isChecked();
    for (QWidget* widget : std::initializer_list<QWidget*>{
             ui_->currency, ui_->base, ui_->factor, ui_->name, ui_->method, ui_->description,
             ui_->fields, ui_->calculation, ui_->type}) {
        widget->setEnabled(enabled);
    }
}

void CCalcEditDlg::ShowSelectedCount() {
    ui_->selectedCount->setText(tr("Fields selected: %1").arg(ui_->fields->selectedItems().size()));
}

CalcEntryForm CCalcEditDlg::ReadForm() const {
    CalcEntryForm form;
    form.typeIndex = ui_->type->currentIndex();
    form.name = Text(*ui_->name);
    form.methodName = Text(*ui_->method);
    form.description = Text(*ui_->description);
    form.currencySymbol = Text(*ui_->currency);
    form.baseText = FromQt(ui_->base->text().trimmed());
    form.inactive = ui_->inactive->isChecked();
    form.formula = ui_->calculation->currentIndex() == kFormula;
    for (int row = 0; row < ui_->fields->count(); ++row) {
        if (ui_->fields->item(row)->isSelected()) {
            form.selectedFields.push_back(ui_->fields->item(row)->data(Qt::UserRole).toInt());
        }
    }
    return form;
}

void CCalcEditDlg::accept() {
    CalcEntryForm form = ReadForm();
    const QString factor = ui_->factor->text().trimmed();
    bool isNumber = false;
    form.factor = factor.toFloat(&isNumber);
    form.factorEdited = factor != shownFactor_;
    if (!isNumber && form.formula && form.factorEdited) {
        ShowAppMessage(runner_, this, "Please enter a number.");
        ui_->factor->setFocus();
        return;
    }
    DialogPrompts prompts(runner_, this);
    if (StoreCalcEntry(schedule_, form, prompts)) {
        QDialog::accept();
    }
}

}  // namespace gb::app::ui
