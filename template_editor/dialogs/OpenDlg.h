#pragma once
// The Open Template dialog: picks a template of a library, or another library
// through the Select Template Library dialog, and deletes templates. The
// deletions are written only when the dialog ends with Open.

#include <QtWidgets/QDialog>

#include <filesystem>
#include <memory>

#include "template_editor/core/OpenTemplateChoice.h"

namespace Ui {
class COpenDlg;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::editor {

class COpenDlg : public QDialog {
    Q_OBJECT

public:
    COpenDlg(gb::widgets::ModalRunner& runner, std::filesystem::path library, int selected,
             QWidget* parent = nullptr);
    ~COpenDlg() override;

    // Valid after the dialog ended with Open: the library, and the template
    // picked (-1 when no row was selected).
    const std::filesystem::path& GetLibraryPath() const { return choice_.GetPath(); }
    int GetSelected() const { return choice_.GetSelected(); }

    void accept() override;

private:
    void FillList();
    void DeleteSelected();
    void ChooseLibrary();

    std::unique_ptr<Ui::COpenDlg> ui_;
    gb::widgets::ModalRunner& runner_;
    OpenTemplateChoice choice_;
};

}  // namespace gb::editor
