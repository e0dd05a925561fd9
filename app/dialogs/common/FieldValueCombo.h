#pragma once
// An editable combo box whose list is the drop-down value list of one item
// field, read again each time the list drops down; the text typed stays.

#include <QtWidgets/QComboBox>

#include <functional>
#include <string>
#include <vector>

namespace gb::app::ui {

class FieldValueCombo final : public QComboBox {
    Q_OBJECT

public:
    using ValueSource = std::function<std::vector<std::string>()>;

    explicit FieldValueCombo(QWidget* parent = nullptr);

    // Where the list comes from; without a source the list stays empty.
    void SetValueSource(ValueSource source) { source_ = std::move(source); }
    // Reads the list again, keeping the text shown.
    void Refill();

    void showPopup() override;

private:
    ValueSource source_;
};

}  // namespace gb::app::ui
