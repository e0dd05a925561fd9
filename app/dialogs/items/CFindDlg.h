#pragma once
// "Item Search", modeless: a field, a text it must contain and the scope
// (the folder on display or all folders). Find hands each search to the
// caller and the dialog stays open; Cancel closes and deletes it.

#include <QtWidgets/QDialog>

#include <functional>
#include <memory>
#include <string>

#include "app/core/items/ItemSearch.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

namespace Ui {
class CFindDlg;
}  // namespace Ui

struct SearchRequest {
    SearchScope scope = SearchScope::CurrentFolder;
    int fieldId = 0;
    std::string text;  // without blanks on either side, never empty
};

class CFindDlg final : public QDialog {
    Q_OBJECT

public:
    using Search = std::function<void(const SearchRequest&)>;

    CFindDlg(Search search, gb::widgets::ModalRunner& runner, QWidget* parent = nullptr);
    ~CFindDlg() override;

    // Find or Find Next: an empty text is refused with a message.
    void OnFind();

    QComboBox* FieldBox() const;
    QLineEdit* TextEdit() const;
    QRadioButton* CurrentFolderButton() const;
    QRadioButton* AllFoldersButton() const;
    QPushButton* FindButton() const;

private:
    std::unique_ptr<Ui::CFindDlg> ui_;
    Search search_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
