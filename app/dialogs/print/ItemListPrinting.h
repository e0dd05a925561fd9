#pragma once
// The print commands of the item list: Print (with the print dialog), Print
// Direct (to the chosen printer without a dialog), Print Preview and Print
// Setup. It keeps the printer and its settings between the commands.

#include <QtPrintSupport/QPrinter>

#include <memory>
#include <optional>

#include "app/core/print/PrintLayout.h"

class QWidget;

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

class ItemListPrinting {
public:
    ItemListPrinting() = default;
    ItemListPrinting(const ItemListPrinting&) = delete;
    ItemListPrinting& operator=(const ItemListPrinting&) = delete;

    void OnFilePrint(const PrintContent& content, gb::widgets::ModalRunner& runner,
                     QWidget* parent);
    void OnFilePrintDirect(const PrintContent& content, gb::widgets::ModalRunner& runner,
                           QWidget* parent);
    void OnFilePrintPreview(const PrintContent& content, gb::widgets::ModalRunner& runner,
                            QWidget* parent);
    void OnFilePrintSetup(gb::widgets::ModalRunner& runner, QWidget* parent);

    // Made on first use: finding the printers takes long enough to slow the
    // main window's start.
    QPrinter& Printer();

private:
    // The number of pages; nothing, after saying why, when there is nothing
    // to print.
    std::optional<int> Prepare(const PrintContent& content, gb::widgets::ModalRunner& runner,
                               QWidget* parent);
    void PrintPages(const PrintContent& content, PageSpan pages, gb::widgets::ModalRunner& runner,
                    QWidget* parent);

    std::unique_ptr<QPrinter> printer_;
};

}  // namespace gb::app::ui
