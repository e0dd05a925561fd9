#include "setup/wizard/CPageRead.h"

#include <QtGui/QFontDatabase>
#include <QtWidgets/QStyle>
#include <QtWidgets/QVBoxLayout>

#include "setup/core/SetupStrings.h"
#include "setup/core/WizardRules.h"
#include "setup/wizard/CWizardSheet.h"
#include "setup/wizard/SetupQtText.h"

namespace gb::setup::ui {

CPageRead::CPageRead(CWizardSheet& sheet, int position, int count, QWidget* parent)
    : CWizardPage(position, count, parent),
      sheet_(sheet),
      warning_(new QLabel(this)),
      text_(new QPlainTextEdit(this)) {
    SetBackground(Qt::white);
    warning_->setObjectName(QStringLiteral("warning"));
    warning_->setWordWrap(true);
    warning_->hide();
    text_->setReadOnly(true);
    // The read-me is laid out in fixed-pitch lines, with a table: shown as
    // written, scrolling sideways rather than wrapped.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Wide enough for the read-me's 78 columns beside the scroll bar.
    constexpr int kColumns = 80;
    text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance(QString(kColumns, u'x')) +
                           2 * text_->frameWidth() +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(warning_);
    layout->addWidget(text_);
}

void CPageRead::initializePage() {
    CInstaller& installer = sheet_.Installer();
    std::filesystem::path earlier;
    const ReadmePage page = ReadmePageText(
        installer.SourceFolder(), installer.GetInstalledFolder(earlier), installer.GetLogText());
    // The warning is one long line: it is wrapped above the readme, whose
    // own lines keep their layout.
    const std::string_view warning = page.warning;
    warning_->setText(ToQt(warning).trimmed());
    warning_->setVisible(!warning.empty());
    text_->setPlainText(ToQt(std::string_view(page.text)));
    stay_ = page.stay;
    Q_EMIT completeChanged();
}

QString CPageRead::Text() const {
    const QString readme = text_->toPlainText();
    return warning_->text().isEmpty() ? readme : warning_->text() + QStringLiteral("\n\n") + readme;
}

bool CPageRead::isComplete() const {
    return !stay_;
}

int CPageRead::nextId() const {
    return sheet_.Installer().IsBrowserReady() ? CWizardSheet::FolderPage : CWizardSheet::ErrorPage;
}

}  // namespace gb::setup::ui
