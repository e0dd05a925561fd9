#pragma once
// The user profile view: the profile's name and its seller IDs, each with
// its storage folder, active flag and time-zone hours; seller IDs are added
// with "Add New Seller ID" from the installed auction sites. The view is a
// form: leaving it needs a profile name and a seller ID; the window stores
// what was typed when the view is left and before other work reloads it.

#include <QtWidgets/QWidget>

#include <functional>
#include <memory>

#include "app/core/profile/ProfileEditing.h"
#include "app/ui/CView.h"

class QLineEdit;
class QPushButton;
class QSpinBox;
class QCheckBox;
class QTreeWidget;

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

namespace Ui {
class CProView;
}  // namespace Ui

// What the view asks of the window it sits in.
struct ProViewHooks {
    gb::widgets::ModalRunner* runner = nullptr;
    // "Close": the frame's User Profile command (32780), which leaves the view.
    std::function<void()> close;
    // "Help" (57670 while the view is active): the help at a context.
    std::function<void(int context)> help;
    // Shows the toolbar of the user profile (kind 109) once the view is in place.
    std::function<void(int folderKind)> enableToolbar;
};

class CProView final : public QWidget, public gb::app::ui::CView {
    Q_OBJECT

public:
    CProView(gb::itemdb::CAucDoc& document, ProViewHooks hooks, QWidget* parent = nullptr);
    ~CProView() override;

    QWidget* Widget() override { return this; }
    gb::app::ViewKind Kind() const override { return gb::app::ViewKind::Profile; }
    void OnInitialUpdate() override;
    void OnUpdate(std::int32_t hint) override;
    bool IsForm() const override { return true; }
    // Valid with a profile name and a seller ID shown.
    bool EntriesValid() const override;
    // The profile name when one is typed, and the seller ID's fields; a
    // changed profile gets its seller folders.
    bool StoreEntries() override;
    // "Help": the help at the user profile's place.
    void OnHelp();

    void OnAddSeller();
    void OnDeleteSeller();

    QLineEdit* ProfileNameEdit() const;
    QTreeWidget* SellerList() const;
    QLineEdit* StorageFolderEdit() const;
    QCheckBox* ActiveBox() const;
    QSpinBox* TimeZoneBox() const;
    QLineEdit* RetrievedSinceEdit() const;
    QPushButton* AddButton() const;
    QPushButton* RemoveButton() const;
    QPushButton* CloseButton() const;

private:
    SellerForm ReadForm() const;
    void ShowForm(const SellerForm& form);
    // Refills the seller list and shows the seller ID at `index`.
    void FillList(int index);
    void OnSellerClick();

    std::unique_ptr<Ui::CProView> ui_;
    ProViewHooks hooks_;
    ProfileEditing editing_;
    bool initialUpdateDone_ = false;
    bool filling_ = false;
};

// The creator the main window's view factory registers for the profile view.
gb::app::ui::CView* CreateProView(gb::itemdb::CAucDoc& document, ProViewHooks hooks,
                                  QWidget* parent);

}  // namespace gb::app::ui
