#include "app/ui/profile/CProView.h"

#include <QtWidgets/QHeaderView>

#include <algorithm>

#include "app/dialogs/common/Messages.h"
#include "app/dialogs/profile/CSellerIdDlg.h"
#include "app/ui/help/HelpCommands.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "ui_CProView.h"
#include "widgets/HelpService.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

using gb::widgets::FromQt;
using gb::widgets::ToQt;

namespace gb::app::ui {

CProView::CProView(gb::itemdb::CAucDoc& document, ProViewHooks hooks, QWidget* parent)
    : QWidget(parent),
      gb::app::ui::CView(document),
      ui_(std::make_unique<Ui::CProView>()),
      hooks_(std::move(hooks)),
      editing_(document) {
    ui_->setupUi(this);
    ui_->sellers->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(ui_->sellers, &QTreeWidget::itemSelectionChanged, this, &CProView::OnSellerClick);
    connect(ui_->add, &QPushButton::clicked, this, &CProView::OnAddSeller);
    connect(ui_->remove, &QPushButton::clicked, this, &CProView::OnDeleteSeller);
    connect(ui_->close, &QPushButton::clicked, this, [this] {
        if (hooks_.close) {
            hooks_.close();
        }
    });
    connect(ui_->help, &QPushButton::clicked, this, &CProView::OnHelp);
    // Help (F1) while the view is active asks for the view's own place.
    commands_.On(help_cmd::Help, [this](int) { OnHelp(); });
}

CProView::~CProView() = default;

void CProView::OnInitialUpdate() {
    if (initialUpdateDone_) {
        return;
    }
    initialUpdateDone_ = true;
    OnUpdate(gb::itemdb::DocumentEvent::kHintNew);
    if (hooks_.enableToolbar) {
        hooks_.enableToolbar(gb::itemdb::folder::UserProfile);
    }
}

void CProView::OnUpdate(std::int32_t) {
    ui_->profileName->setText(ToQt(GetDocument().GetProfileName()));
    FillList(0);
}

SellerForm CProView::ReadForm() const {
    return {FromQt(ui_->storageFolder->text()), ui_->active->isChecked(),
            ui_->timeZoneHours->value(), FromQt(ui_->retrievedSince->text())};
}

void CProView::ShowForm(const SellerForm& form) {
    ui_->storageFolder->setText(ToQt(form.storageFolder));
    ui_->active->setChecked(form.active);
    ui_->timeZoneHours->setValue(form.timeZoneHours);
    ui_->retrievedSince->setText(ToQt(form.retrievedSince));
}

void CProView::FillList(int index) {
    filling_ = true;
    ui_->sellers->clear();
    for (const SellerRow& row : editing_.Rows()) {
        auto* item = new QTreeWidgetItem(ui_->sellers);
        item->setText(0, ToQt(row.sellerId));
        item->setText(1, ToQt(row.site));
    }
    const SellerForm form = editing_.Reload(index);
    if (QTreeWidgetItem* item = ui_->sellers->topLevelItem(editing_.Current())) {
        ui_->sellers->setCurrentItem(item);
        ui_->sellers->scrollToItem(item);
    }
    filling_ = false;
    ShowForm(form);
}

void CProView::OnSellerClick() {
    if (filling_) {
        return;
    }
    // A click that leaves no row selected puts the selection back on the
    // seller ID shown, so that the row marked is always the one loaded.
    const QList<QTreeWidgetItem*> selected = ui_->sellers->selectedItems();
    const int row = selected.isEmpty() ? std::max(editing_.Current(), 0)
                                       : ui_->sellers->indexOfTopLevelItem(selected.front());
    ShowForm(editing_.Choose(row, ReadForm()));
    if (selected.isEmpty()) {
        if (QTreeWidgetItem* item = ui_->sellers->topLevelItem(editing_.Current())) {
            filling_ = true;
            ui_->sellers->setCurrentItem(item);
            filling_ = false;
        }
    }
}

void CProView::OnAddSeller() {
    gb::itemdb::CAucDoc& document = GetDocument();
    CSellerIdDlg dialog(document.GetSiteNames(), *hooks_.runner, this);
    if (hooks_.runner->Run(dialog) != QDialog::Accepted) {
        return;
    }
    NewSellerId seller = dialog.Seller();
    seller.siteClsid = document.GetSiteCLSID(seller.siteName);
    FillList(editing_.AddSeller(FromQt(ui_->profileName->text()), ReadForm(), seller));
}

void CProView::OnDeleteSeller() {
    if (editing_.Current() < 0 || !AskYesNo(*hooks_.runner, this, "Delete this Seller?")) {
        return;
    }
    FillList(editing_.RemoveCurrent());
}

bool CProView::EntriesValid() const {
    return editing_.CanLeave(FromQt(ui_->profileName->text()));
}

bool CProView::StoreEntries() {
    return editing_.StoreChanges(FromQt(ui_->profileName->text()), ReadForm());
}

void CProView::OnHelp() {
    if (hooks_.help) {
        hooks_.help(gb::widgets::help_context::UserProfile);
    }
}

QLineEdit* CProView::ProfileNameEdit() const {
    return ui_->profileName;
}

QTreeWidget* CProView::SellerList() const {
    return ui_->sellers;
}

QLineEdit* CProView::StorageFolderEdit() const {
    return ui_->storageFolder;
}

QCheckBox* CProView::ActiveBox() const {
    return ui_->active;
}

QSpinBox* CProView::TimeZoneBox() const {
    return ui_->timeZoneHours;
}

QLineEdit* CProView::RetrievedSinceEdit() const {
    return ui_->retrievedSince;
}

QPushButton* CProView::AddButton() const {
    return ui_->add;
}

QPushButton* CProView::RemoveButton() const {
    return ui_->remove;
}

QPushButton* CProView::CloseButton() const {
    return ui_->close;
}

gb::app::ui::CView* CreateProView(gb::itemdb::CAucDoc& document, ProViewHooks hooks,
                                  QWidget* parent) {
    return new CProView(document, std::move(hooks), parent);
}

}  // namespace gb::app::ui
