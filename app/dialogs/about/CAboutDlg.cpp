#include "app/dialogs/about/CAboutDlg.h"

#include "app/core/UiStrings.h"
#include "app/ui/ArtLibrary.h"
#include "ui_CAboutDlg.h"
#include "widgets/AboutColours.h"
#include "widgets/CHyperLink.h"
#include "widgets/MakerSite.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

CAboutDlg::CAboutDlg(ShellService& shell, MessageService& messages, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()), opener_(shell, messages) {
    ui_->setupUi(this);
    ui_->logo->setPixmap(ArtLibrary::Logo());
    ui_->programIcon->setPixmap(ArtLibrary::ProgramIcon().pixmap(32));
    ui_->profileIcon->setPixmap(ArtLibrary::ProfileIconPixmap());

    QFont big = ui_->title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    ui_->title->setFont(big);
    ui_->version->setText(ToQt(UiText(string_id::Version)));
    for (QLabel* line : {ui_->version, ui_->copyright}) {
        gb::widgets::ShowOnYellow(*line);
    }

    link_ = new gb::widgets::CHyperLink(opener_, this);
    link_->setText(QString::fromLatin1(gb::widgets::kMakerWebAddress));
    link_->SetTarget(UiText(string_id::ProductPage));
    gb::widgets::ColourAsMakerLink(*link_);
    ui_->linkRow->addWidget(link_);
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace gb::app::ui
