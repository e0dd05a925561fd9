#include "app/dialogs/report/ReportClipboard.h"

#include <QtCore/QMimeData>
#include <QtGui/QClipboard>
#include <QtGui/QTextDocument>

#include "widgets/QtText.h"

namespace gb::app::ui {

std::unique_ptr<QMimeData> ReportMimeData(const std::string& html) {
    const QString page = gb::widgets::ToQt(html);
    QTextDocument document;
    document.setHtml(page);
    auto data = std::make_unique<QMimeData>();
    data->setHtml(page);
    data->setText(document.toPlainText());
    return data;
}

void CopyReport(QClipboard& clipboard, const std::string& html) {
    clipboard.setMimeData(ReportMimeData(html).release());
}

}  // namespace gb::app::ui
