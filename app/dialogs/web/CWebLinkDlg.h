#pragma once
// "Web Site": edits a web-site link folder's name, address and description.
// "Get Current" takes the address the web view shows; it is enabled only when
// there is one.

#include <QtWidgets/QDialog>

#include <memory>
#include <optional>
#include <string>

namespace gb::app::ui::Ui {
class CWebLinkDlg;
}

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

struct WebLink {
    std::string name;
    std::string address;
    std::string description;

    bool operator==(const WebLink&) const = default;
};

class CWebLinkDlg final : public QDialog {
    Q_OBJECT

public:
    // `currentAddress`: the address box's text while the right-hand view is
    // the web view; empty otherwise.
    CWebLinkDlg(const WebLink& link, const std::string& currentAddress, QWidget* parent = nullptr);
    ~CWebLinkDlg() override;

    WebLink Link() const;

private:
    void OnGetCurrent();

    std::unique_ptr<Ui::CWebLinkDlg> ui_;
    QString currentAddress_;
};

// Runs the dialog; the edited link after OK, nothing after Cancel.
std::optional<WebLink> EditWebLink(gb::widgets::ModalRunner& runner, QWidget* parent,
                                   const WebLink& link, const std::string& currentAddress);

}  // namespace gb::app::ui
