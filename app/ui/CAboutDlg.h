#pragma once
// "About Gavelbook": the program's pictures, its version and the maker, with a
// link to the maker's product page.

#include <QtWidgets/QDialog>

namespace ui {

class CHyperLink;
struct UiServices;

class CAboutDlg final : public QDialog {
public:
    CAboutDlg(const UiServices& services, QWidget* parent = nullptr);

    CHyperLink* Link() const { return link_; }

private:
    CHyperLink* link_;
};

}  // namespace ui
