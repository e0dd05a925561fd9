#pragma once
// An editable combo box that remembers the texts entered into it, newest
// first. With a section set, the history is kept in the current user's
// settings below the program's key as "String0", "String1", ...; without one
// it remembers only what is entered while it exists.

#include <QtWidgets/QComboBox>

#include <string>

namespace gb::widgets {

class CHistoryCombo final : public QComboBox {
    Q_OBJECT

public:
    static constexpr int kDefaultMaximum = 5;

    explicit CHistoryCombo(QWidget* parent = nullptr);

    // Keeps the history in `section`, at most `maximum` entries, and loads it.
    void SetSection(const std::string& section, int maximum);
    const std::string& Section() const { return section_; }
    int Maximum() const { return maximum_; }

    // Replaces the list with the stored history, up to the first empty value.
    void LoadStrings();
    // Stores the first `maximum` entries; false when the settings cannot be
    // written.
    bool SaveStrings() const;

    // The selected entry, or the text typed when none is selected.
    QString GetCurrentText() const;
    // Shows `text`. With `addToHistory` a non-empty text also moves to the top
    // of the list: an equal entry leaves the list, or else the oldest entries
    // leave it until there is room.
    void AddText(const QString& text, bool addToHistory);

protected:
    // The text is remembered when the box loses the focus.
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::string SectionKey() const;

    std::string section_ = "Combos";
    int maximum_ = kDefaultMaximum;
};

}  // namespace gb::widgets
