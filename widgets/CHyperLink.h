#pragma once
// A text that opens a web address when clicked: bold and underlined, with the
// hand cursor. Without a target of its own it opens its text.

#include <QtWidgets/QLabel>

#include <string>

namespace gb::widgets {

class LinkOpener;

class CHyperLink final : public QLabel {
public:
    explicit CHyperLink(LinkOpener& opener, QWidget* parent = nullptr);

    void SetTarget(std::string target) { target_ = std::move(target); }
    // Opens the target; false when there is none or it cannot be opened (the
    // opener has then told the user).
    bool Follow();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    LinkOpener& opener_;
    std::string target_;
};

}  // namespace gb::widgets
