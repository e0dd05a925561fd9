#pragma once
// "About Template Editor": the program's name, its version and copyright on
// yellow, and a link to the maker's web site.

#include <QtWidgets/QDialog>

#include <memory>

namespace Ui {
class CAboutDlg;
}

namespace gb::widgets {
class CHyperLink;
class LinkOpener;
}  // namespace gb::widgets

namespace gb::editor {

class CAboutDlg final : public QDialog {
    Q_OBJECT

public:
    // The link opens through `opener`.
    explicit CAboutDlg(gb::widgets::LinkOpener& opener, QWidget* parent = nullptr);
    ~CAboutDlg() override;

    gb::widgets::CHyperLink& Link() const { return *link_; }

private:
    std::unique_ptr<Ui::CAboutDlg> ui_;
    gb::widgets::CHyperLink* link_;
};

}  // namespace gb::editor
