#pragma once
// The source section: the three pages joined by the marker comments, as plain
// text in a fixed-pitch font. The view hands the text back to the document
// only when the user changed it.

#include <QtWidgets/QPlainTextEdit>

namespace gb::editor {

class CTemplateDoc;

class CSourceView final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CSourceView(CTemplateDoc& doc, QWidget* parent = nullptr);

    void LoadFromDocument();
    // Stores the text as the source section when the user changed it; false
    // when the document refuses it.
    bool StoreToDocument();
    // Replaces the selection by the text, as typing would.
    void InsertText(const QString& text);

private:
    CTemplateDoc& doc_;
    // The text shown had its lines ended by CR LF, which the editor shows as
    // plain line ends; they are written back the same way.
    bool crlf_ = false;
};

}  // namespace gb::editor
