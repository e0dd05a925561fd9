#include "app/ui/web/CPageEndedPanel.h"

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace gb::app::ui {

namespace {

constexpr const char* kMessage =
    "This page can no longer be shown: the process that drew it has ended, perhaps because "
    "the page needed more memory than there was. Press Reload to show it again.";

}  // namespace

CPageEndedPanel::CPageEndedPanel(QWidget* parent)
    : QFrame(parent), reload_(new QPushButton(QStringLiteral("&Reload"), this)) {
    setObjectName(QStringLiteral("PageEndedPanel"));
    setAutoFillBackground(true);
    auto* message = new QLabel(QString::fromLatin1(kMessage), this);
    message->setObjectName(QStringLiteral("PageEndedMessage"));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    message->setFixedWidth(420);
    // Between stretches rather than aligned, so that the wrapped lines get
    // the height they need.
    auto* messageRow = new QHBoxLayout;
    messageRow->addStretch();
    messageRow->addWidget(message);
    messageRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(messageRow);
    layout->addSpacing(12);
    layout->addWidget(reload_, 0, Qt::AlignHCenter);
    layout->addStretch();
    connect(reload_, &QPushButton::clicked, this, &CPageEndedPanel::ReloadRequested);
}

QString CPageEndedPanel::Message() const {
    return QString::fromLatin1(kMessage);
}

}  // namespace gb::app::ui
