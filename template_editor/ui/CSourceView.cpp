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
    QString source = gb::widgets::ToQt(doc_.GetSourceHTML());
    crlf_ = source.contains(QStringLiteral("\r\n"));
    source.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(source);
    document()->setModified(false);
}

bool CSourceView::StoreToDocument() {
    if (!document()->isModified()) {
        return true;
    }
    QString text = toPlainText();
    if (crlf_) {
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    if (!doc_.StoreSection(HtmlFromQt(text), section::Source)) {
        return false;
    }
    document()->setModified(false);
    return true;
}

void CSourceView::InsertText(const QString& text) {
    insertPlainText(text);
}

}  // namespace gb::editor
