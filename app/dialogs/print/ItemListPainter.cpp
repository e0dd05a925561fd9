#include "app/dialogs/print/ItemListPainter.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>
#include <QtPrintSupport/QPrinter>

#include <variant>

#include "widgets/QtText.h"

namespace gb::app::ui {

QFont ItemListPainter::PrintFont() {
    QFont font("Courier");
    font.setPointSize(10);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

PrintMetrics ItemListPainter::MetricsOf(QPrinter& printer) {
    const QFontMetrics metrics(PrintFont(), &printer);
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    return {printable.width(), printable.height(), metrics.lineSpacing(),
            metrics.averageCharWidth()};
}

std::optional<PrintRefusal> ItemListPainter::Paint(QPrinter& printer, const PrintContent& content,
                                                   PageSpan pages) {
    const PrintMetrics metrics = MetricsOf(printer);
    const auto made = PrintLayout::Make(content, metrics);
    if (const auto* refusal = std::get_if<PrintRefusal>(&made)) {
        return *refusal;
    }
    const PrintLayout& layout = std::get<PrintLayout>(made);
    QPainter painter(&printer);
    painter.setFont(PrintFont());
    const int indent = PrintLayout::kIndentChars * metrics.charWidth;
    const int ascent = QFontMetrics(PrintFont(), &printer).ascent();
    const PageSpan printed = layout.PagesOf(pages);
    for (int page = printed.first; page <= printed.last; ++page) {
        if (page > printed.first) {
            printer.newPage();
        }
        for (const PrintLine& line : layout.PageLines(content, page)) {
            painter.drawText(indent, line.line * metrics.lineHeight + ascent,
                             gb::widgets::ToQt(line.text));
        }
    }
    return std::nullopt;
}

}  // namespace gb::app::ui
