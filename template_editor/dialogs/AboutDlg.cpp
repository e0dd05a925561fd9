#include "template_editor/dialogs/AboutDlg.h"

#include "template_editor/core/EditorStrings.h"
#include "ui_AboutDlg.h"
#include "widgets/AboutColours.h"
#include "widgets/CHyperLink.h"
#include "widgets/MakerSite.h"
#include "widgets/QtText.h"

namespace gb::editor {

CAboutDlg::CAboutDlg(gb::widgets::LinkOpener& opener, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()) {
    ui_->setupUi(this);
    ui_->version->setText(gb::widgets::ToQt(EditorStrings().Get(string_id::Version)));
    for (QLabel* line : {ui_->version, ui_->copyright}) {
        gb::widgets::ShowOnYellow(*line);
    }

    link_ = new gb::widgets::CHyperLink(opener, this);
    link_->setObjectName(QStringLiteral("link"));
    link_->setText(QString::fromLatin1(gb::widgets::kMakerWebAddress));
    link_->SetTarget(gb::widgets::kMakerSiteUrl);
    gb::widgets::ColourAsMakerLink(*link_);
    ui_->linkRow->addWidget(link_);
    ui_->linkRow->addStretch();
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace gb::editor
