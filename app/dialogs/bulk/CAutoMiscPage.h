#pragma once
// The bulk-update sheet's page "Misc Fees": writes into the sheet's template.

#include <memory>

#include "widgets/PropertyPage.h"

namespace gb::app::ui::Ui {
class CAutoMiscPage;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app {
class BulkTemplate;
}

namespace gb::app::ui {

struct BulkSheetSources;

class CAutoMiscPage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CAutoMiscPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                  gb::widgets::ModalRunner& runner);
    ~CAutoMiscPage() override;

    Ui::CAutoMiscPage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    void ShowItemized(bool charges);
    void OnRowChanged(bool charges);
    std::unique_ptr<Ui::CAutoMiscPage> ui_;
    BulkTemplate& bulk_;
    const BulkSheetSources& sources_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
