#include "template_editor/ui/CSourceView.h"

#include <QtGui/QFontDatabase>

#include "template_editor/core/TemplateDoc.h"
#include "template_editor/ui/HtmlText.h"
#include "widgets/QtText.h"

namespace gb::editor {

namespace {

QFont SourceFont() {
    QFont font(QStringLiteral("Courier"), 10);
    font.setStyleHint(QFont::TypeWriter);
    if (!font.exactMatch() && !QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(10);
    }
    return font;
}

}  // namespace

CSourceView::CSourceView(CTemplateDoc& doc, QWidget* parent) : QPlainTextEdit(parent), doc_(doc) {
    setFont(SourceFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void CSourceView::LoadFromDocument() {
    setPlainText(gb::widgets::ToQt(lineEnds_.Record(doc_.GetSourceHTML())));
    document()->setModified(false);
}

// The document's raw text: unlike the plain text, it keeps non-breaking
// spaces, and it separates lines by Unicode separators.
QString CSourceView::TextShown() const {
    QString text = document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = QLatin1Char('\n');
        }
    }
    return text;
}

bool CSourceView::StoreToDocument() {
    if (!document()->isModified()) {
        return true;
    }
    if (!doc_.StoreSection(lineEnds_.Restore(HtmlFromQt(TextShown())), section::Source)) {
        return false;
    }
    document()->setModified(false);
    return true;
}

void CSourceView::InsertText(const QString& text) {
    insertPlainText(text);
}

}  // namespace gb::editor
