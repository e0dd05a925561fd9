#include "setup/wizard/CPageInfo.h"

#include <QtWidgets/QHBoxLayout>

#include "setup/core/SetupStrings.h"
#include "setup/wizard/CPictureStatic.h"
#include "setup/wizard/SetupArt.h"
#include "setup/wizard/SetupQtText.h"

namespace gb::setup::ui {

CPageInfo::CPageInfo(int position, int count, QWidget* parent)
    : CWizardPage(position, count, parent) {
    SetBackground(QColor(255, 255, 0));
    auto* picture = new CPictureStatic(this);
    picture->SetPicture(PictureOf(SetupPicture::Logo));
    QLabel* text = MakeText(this);
    text->setText(ToQt(SetupText(ids::Welcome)));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture, 2);
    layout->addWidget(text, 5);
}

}  // namespace gb::setup::ui
