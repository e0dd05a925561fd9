#pragma once
// What every page of the bulk-update sheet holds: its Designer form, the
// sheet's template it writes into, what it shows besides the template, and the
// runner for its messages. A page derives from BulkPage<its form> and declares
// only what is its own.

#include <memory>

#include "app/dialogs/bulk/BulkSheetSources.h"
#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/common/TypingLimit.h"
#include "app/dialogs/common/UserDateFormats.h"
#include "widgets/PropertyPage.h"

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app {
class BulkTemplate;
}

namespace gb::app::ui {

// The constructor sets the form up on the page; it is instantiated by the
// page's own source file, which includes the form's generated header.
template <typename FormType>
class BulkPage : public gb::widgets::PropertyPage {
public:
    FormType& Form() { return *ui_; }

protected:
    BulkPage(BulkTemplate& bulk, const BulkSheetSources& sources, gb::widgets::ModalRunner& runner)
        : ui_(std::make_unique<FormType>()), bulk_(bulk), sources_(sources), runner_(runner) {
        ui_->setupUi(this);
        UseUserDateFormats(*this);
    }

    // Fills a drop-down box with the value list of a field; every box of the
    // sheet takes up to 20 characters.
    void FillList(QComboBox& combo, int fieldId) {
        FillValueCombo(combo, sources_.lists, fieldId);
        LimitTyping(combo, 20);
    }

    std::unique_ptr<FormType> ui_;
    BulkTemplate& bulk_;
    const BulkSheetSources& sources_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
