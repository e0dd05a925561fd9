#pragma once
// The bulk-update sheet's page "Item": writes into the sheet's template.

#include <memory>

#include "widgets/PropertyPage.h"

namespace gb::app::ui::Ui {
class CAutoStatusPage;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app {
class BulkTemplate;
}

namespace gb::app::ui {

struct BulkSheetSources;

class CAutoStatusPage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CAutoStatusPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                    gb::widgets::ModalRunner& runner);
    ~CAutoStatusPage() override;

    Ui::CAutoStatusPage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    void OnUpdateToggled();
    std::unique_ptr<Ui::CAutoStatusPage> ui_;
    BulkTemplate& bulk_;
    const BulkSheetSources& sources_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
