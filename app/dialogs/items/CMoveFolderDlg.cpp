#include "app/dialogs/items/CMoveFolderDlg.h"

#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidgetItemIterator>

#include "app/core/FolderImages.h"
#include "app/ui/ArtLibrary.h"
#include "ui_CMoveFolderDlg.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace {

constexpr int kIdRole = Qt::UserRole;

QTreeWidgetItem* AddFolder(QTreeWidgetItem* parent, const MoveFolderChoice& choice) {
    auto* item = new QTreeWidgetItem(parent, {gb::widgets::ToQt(choice.name)});
    item->setData(0, kIdRole, choice.id);
    item->setIcon(0, ArtLibrary::FolderIcon(folder_image::Heading));
    return item;
}

// The tree shows a folder open while it is expanded or chosen.
void ShowImage(QTreeWidgetItem* item, bool open) {
    item->setIcon(
        0, ArtLibrary::FolderIcon(open ? OpenImage(folder_image::Heading) : folder_image::Heading));
}

}  // namespace

CMoveFolderDlg::CMoveFolderDlg(const MoveFolderChoices& choices, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CMoveFolderDlg>()) {
    ui_->setupUi(this);
    ui_->tree->setIconSize(QSize(16, 16));
    QTreeWidgetItem* root = AddFolder(nullptr, choices.root);
    ui_->tree->addTopLevelItem(root);
    for (const MoveFolderChoice& choice : choices.folders) {
        AddFolder(root, choice);
    }
    ui_->tree->expandItem(root);
    ShowImage(root, true);
    ui_->buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    connect(ui_->tree, &QTreeWidget::itemExpanded, this,
            [](QTreeWidgetItem* item) { ShowImage(item, true); });
    connect(ui_->tree, &QTreeWidget::itemCollapsed, this,
            [](QTreeWidgetItem* item) { ShowImage(item, false); });
    connect(ui_->tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* now, QTreeWidgetItem* before) {
                if (before != nullptr && before->childCount() == 0) {
                    ShowImage(before, false);
                }
                if (now != nullptr && now->childCount() == 0) {
                    now->setIcon(0, ArtLibrary::FolderIcon(folder_image::CategorySet));
                }
                OnChosen();
            });
}

CMoveFolderDlg::~CMoveFolderDlg() = default;

QTreeWidget* CMoveFolderDlg::Tree() const {
    return ui_->tree;
}

bool CMoveFolderDlg::Choose(std::int32_t folderId) {
    for (QTreeWidgetItemIterator it(ui_->tree); *it != nullptr; ++it) {
        if ((*it)->data(0, kIdRole).toInt() == folderId) {
            ui_->tree->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

void CMoveFolderDlg::OnChosen() {
    const QTreeWidgetItem* item = ui_->tree->currentItem();
    chosen_ = item != nullptr ? item->data(0, kIdRole).toInt() : 0;
    ui_->buttons->button(QDialogButtonBox::Ok)->setEnabled(CanMoveTo(chosen_));
}

}  // namespace gb::app::ui
