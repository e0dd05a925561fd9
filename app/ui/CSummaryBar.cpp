#include "app/ui/CSummaryBar.h"

#include <QtWidgets/QGridLayout>
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::ToQt;

CSummaryBar::CSummaryBar(QWidget* parent)
    : QWidget(parent),
      count_(new QLabel(QStringLiteral("0"), this)),
      minimumValue_(new QLabel(QStringLiteral("$0.00"), this)),
      totalBids_(new QLabel(QStringLiteral("$0.00"), this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(0);
    const QString names[] = {QStringLiteral("Items Listed"), QStringLiteral("Minimum Value"),
                             QStringLiteral("Total Bids")};
    QLabel* values[] = {count_, minimumValue_, totalBids_};
    for (int row = 0; row < 3; ++row) {
        layout->addWidget(new QLabel(names[row], this), row, 0);
        values[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        values[row]->setMinimumWidth(values[row]->fontMetrics().horizontalAdvance("$000,000.00"));
        layout->addWidget(values[row], row, 1);
    }
}

void CSummaryBar::SetValues(std::string_view count, std::string_view minimumValue,
                            std::string_view totalBids) {
    count_->setText(ToQt(count));
    minimumValue_->setText(ToQt(minimumValue));
    totalBids_->setText(ToQt(totalBids));
}

}  // namespace gb::app::ui
