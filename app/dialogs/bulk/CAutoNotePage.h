#pragma once
// The bulk-update sheet's page "Notes": writes into the sheet's template.

#include <memory>

#include "widgets/PropertyPage.h"

namespace gb::app::ui::Ui {
class CAutoNotePage;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app {
class BulkTemplate;
}

namespace gb::app::ui {

struct BulkSheetSources;

class CAutoNotePage final : public gb::widgets::PropertyPage {
    Q_OBJECT

public:
    CAutoNotePage(BulkTemplate& bulk, const BulkSheetSources& sources,
                  gb::widgets::ModalRunner& runner);
    ~CAutoNotePage() override;

    Ui::CAutoNotePage& Form() { return *ui_; }
    std::optional<std::string> Store() override;

private:
    std::unique_ptr<Ui::CAutoNotePage> ui_;
    BulkTemplate& bulk_;
    const BulkSheetSources& sources_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
