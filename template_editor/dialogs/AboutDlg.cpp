#include "template_editor/dialogs/AboutDlg.h"

#include "template_editor/core/EditorStrings.h"
#include "ui_AboutDlg.h"
#include "widgets/CHyperLink.h"
#include "widgets/MakerSite.h"
#include "widgets/QtText.h"

namespace gb::editor {

namespace {

const QColor kLineBackground(255, 255, 0);
const QColor kLinkColour(0, 128, 0);

void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

}  // namespace

CAboutDlg::CAboutDlg(gb::widgets::LinkOpener& opener, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()) {
    ui_->setupUi(this);
    ui_->version->setText(gb::widgets::ToQt(EditorStrings().Get(string_id::Version)));
    for (QLabel* line : {ui_->version, ui_->copyright}) {
        line->setAutoFillBackground(true);
        SetColour(*line, QPalette::Window, kLineBackground);
    }

    link_ = new gb::widgets::CHyperLink(opener, this);
    link_->setObjectName(QStringLiteral("link"));
    link_->setText(QString::fromLatin1(gb::widgets::kMakerWebAddress));
    link_->SetTarget(gb::widgets::kMakerSiteUrl);
    SetColour(*link_, QPalette::WindowText, kLinkColour);
    ui_->linkRow->addWidget(link_);
    ui_->linkRow->addStretch();
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace gb::editor
