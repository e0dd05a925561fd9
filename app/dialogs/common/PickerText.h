#pragma once
// A date picker's day as the text the item's date setters read.

#include <string>

class QDateEdit;

namespace gb::app::ui {

std::string DateOf(const QDateEdit& picker);

}  // namespace gb::app::ui
