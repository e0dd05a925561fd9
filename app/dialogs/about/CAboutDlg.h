#pragma once
// "About Gavelbook": the program's pictures, its version and the maker, with a
// link to the maker's product page.

#include <QtWidgets/QDialog>

#include <memory>

#include "app/ui/ShellLinkOpener.h"

namespace gb::widgets {
class CHyperLink;
}

namespace gb::app::ui {

namespace Ui {
class CAboutDlg;
}  // namespace Ui

class CAboutDlg final : public QDialog {
    Q_OBJECT

public:
    // The link opens through `shell`; `messages` tells the user when it cannot.
    CAboutDlg(ShellService& shell, MessageService& messages, QWidget* parent = nullptr);
    ~CAboutDlg() override;

    gb::widgets::CHyperLink* Link() const { return link_; }

private:
    std::unique_ptr<Ui::CAboutDlg> ui_;
    ShellLinkOpener opener_;
    gb::widgets::CHyperLink* link_;
};

}  // namespace gb::app::ui
