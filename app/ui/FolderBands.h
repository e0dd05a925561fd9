#pragma once
// The bar under the toolbar: the bands of the folder on display (its summary,
// its caption, the web address and the busy animation). Which bands show
// follows the kind of the folder; the bar hides while none does.

#include <QtWidgets/QLabel>
#include <QtWidgets/QToolBar>

#include <array>
#include <string_view>

#include "app/core/IFrame.h"
#include "app/core/ToolbarLayout.h"

namespace gb::app::ui {

class AddressBand;
class CBusyAnimation;
class CSummaryBar;

class FolderBands final : public QToolBar {
    Q_OBJECT

public:
    // The address band loads its addresses through `frame`'s commands.
    FolderBands(IFrame& frame, QWidget* parent);

    // Shows the bands `shown` names and hides the others.
    void ShowBands(const ToolbarVisibility& shown);
    bool IsBandShown(Band band) const;

    // The caption panel: the folder's title, an empty line, its description.
    void SetStatusText(std::string_view title, std::string_view description);
    void SetCaptionText(const QString& text) { captionPanel_->setText(text); }
    QString CaptionText() const { return captionPanel_->text(); }

    CSummaryBar* Summary() const { return summaryBar_; }
    AddressBand* Address() const { return address_; }
    CBusyAnimation* Animation() const { return animation_; }

private:
    std::array<QAction*, kBandCount> bands_{};
    CSummaryBar* summaryBar_ = nullptr;
    QLabel* captionPanel_ = nullptr;
    AddressBand* address_ = nullptr;
    CBusyAnimation* animation_ = nullptr;
};

}  // namespace gb::app::ui
