#include "app/dialogs/print/ItemListPrinting.h"

#include <QtPrintSupport/QPageSetupDialog>
#include <QtPrintSupport/QPrintDialog>
#include <QtPrintSupport/QPrintPreviewDialog>

#include <variant>

#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/print/ItemListPainter.h"
#include "widgets/ModalRunner.h"

namespace gb::app::ui {

QPrinter& ItemListPrinting::Printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>();
    }
    return *printer_;
}

std::optional<int> ItemListPrinting::Prepare(const PrintContent& content,
                                             gb::widgets::ModalRunner& runner, QWidget* parent) {
    const auto made = PrintLayout::Make(content, ItemListPainter::MetricsOf(Printer()));
    if (const auto* refusal = std::get_if<PrintRefusal>(&made)) {
        ShowAppMessage(runner, parent, RefusalText(*refusal));
        return std::nullopt;
    }
    return std::get<PrintLayout>(made).PageCount();
}

void ItemListPrinting::PrintPages(const PrintContent& content, PageSpan pages,
                                  gb::widgets::ModalRunner& runner, QWidget* parent) {
    if (const auto refusal = ItemListPainter::Paint(Printer(), content, pages)) {
        ShowAppMessage(runner, parent, RefusalText(*refusal));
    }
}

void ItemListPrinting::OnFilePrint(const PrintContent& content, gb::widgets::ModalRunner& runner,
                                   QWidget* parent) {
    const std::optional<int> pageCount = Prepare(content, runner, parent);
    if (!pageCount) {
        return;
    }
    QPrintDialog dialog(&Printer(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, *pageCount);
    if (runner.Run(dialog) != QDialog::Accepted) {
        return;
    }
    // The range holds only for this print: Print Direct prints every page.
    const bool range = Printer().printRange() == QPrinter::PageRange;
    PrintPages(content, range ? PageSpan{Printer().fromPage(), Printer().toPage()} : PageSpan{},
               runner, parent);
}

void ItemListPrinting::OnFilePrintDirect(const PrintContent& content,
                                         gb::widgets::ModalRunner& runner, QWidget* parent) {
    if (Prepare(content, runner, parent)) {
        PrintPages(content, {}, runner, parent);
    }
}

void ItemListPrinting::OnFilePrintPreview(const PrintContent& content,
                                          gb::widgets::ModalRunner& runner, QWidget* parent) {
    if (!Prepare(content, runner, parent)) {
        return;
    }
    QPrintPreviewDialog dialog(&Printer(), parent);
    dialog.setObjectName("PrintPreview");
    // A page set-up the preview cannot lay out leaves its pages empty.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&content](QPrinter* printer) { ItemListPainter::Paint(*printer, content); });
    runner.Run(dialog);
}

void ItemListPrinting::OnFilePrintSetup(gb::widgets::ModalRunner& runner, QWidget* parent) {
    QPageSetupDialog dialog(&Printer(), parent);
    runner.Run(dialog);
}

}  // namespace gb::app::ui
