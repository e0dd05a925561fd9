#pragma once
// The Select Template Library dialog: lists the libraries of the current
// library's folder and gives the one chosen, creating a new empty library when
// that is allowed and the name is new.

#include <QtWidgets/QDialog>

#include <filesystem>
#include <memory>

#include "template_editor/core/LibraryChoice.h"

namespace Ui {
class CLibraryDlg;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::editor {

class CLibraryDlg : public QDialog {
    Q_OBJECT

public:
    CLibraryDlg(gb::widgets::ModalRunner& runner, const std::filesystem::path& library,
                bool allowNew, QWidget* parent = nullptr);
    ~CLibraryDlg() override;

    // The library chosen; valid after the dialog ended with Select.
    const std::filesystem::path& GetLibraryPath() const { return path_; }

    void accept() override;

private:
    // Creates the library `name` after asking; false when it was not created.
    bool CreateLibrary(const std::string& name);

    std::unique_ptr<Ui::CLibraryDlg> ui_;
    gb::widgets::ModalRunner& runner_;
    LibraryChoice choice_;
    bool allowNew_;
    std::filesystem::path path_;
};

}  // namespace gb::editor
