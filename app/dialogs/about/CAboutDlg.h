#pragma once
// "About Gavelbook": the program's pictures, its version and the maker, with a
// link to the maker's product page.

#include <QtWidgets/QDialog>

#include <memory>

namespace gb::app {
class MessageService;
class ShellService;
}  // namespace gb::app

namespace gb::app::ui {

namespace Ui {
class CAboutDlg;
}  // namespace Ui

class CHyperLink;

class CAboutDlg final : public QDialog {
    Q_OBJECT

public:
    // The link opens through `shell`; `messages` tells the user when it cannot.
    CAboutDlg(ShellService& shell, MessageService& messages, QWidget* parent = nullptr);
    ~CAboutDlg() override;

    CHyperLink* Link() const { return link_; }

private:
    std::unique_ptr<Ui::CAboutDlg> ui_;
    CHyperLink* link_;
};

}  // namespace gb::app::ui
