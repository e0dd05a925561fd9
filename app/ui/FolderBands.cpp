#include "app/ui/FolderBands.h"

#include <QtWidgets/QSizePolicy>

#include "app/core/StatusTexts.h"
#include "app/ui/AddressBand.h"
#include "app/ui/CBusyAnimation.h"
#include "app/ui/CSummaryBar.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

FolderBands::FolderBands(IFrame& frame, QWidget* parent)
    : QToolBar(QStringLiteral("Folder"), parent) {
    setObjectName(QStringLiteral("FolderBar"));
    setMovable(false);
    toggleViewAction()->setVisible(false);

    summaryBar_ = new CSummaryBar(this);
    bands_[static_cast<int>(Band::Summary)] = addWidget(summaryBar_);

    captionPanel_ = new QLabel(QStringLiteral("Processing..."), this);
    captionPanel_->setObjectName(QStringLiteral("CaptionPanel"));
    captionPanel_->setMinimumWidth(260);
    captionPanel_->setContentsMargins(12, 0, 12, 0);
    captionPanel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bands_[static_cast<int>(Band::Caption)] = addWidget(captionPanel_);

    address_ = new AddressBand(frame, this);
    bands_[static_cast<int>(Band::Address)] = addWidget(address_);

    animation_ = new CBusyAnimation(this);
    bands_[static_cast<int>(Band::Animation)] = addWidget(animation_);
}

void FolderBands::ShowBands(const ToolbarVisibility& shown) {
    bool anyBand = false;
    for (int band = 0; band < kBandCount; ++band) {
        const bool bandShown = shown.IsShown(static_cast<Band>(band));
        bands_[static_cast<std::size_t>(band)]->setVisible(bandShown);
        anyBand = anyBand || bandShown;
    }
    setVisible(anyBand);
}

bool FolderBands::IsBandShown(Band band) const {
    return isVisibleTo(parentWidget()) && bands_[static_cast<std::size_t>(band)]->isVisible();
}

void FolderBands::SetStatusText(std::string_view title, std::string_view description) {
    QString text = ToQt(CaptionPanelText(title, description));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    captionPanel_->setText(text);
}

}  // namespace gb::app::ui
