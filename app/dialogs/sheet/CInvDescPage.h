#pragma once
// The item sheet's Item page: status, description, the listing's amounts and notes.

#include <memory>
#include <optional>
#include <string>

#include <vector>
#include "widgets/PropertyPage.h"

#include "app/core/sheet/DescPageTexts.h"

namespace gb::app::ui::Ui {
class CInvDescPage;
}

namespace gb::app::ui {

class CInvSheet;

class CInvDescPage final : public widgets::PropertyPage {
    Q_OBJECT

public:
    explicit CInvDescPage(CInvSheet& sheet);
    ~CInvDescPage() override;

    void Load() override;
    std::optional<std::string> Store() override;

private:
    DescPageTexts Texts() const;

    CInvSheet& sheet_;
    std::unique_ptr<Ui::CInvDescPage> ui_;
    std::vector<StatusChoice> statuses_;
};

}  // namespace gb::app::ui
