#pragma once
// The item sheet's Fees page: the seller fees of the fee schedule as a check-box list, itemized on
// the item, and the fees' total.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

#include "app/core/sheet/FeePageTexts.h"

namespace gb::app::ui::Ui {
class CInvFeePage;
}

namespace gb::app::ui {

class CInvSheet;

class CInvFeePage final : public widgets::PropertyPage {
    Q_OBJECT

public:
    explicit CInvFeePage(CInvSheet& sheet);
    ~CInvFeePage() override;

    void Load() override;
    std::optional<std::string> Store() override;

private:
    FeePageTexts Texts() const;
    void Show(const FeePageTexts& texts);
    void RowChanged();

    CInvSheet& sheet_;
    std::unique_ptr<Ui::CInvFeePage> ui_;
};

}  // namespace gb::app::ui
