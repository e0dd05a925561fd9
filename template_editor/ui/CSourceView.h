#pragma once
// The source section: the three pages joined by the marker comments, as plain
// text in a fixed-pitch font. The view hands the text back to the document
// only when the user changed it, with its characters as typed (non-breaking
// spaces included) and each part's own line ends.

#include <QtWidgets/QPlainTextEdit>

#include "template_editor/core/SourceLineEnds.h"

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
    // The text as the user sees it, line ends as line feeds.
    QString TextShown() const;

    CTemplateDoc& doc_;
    SourceLineEnds lineEnds_;
};

}  // namespace gb::editor
