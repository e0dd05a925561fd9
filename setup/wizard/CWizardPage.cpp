#include "setup/wizard/CWizardPage.h"

#include "setup/core/SetupStrings.h"
#include "setup/wizard/SetupQtText.h"

namespace gb::setup::ui {

namespace {

QString CaptionText() {
    return ToQt(SetupText(ids::Caption));
}

}  // namespace

CWizardPage::CWizardPage(int position, int count, QWidget* parent)
    : QWizardPage(parent), position_(position) {
    caption_ = position > 0
                   ? QStringLiteral("%1 (%2 of %3)").arg(CaptionText()).arg(position).arg(count)
                   : CaptionText();
}

QLabel* CWizardPage::MakeText(QWidget* parent) {
    auto* text = new QLabel(parent);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    return text;
}

QLabel* CWizardPage::MakeTitle(QWidget* parent) {
    auto* title = new QLabel(parent);
    title->setWordWrap(true);
    QFont large = title->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.3);
    title->setFont(large);
    return title;
}

void CWizardPage::SetBackground(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    colors.setColor(QPalette::Base, color);
    setPalette(colors);
    setAutoFillBackground(true);
}

}  // namespace gb::setup::ui
