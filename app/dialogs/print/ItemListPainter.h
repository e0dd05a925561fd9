#pragma once
// Paints the item list's printed pages on a printer: Courier at 10 points,
// each line of the laid-out pages at the indent, one page after the other.

#include <optional>

#include <QtGui/QFont>

#include "app/core/print/PrintLayout.h"

class QPrinter;

namespace gb::app::ui {

class ItemListPainter {
public:
    static QFont PrintFont();
    // The printable area and the print font's sizes on the printer.
    static PrintMetrics MetricsOf(QPrinter& printer);
    // Prints the pages of the span (every page by default); nothing is
    // printed when the content is refused.
    static std::optional<PrintRefusal> Paint(QPrinter& printer, const PrintContent& content,
                                             PageSpan pages = {});
};

}  // namespace gb::app::ui
