#include "setup/wizard/CPageRead.h"

#include <QtGui/QFontDatabase>
#include <QtWidgets/QStyle>
#include <QtWidgets/QVBoxLayout>

#include "setup/core/WizardRules.h"
#include "setup/wizard/CWizardSheet.h"
#include "setup/wizard/SetupQtText.h"

namespace gb::setup::ui {

CPageRead::CPageRead(CWizardSheet& sheet, int position, int count, QWidget* parent)
    : CWizardPage(position, count, parent), sheet_(sheet), text_(new QPlainTextEdit(this)) {
    SetBackground(Qt::white);
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
    layout->addWidget(text_);
}

void CPageRead::initializePage() {
    CInstaller& installer = sheet_.Installer();
    std::filesystem::path earlier;
    const ReadmePage page = ReadmePageText(
        installer.SourceFolder(), installer.GetInstalledFolder(earlier), installer.GetLogText());
    text_->setPlainText(ToQt(std::string_view(page.text)));
    stay_ = page.stay;
    Q_EMIT completeChanged();
}

bool CPageRead::isComplete() const {
    return !stay_;
}

int CPageRead::nextId() const {
    return sheet_.Installer().IsBrowserReady() ? CWizardSheet::FolderPage : CWizardSheet::ErrorPage;
}

}  // namespace gb::setup::ui
