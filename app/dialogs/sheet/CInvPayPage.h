#pragma once
// The item sheet's Payment page: amount, date and method of the payment, the method's fee and the
// days the buyer took to pay.

#include <memory>
#include <optional>
#include <string>

#include "widgets/PropertyPage.h"

#include "app/core/sheet/PayPageTexts.h"

namespace gb::app::ui::Ui {
class CInvPayPage;
}

namespace gb::app::ui {

class CInvSheet;

class CInvPayPage final : public widgets::PropertyPage {
    Q_OBJECT

public:
    explicit CInvPayPage(CInvSheet& sheet);
    ~CInvPayPage() override;

    void Load() override;
    std::optional<std::string> Store() override;

private:
    PayPageTexts Texts() const;
    void Show(const PayPageTexts& texts);
    void MethodChosen(int index);
    void PayDateChanged();

    CInvSheet& sheet_;
    std::unique_ptr<Ui::CInvPayPage> ui_;
};

}  // namespace gb::app::ui
