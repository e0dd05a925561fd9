#pragma once
// The web address band: a label and the address box, which keeps the
// addresses entered last across starts. Enter, or an address picked from the
// list, has the web view load it.

#include <QtWidgets/QWidget>

#include <string>
#include <string_view>

#include "app/core/IFrame.h"

namespace gb::widgets {
class CHistoryCombo;
}  // namespace gb::widgets

namespace gb::app::ui {

class AddressBand final : public QWidget {
    Q_OBJECT

public:
    // The addresses load through `frame`'s commands.
    AddressBand(IFrame& frame, QWidget* parent);

    // Shows `text`; with `addToHistory` it also goes to the top of the history.
    void SetAddress(std::string_view text, bool addToHistory);
    // The box's selected entry, or its text.
    std::string GetAddress() const;
    gb::widgets::CHistoryCombo* Box() const { return addressBox_; }

private:
    // Enter in the address box: the web view loads the address, which goes
    // to the top of the history.
    void OnAddressEntered();

    IFrame& frame_;
    gb::widgets::CHistoryCombo* addressBox_ = nullptr;
};

}  // namespace gb::app::ui
