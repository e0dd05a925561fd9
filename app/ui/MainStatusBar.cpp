#include "app/ui/MainStatusBar.h"

#include <QtWidgets/QSizePolicy>

#include "app/core/CLotkeeperApp.h"
#include "app/core/StatusTexts.h"
#include "app/core/UiStrings.h"
#include "itemdb/LotkeeperStrings.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/PathText.h"
#include "widgets/LockKeyPanes.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

MainStatusBar::MainStatusBar(CLotkeeperApp& app, QWidget* parent) : QStatusBar(parent), app_(app) {
    // As the main window's own status bar: its panes decide nothing of the
    // window's width.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    messagePane_ = new QLabel(this);
    addWidget(messagePane_, 1);
    templatePane_ = new QLabel(this);
    templatePane_->setMinimumWidth(templatePane_->fontMetrics().horizontalAdvance(
                                       QStringLiteral("Current Template: None - 0000000000")) *
                                   3 / 2);
    addPermanentWidget(templatePane_);
    new gb::widgets::LockKeyPanes(*this);
    SetMessageText(UiText(string_id::IdleText));
    SetTemplateName({});
}

void MainStatusBar::SetMessageText(std::string_view text) {
    // A menu or button hint still showing would hide the text until the
    // mouse moves on.
    clearMessage();
    messagePane_->setText(ToQt(text));
}

QString MainStatusBar::MessageText() const {
    const QString hint = currentMessage();
    return hint.isEmpty() ? messagePane_->text() : hint;
}

void MainStatusBar::SetTemplateName(std::string_view name) {
    templateName_ = name;
    UpdateTemplatePane();
}

void MainStatusBar::UpdateTemplatePane() {
    std::string name = templateName_;
    if (name.empty()) {
        const gb::itemdb::CTDocText* current =
            app_.GetTemplateLibrary().GetTemplate(app_.GetCurrentTemplateIndex());
        name = current != nullptr ? current->GetName() : UiText(string_id::Unknown);
    }
    templatePane_->setText(
        ToQt(gb::app::TemplatePaneText(name, gb::paths::ShownText(app_.GetTemplateLibraryName()))));
}

QString MainStatusBar::TemplatePaneText() const {
    return templatePane_->text();
}

}  // namespace gb::app::ui
