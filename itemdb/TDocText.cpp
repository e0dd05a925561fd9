#include "itemdb/TDocText.h"

#include <tuple>
#include <utility>

namespace gb::itemdb {

void CTDocText::SetDefaults(Defaults defaults) {
    kind_ = Email;
    if (defaults == Defaults::Program) {
        name_ = description_ = subject_ = "New";
        header_ = repeat_ = footer_ = "Blank";
        return;
    }
    name_ = "New Template";
    description_ = "The purpose of this template is ...";
    subject_ = "Enter your email subject line. It can contain fields - [Description]";
    header_.clear();
    repeat_.clear();
    footer_.clear();
}

bool CTDocText::IsEqual(const CTDocText& other) const {
    const auto fields = [](const CTDocText& t) {
        return std::tie(t.name_, t.description_, t.kind_, t.subject_, t.header_, t.repeat_,
                        t.footer_);
    };
    return fields(*this) == fields(other);
}

void CTDocText::Serialize(gb::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(name_);
        ar.WriteString(description_);
        ar.WriteInt32(kind_);
        ar.WriteString(subject_);
        ar.WriteString(header_);
        ar.WriteString(repeat_);
        ar.WriteString(footer_);
        return;
    }
    CTDocText read;
    read.name_ = ar.ReadString();
    read.description_ = ar.ReadString();
    read.kind_ = ar.ReadInt32();
    read.subject_ = ar.ReadString();
    read.header_ = ar.ReadString();
    read.repeat_ = ar.ReadString();
    read.footer_ = ar.ReadString();
    *this = std::move(read);
}

}  // namespace gb::itemdb
