#pragma once
// One page of a property sheet. The sheet builds a page when it is first
// shown, so the page's constructor is its one-time set-up and may read the
// record the sheet was given. The page reads the sheet's copy of the record
// each time it becomes active and validates and writes it back when the user
// leaves it (another tab, or OK).

#include <QtWidgets/QWidget>

#include <optional>
#include <string>

namespace gb::widgets {

class PropertyPage : public QWidget {
    Q_OBJECT

public:
    explicit PropertyPage(QWidget* parent = nullptr) : QWidget(parent) {}

    // Shows the record's values in the controls.
    virtual void Load() {}
    // Writes the controls into the record. Gives the message (Windows-1252)
    // why the page cannot be left, or nothing when it may; values stored
    // before the one that failed stay stored.
    virtual std::optional<std::string> Store() { return std::nullopt; }
};

}  // namespace gb::widgets
