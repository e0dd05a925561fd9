#include "setup/wizard/CPageError.h"

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QVBoxLayout>

#include "setup/core/SetupStrings.h"
#include "setup/wizard/CPictureStatic.h"
#include "setup/wizard/SetupArt.h"
#include "setup/wizard/SetupQtText.h"

namespace gb::setup::ui {

CPageError::CPageError(QWidget* parent) : CWizardPage(0, 0, parent), title_(MakeTitle(this)) {
    SetBackground(Qt::white);
    auto* picture = new CPictureStatic(this);
    picture->SetPicture(PictureOf(SetupPicture::Problem));
    title_->setText(ToQt(SetupText(ids::BrowserTitle)));
    QLabel* text = MakeText(this);
    text->setText(ToQt(SetupText(ids::BrowserText)));
    auto* column = new QVBoxLayout;
    column->addWidget(title_);
    column->addWidget(text, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture, 2);
    layout->addLayout(column, 5);
}

}  // namespace gb::setup::ui
