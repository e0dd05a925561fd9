#pragma once
// The summary of the folder on display: items listed, their minimum value and
// their total bids.

#include <QtWidgets/QLabel>
#include <QtWidgets/QWidget>

#include <string_view>

namespace gb::app::ui {

class CSummaryBar final : public QWidget {
public:
    explicit CSummaryBar(QWidget* parent = nullptr);

    // The three values in the order count, minimum value, total bids.
    void SetValues(std::string_view count, std::string_view minimumValue,
                   std::string_view totalBids);

    QString Count() const { return count_->text(); }
    QString MinimumValue() const { return minimumValue_->text(); }
    QString TotalBids() const { return totalBids_->text(); }

private:
    QLabel* count_;
    QLabel* minimumValue_;
    QLabel* totalBids_;
};

}  // namespace gb::app::ui
