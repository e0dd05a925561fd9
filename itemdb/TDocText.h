#pragma once
// One report or e-mail template: a name, a description, a kind, an e-mail
// subject and three HTML pages: the header, the part repeated for every item
// and the footer. Field tokens in square brackets are filled in when the
// template is rendered.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Archive.h"

namespace gb::itemdb {

class CTDocText {
public:
    enum Kind : std::int32_t {
        Report = 0,
        Email = 1,  // also offered for copying to the clipboard
    };

    // What a new template holds: the main program fills in placeholders, the
    // template editor hints for the user and empty pages.
    enum class Defaults { Program, Editor };

    explicit CTDocText(Defaults defaults = Defaults::Program) { SetDefaults(defaults); }

    void SetDefaults(Defaults defaults = Defaults::Program);

    const std::string& GetName() const { return name_; }
    const std::string& GetDescription() const { return description_; }
    std::int32_t GetKind() const { return kind_; }
    const std::string& GetSubject() const { return subject_; }
    const std::string& GetHeader() const { return header_; }
    const std::string& GetRepeat() const { return repeat_; }
    const std::string& GetFooter() const { return footer_; }

    void SetName(std::string_view name) { name_ = name; }
    void SetDescription(std::string_view description) { description_ = description; }
    void SetKind(std::int32_t kind) { kind_ = kind; }
    void SetSubject(std::string_view subject) { subject_ = subject; }
    void SetHeader(std::string_view html) { header_ = html; }
    void SetRepeat(std::string_view html) { repeat_ = html; }
    void SetFooter(std::string_view html) { footer_ = html; }

    // All six texts equal byte for byte, and the same kind.
    bool IsEqual(const CTDocText& other) const;

    // The record: name, description, kind, subject, header, repeat, footer. A
    // record read in part leaves this template unchanged.
    void Serialize(gb::Archive& ar);

private:
    std::string name_;
    std::string description_;
    std::int32_t kind_ = Email;
    std::string subject_;
    std::string header_;
    std::string repeat_;
    std::string footer_;
};

}  // namespace gb::itemdb
