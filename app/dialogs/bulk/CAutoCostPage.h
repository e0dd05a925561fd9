#pragma once
// The bulk-update sheet's page "Cost": writes into the sheet's template.

#include <memory>

#include "widgets/PropertyPage.h"

namespace gb::app::ui::Ui {
class CAutoCostPage;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app {
class BulkTemplate;
}

namespace gb::app::ui {

struct BulkSheetSources;

class CAutoCostPage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CAutoCostPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                  gb::widgets::ModalRunner& runner);
    ~CAutoCostPage() override;

    Ui::CAutoCostPage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    std::unique_ptr<Ui::CAutoCostPage> ui_;
    BulkTemplate& bulk_;
    const BulkSheetSources& sources_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
