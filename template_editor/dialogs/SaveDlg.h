#pragma once
// The Save Template As dialog: the library (chosen through the Select Template
// Library dialog, which may create one), the name and description, and the
// template to replace, with the rename and replace questions.

#include <QtWidgets/QDialog>

#include <filesystem>
#include <memory>

#include "template_editor/core/SaveTemplateChoice.h"

namespace Ui {
class CSaveDlg;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::editor {

class CSaveDlg : public QDialog {
    Q_OBJECT

public:
    // `index`: the template being saved in `library`; -1 for a new one.
    CSaveDlg(gb::widgets::ModalRunner& runner, std::filesystem::path library, int index,
             QWidget* parent = nullptr);
    ~CSaveDlg() override;

    // Valid after the dialog ended with Save.
    SaveAsChoice GetChoice() const { return choice_.Result(); }

    void accept() override;

private:
    void FillList();
    void ShowSelectedRow();
    void ChooseLibrary();

    std::unique_ptr<Ui::CSaveDlg> ui_;
    gb::widgets::ModalRunner& runner_;
    SaveTemplateChoice choice_;
};

}  // namespace gb::editor
