#include "app/dialogs/problems/CProblemDlg.h"

#include "ui_CProblemDlg.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace {

// The logs end their lines with CR LF; the text box wants LF alone.
QString LogText(const std::string& log) {
    QString text = gb::widgets::ToQt(log);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

CProblemDlg::CProblemDlg(const RetrievalProblems& problems, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CProblemDlg>()),
      details_(LogText(problems.details)),
      summary_(LogText(problems.summary)) {
    ui_->setupUi(this);
    ui_->tabs->addTab(QStringLiteral("Summary"));
    ui_->tabs->addTab(QStringLiteral("Details"));
    connect(ui_->tabs, &QTabBar::currentChanged, this, [this](int tab) { OnSelchangeTab(tab); });
    OnSelchangeTab(ui_->tabs->currentIndex());
}

CProblemDlg::~CProblemDlg() = default;

void CProblemDlg::OnSelchangeTab(int tab) {
    ui_->text->setPlainText(tab == 0 ? summary_ : details_);
}

QTabBar* CProblemDlg::Tabs() const {
    return ui_->tabs;
}

QString CProblemDlg::ShownText() const {
    return ui_->text->toPlainText();
}

}  // namespace gb::app::ui
