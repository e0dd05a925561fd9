#include "app/dialogs/report/CTemplateDlg.h"

#include <QtWidgets/QHeaderView>

#include <algorithm>
#include <utility>
#include <vector>

#include "ui_CTemplateDlg.h"
#include "widgets/ListWidth.h"
#include "widgets/QtText.h"

using gb::widgets::PathFromQt;
using gb::widgets::PathToQt;
using gb::widgets::ToQt;

namespace gb::app::ui {

namespace {

// Room after the longest name, in pixels.
constexpr int kNameGap = 12;

}  // namespace

CTemplateDlg::CTemplateDlg(std::filesystem::path programFolder, const std::string& libraryName,
                           int templateIndex, Mode mode, std::function<void()> showHelp,
                           QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CTemplateDlg>()),
      programFolder_(std::move(programFolder)),
      templateIndex_(templateIndex),
      showHelp_(std::move(showHelp)) {
    ui_->setupUi(this);
    setWindowTitle(mode == MailMode ? tr("Copy to Clipboard") : tr("View Report"));
    ui_->tabs->addTab(tr("Reports"));
    ui_->tabs->addTab(tr("Mail"));
    ui_->tabs->setCurrentIndex(mode);
    for (const std::string& file : TemplateLibraryFiles(programFolder_)) {
        ui_->library->addItem(PathToQt(file));
    }
    ui_->library->setCurrentIndex(std::max(0, ui_->library->findText(PathToQt(libraryName))));
    ui_->templates->header()->setStretchLastSection(true);
    ui_->select->setDefault(true);
    OpenLibrary();

    connect(ui_->tabs, &QTabBar::currentChanged, this, [this] { FillList(); });
    connect(ui_->library, &QComboBox::currentIndexChanged, this, [this] { OpenLibrary(); });
    connect(ui_->templates, &QTreeWidget::itemDoubleClicked, this, &CTemplateDlg::OnSelect);
    connect(ui_->select, &QPushButton::clicked, this, &CTemplateDlg::OnSelect);
    connect(ui_->cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->help, &QPushButton::clicked, this, [this] {
        if (showHelp_) {
            showHelp_();
        }
    });
}

CTemplateDlg::~CTemplateDlg() = default;

void CTemplateDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // "Name" takes a fifth of the list, or what its longest name needs;
    // "Description" the rest.
    QTreeWidget& list = *ui_->templates;
    list.resizeColumnToContents(0);
    const int needed = list.columnWidth(0) + kNameGap;
    list.header()->resizeSection(0, std::max(list.viewport()->width() / 5, needed));
}

void CTemplateDlg::OpenLibrary() {
    library_ = gb::itemdb::CTemplateLibrary();
    if (ui_->library->count() > 0) {
        library_.OpenFile(programFolder_ / PathFromQt(ui_->library->currentText()));
    }
    FillList();
}

void CTemplateDlg::FillList() {
    rows_ = TemplateRows(library_, ui_->tabs->currentIndex());
    ui_->templates->clear();
    for (const TemplateRow& row : rows_) {
        new QTreeWidgetItem(ui_->templates, {ToQt(row.name), ToQt(row.description)});
    }
    // Wide enough for every description whole beside the names, with the
    // names' column taking a fifth of the list at least (see showEvent).
    const std::vector<int> widths = gb::widgets::ColumnContentWidths(*ui_->templates);
    gb::widgets::WidenForViewport(*ui_->templates,
                                  std::max(widths[0] + kNameGap + widths[1], widths[1] * 5 / 4));
    const int selected = RowOfTemplate(rows_, templateIndex_);
    if (selected >= 0) {
        ui_->templates->setCurrentItem(ui_->templates->topLevelItem(selected));
    }
}

void CTemplateDlg::OnSelect() {
    const int row = ui_->templates->indexOfTopLevelItem(ui_->templates->currentItem());
    if (row >= 0 && row < static_cast<int>(rows_.size())) {
        chosen_ = TemplateSelection{PathFromQt(ui_->library->currentText()).string(),
                                    rows_[static_cast<std::size_t>(row)].index};
    }
    accept();
}

}  // namespace gb::app::ui
