#include "app/dialogs/combos/CComboListDlg.h"

#include <QtWidgets/QPushButton>

#include <algorithm>

#include "app/core/UiStrings.h"
#include "app/core/columns/ListOrder.h"
#include "app/dialogs/combos/CListValueDlg.h"
#include "app/dialogs/common/ListWidgets.h"
#include "platform/Cp1252.h"
#include "ui_CComboListDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CComboListDlg::CComboListDlg(gb::app::MachineProfile& profile, gb::widgets::ModalRunner& runner,
                             QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CComboListDlg>()),
      runner_(runner),
      store_(profile) {
    ui_->setupUi(this);
    // The field names in alphabetical order, each with its place in the table.
    const std::vector<ComboField>& fields = ComboFields();
    std::vector<int> order(fields.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    const auto name = [&fields](int i) {
        return gb::app::UiText(fields[static_cast<std::size_t>(i)].nameId);
    };
    std::stable_sort(order.begin(), order.end(), [&name](int a, int b) {
        return gb::cp1252::CompareNoCase(name(a), name(b)) < 0;
    });
    for (const int i : order) {
        ui_->field->addItem(gb::widgets::ToQt(name(i)), i);
    }
    connect(ui_->field, &QComboBox::currentIndexChanged, this, &CComboListDlg::OnFieldChanged);
    connect(ui_->up, &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(ui_->down, &QPushButton::clicked, this, [this] { OnMove(+1); });
    connect(ui_->add, &QPushButton::clicked, this, &CComboListDlg::OnAdd);
    connect(ui_->edit, &QPushButton::clicked, this, &CComboListDlg::OnEdit);
    connect(ui_->remove, &QPushButton::clicked, this, &CComboListDlg::OnDelete);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &CComboListDlg::OnClose);
    ui_->field->setCurrentIndex(
        ui_->field->findText(gb::widgets::ToQt(gb::app::UiText(ComboFields()[1].nameId))));
}

CComboListDlg::~CComboListDlg() = default;

void CComboListDlg::Run(gb::widgets::ModalRunner& runner, QWidget* parent,
                        gb::app::MachineProfile& profile) {
    CComboListDlg dialog(profile, runner, parent);
    runner.Run(dialog);
}

QComboBox* CComboListDlg::FieldBox() const {
    return ui_->field;
}

QListWidget* CComboListDlg::ValueList() const {
    return ui_->values;
}

const ComboField* CComboListDlg::Field() const {
    return field_ < 0 ? nullptr : &ComboFields()[static_cast<std::size_t>(field_)];
}

void CComboListDlg::Show(int selected) {
    ShowList(*ui_->values, values_, selected);
}

void CComboListDlg::OnFieldChanged() {
    if (const ComboField* previous = Field()) {
        store_.Save(*previous, values_);
    }
    field_ = ui_->field->currentIndex() < 0 ? -1 : ui_->field->currentData().toInt();
    values_.clear();
    if (const ComboField* current = Field()) {
        values_ = store_.Load(*current);
    }
    Show(0);
}

void CComboListDlg::OnAdd() {
    const ComboField* field = Field();
    if (field == nullptr) {
        return;
    }
    if (const auto value = CListValueDlg::Ask(runner_, this, field->monetary)) {
        const int at = SelectedRow(*ui_->values) + 1;
        values_.insert(values_.begin() + at, *value);
        Show(at);
    }
}

void CComboListDlg::OnEdit() {
    const ComboField* field = Field();
    const int selected = SelectedRow(*ui_->values);
    if (field == nullptr || selected < 0) {
        return;
    }
    if (const auto value = CListValueDlg::Ask(runner_, this, field->monetary,
                                              values_[static_cast<std::size_t>(selected)])) {
        values_[static_cast<std::size_t>(selected)] = *value;
        Show(selected);
    }
}

void CComboListDlg::OnDelete() {
    const int selected = SelectedRow(*ui_->values);
    if (selected < 0) {
        return;
    }
    values_.erase(values_.begin() + selected);
    Show(IndexAfterRemoval(selected, static_cast<int>(values_.size())));
}

void CComboListDlg::OnMove(int delta) {
    Show(MoveEntry(values_, SelectedRow(*ui_->values), delta));
}

void CComboListDlg::OnClose() {
    if (const ComboField* field = Field()) {
        store_.Save(*field, values_);
    }
    accept();
}

}  // namespace gb::app::ui
