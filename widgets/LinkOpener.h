#pragma once
// Opening the web address of a link, injectable so that tests open nothing.
// An opener tells the user itself when the address cannot be opened.

#include <string>
#include <string_view>

class QWidget;

namespace gb::widgets {

class HelpOpener;
class ModalRunner;

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when the address could not be opened (the user has been told).
    virtual bool OpenLink(const std::string& address) = 0;
};

// What the user reads when a link cannot be opened.
std::string CannotOpenLinkText(std::string_view address);

// Opens links in the desktop's browser; a failure is a message box run over
// `parent`.
class DesktopLinkOpener final : public LinkOpener {
public:
    DesktopLinkOpener(HelpOpener& browser, ModalRunner& runner, QWidget* parent)
        : browser_(browser), runner_(runner), parent_(parent) {}

    bool OpenLink(const std::string& address) override;

private:
    HelpOpener& browser_;
    ModalRunner& runner_;
    QWidget* parent_;
};

}  // namespace gb::widgets
