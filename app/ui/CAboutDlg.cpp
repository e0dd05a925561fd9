#include "app/ui/CAboutDlg.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

#include "app/core/UiServices.h"
#include "app/core/UiStrings.h"
#include "app/ui/ArtLibrary.h"
#include "app/ui/CHyperLink.h"
#include "app/ui/QtText.h"

namespace ui {

CAboutDlg::CAboutDlg(const UiServices& services, QWidget* parent)
    : QDialog(parent), link_(new CHyperLink(services.shell, services.messages, this)) {
    setWindowTitle(QStringLiteral("About Gavelbook"));
    auto* layout = new QGridLayout(this);

    auto* logo = new QLabel(this);
    logo->setPixmap(ArtLibrary::Logo());
    layout->addWidget(logo, 0, 0, 4, 1, Qt::AlignTop);

    auto* title = new QLabel(QStringLiteral("Gavelbook"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title, 0, 1);

    auto* icons = new QHBoxLayout;
    for (const QPixmap& icon :
         {ArtLibrary::ProgramIcon().pixmap(32), ArtLibrary::ProfileIconPixmap()}) {
        auto* label = new QLabel(this);
        label->setPixmap(icon);
        icons->addWidget(label);
    }
    icons->addStretch();
    layout->addLayout(icons, 0, 2);

    layout->addWidget(new QLabel(ToQt(UiText(string_id::Version)), this), 1, 1, 1, 2);
    layout->addWidget(
        new QLabel(QStringLiteral("Copyright \u00a9 Norvel Software. All rights reserved."), this),
        2, 1, 1, 2);

    layout->addWidget(new QLabel(QStringLiteral("Upgrade to the latest version at:"), this), 3, 1,
                      1, 2);
    link_->setText(QString::fromLatin1(kMakerWebAddress));
    link_->SetTarget(UiText(string_id::ProductPage));
    QPalette green = link_->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    link_->setPalette(green);
    layout->addWidget(link_, 4, 1, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 5, 0, 1, 3);
}

}  // namespace ui
