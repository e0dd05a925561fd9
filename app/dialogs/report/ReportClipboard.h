#pragma once
// Copy to Clipboard: the rendered page as HTML, with its text as the plain
// alternative for programs that take no HTML.

#include <memory>
#include <string>

class QClipboard;
class QMimeData;

namespace gb::app::ui {

// `html` is Windows-1252, as the report is rendered.
std::unique_ptr<QMimeData> ReportMimeData(const std::string& html);

// Puts the page on the clipboard.
void CopyReport(QClipboard& clipboard, const std::string& html);

}  // namespace gb::app::ui
