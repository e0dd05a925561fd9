#pragma once
// The item sheet's Categories page: the profile's categories as a tree; a double-click adds the
// item to a category or takes it out, at once.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

#include "app/core/sheet/CategoryTree.h"

class QTreeWidgetItem;

namespace gb::app::ui::Ui {
class CInvCategoryPage;
}

namespace gb::app::ui {

class CInvSheet;

class CInvCategoryPage final : public widgets::PropertyPage {
    Q_OBJECT

public:
    explicit CInvCategoryPage(CInvSheet& sheet);
    ~CInvCategoryPage() override;

    // Every toggle changes the item at once: nothing to read or store.

private:
    void NodeDoubleClicked(QTreeWidgetItem* node);
    void ShowCount();

    CInvSheet& sheet_;
    std::unique_ptr<Ui::CInvCategoryPage> ui_;
    CategoryTree tree_;
};

}  // namespace gb::app::ui
