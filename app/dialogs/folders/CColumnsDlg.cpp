#include "app/dialogs/folders/CColumnsDlg.h"

#include <QtWidgets/QPushButton>

#include "app/core/columns/ListOrder.h"
#include "app/dialogs/common/ListWidgets.h"
#include "ui_CColumnsDlg.h"
#include "widgets/QtText.h"

using gb::widgets::FromQt;
using gb::widgets::ToQt;

namespace gb::app::ui {

namespace {

std::vector<std::string> Titles(const std::vector<ColumnEntry>& entries) {
    std::vector<std::string> titles;
    titles.reserve(entries.size());
    for (const ColumnEntry& entry : entries) {
        titles.push_back(entry.title);
    }
    return titles;
}

}  // namespace

CColumnsDlg::CColumnsDlg(const FolderEditValues& values, const gb::itemdb::CFeeSchedule& fees,
                         QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CColumnsDlg>()),
      fixed_(values.fixed),
      choice_(values.columnSet, fees) {
    ui_->setupUi(this);
    ui_->name->setText(ToQt(values.name));
    ui_->description->setText(ToQt(values.description));
    ui_->name->setEnabled(!fixed_);
    ui_->description->setEnabled(!fixed_);
    connect(ui_->add, &QPushButton::clicked, this, &CColumnsDlg::OnAdd);
    connect(ui_->remove, &QPushButton::clicked, this, &CColumnsDlg::OnRemove);
    connect(ui_->available, &QListWidget::itemDoubleClicked, this, &CColumnsDlg::OnAdd);
    connect(ui_->shown, &QListWidget::itemDoubleClicked, this, &CColumnsDlg::OnRemove);
    connect(ui_->up, &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(ui_->down, &QPushButton::clicked, this, [this] { OnMove(+1); });
    Show(0, 0);
}

CColumnsDlg::~CColumnsDlg() = default;

FolderEditValues CColumnsDlg::Values() const {
    return {FromQt(ui_->name->text()), FromQt(ui_->description->text()), choice_.ColumnSetText(),
            fixed_};
}

QLineEdit* CColumnsDlg::NameEdit() const {
    return ui_->name;
}

QLineEdit* CColumnsDlg::DescriptionEdit() const {
    return ui_->description;
}

QListWidget* CColumnsDlg::AvailableList() const {
    return ui_->available;
}

QListWidget* CColumnsDlg::ShownList() const {
    return ui_->shown;
}

void CColumnsDlg::Show(int available, int shown) {
    ShowList(*ui_->available, Titles(choice_.Available()), available);
    ShowList(*ui_->shown, Titles(choice_.Shown()), shown);
}

void CColumnsDlg::OnAdd() {
    const int selected = SelectedRow(*ui_->available);
    const int shown = choice_.Show(selected, SelectedRow(*ui_->shown));
    if (shown < 0) {
        return;
    }
    Show(IndexAfterRemoval(selected, static_cast<int>(choice_.Available().size())), shown);
}

void CColumnsDlg::OnRemove() {
    const int selected = SelectedRow(*ui_->shown);
    const int available = choice_.Hide(selected);
    if (available < 0) {
        return;
    }
    Show(available, IndexAfterRemoval(selected, static_cast<int>(choice_.Shown().size())));
}

void CColumnsDlg::OnMove(int delta) {
    const int moved = choice_.MoveShown(SelectedRow(*ui_->shown), delta);
    Show(SelectedRow(*ui_->available), moved);
}

}  // namespace gb::app::ui
