#pragma once
// The core's Windows-1252 texts in and out of the dialogs' controls, and the
// sheet's picked dates in and out of Qt's dates.

#include <QtCore/QDate>

#include <optional>
#include <string>

#include "app/core/sheet/PickedDate.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace gb::app::ui {

void SetText(QLineEdit& edit, const std::string& text);
void SetText(QComboBox& combo, const std::string& text);  // an editable combo's text
void SetText(QPlainTextEdit& edit, const std::string& text);
std::string Text(const QLineEdit& edit);
std::string Text(const QComboBox& combo);
std::string Text(const QPlainTextEdit& edit);

std::optional<QDate> ToQDate(const std::optional<PickedDate>& date);
std::optional<PickedDate> FromQDate(const std::optional<QDate>& date);

}  // namespace gb::app::ui
