#include "retrieval/browser/ReaderAnswer.h"

#include <cstdint>
#include <limits>

#include "retrieval/browser/PageReaderLimits.h"

namespace gb::retrieval {

namespace {

namespace limits = reader_limits;

// A field's form when it has none.
constexpr std::uint32_t kNoForm = std::numeric_limits<std::uint32_t>::max();
constexpr unsigned char kChecked = 1;
constexpr unsigned char kDisabled = 2;

class Writer {
public:
    void Byte(unsigned char value) { bytes_ += static_cast<char>(value); }
    void Number(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            Byte(static_cast<unsigned char>(value >> shift));
        }
    }
    void Text(std::string_view text) {
        Number(static_cast<std::uint32_t>(text.size()));
        bytes_ += text;
    }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

// Reads the answer front to back; every read fails, once and for good, when
// what it asks for is not there.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    bool Byte(unsigned char& value) {
        if (rest_.empty()) {
            return false;
        }
        value = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        return true;
    }
    bool Number(std::uint32_t& value) {
        if (rest_.size() < 4) {
            return false;
        }
        value = 0;
        for (int i = 3; i >= 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(rest_[static_cast<std::size_t>(i)]);
        }
        rest_.remove_prefix(4);
        return true;
    }
    // A text, counted against the cap on all texts together.
    bool Text(std::string& text) {
        std::uint32_t size = 0;
        if (!Number(size) || size > rest_.size() || size > textLeft_) {
            return false;
        }
        textLeft_ -= size;
        text.assign(rest_.substr(0, size));
        rest_.remove_prefix(size);
        return true;
    }
    // A count of entries each at least `entryBytes` long, within `cap`.
    bool Count(std::uint32_t& count, std::size_t cap, std::size_t entryBytes) {
        return Number(count) && count <= cap && count <= rest_.size() / entryBytes;
    }
    bool AtEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
    std::size_t textLeft_ = limits::kMaxFieldTextBytes;
};

bool ReadForm(Reader& in, HtmlForm& form) {
    return in.Text(form.name) && in.Text(form.id) && in.Text(form.action) && in.Text(form.method);
}

bool ReadControl(Reader& in, std::size_t formCount, std::size_t& valuesLeft, FormControl& control) {
    unsigned char kind = 0;
    unsigned char flags = 0;
    std::uint32_t form = 0;
    std::uint32_t values = 0;
    if (!in.Byte(kind) || kind > static_cast<unsigned char>(FormControl::Kind::Inert) ||
        !in.Byte(flags) || (flags & ~(kChecked | kDisabled)) != 0 || !in.Number(form) ||
        (form != kNoForm && form >= formCount) || !in.Text(control.name) || !in.Text(control.id) ||
        !in.Count(values, valuesLeft, 4)) {
        return false;
    }
    valuesLeft -= values;
    control.kind = static_cast<FormControl::Kind>(kind);
    control.checked = (flags & kChecked) != 0;
    control.disabled = (flags & kDisabled) != 0;
    if (form != kNoForm) {
        control.form = form;
    }
    control.values.resize(values);
    for (std::string& value : control.values) {
        if (!in.Text(value)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ReaderAnswer::Encode(const ReaderAnswer& answer) {
    Writer out;
    out.Byte(static_cast<unsigned char>(answer.verdict));
    if (answer.verdict != ReaderVerdict::Read) {
        return out.Take();
    }
    const PageForms& page = answer.page;
    out.Number(static_cast<std::uint32_t>(page.forms.size()));
    for (const HtmlForm& form : page.forms) {
        out.Text(form.name);
        out.Text(form.id);
        out.Text(form.action);
        out.Text(form.method);
    }
    out.Number(static_cast<std::uint32_t>(page.controls.size()));
    for (const FormControl& control : page.controls) {
        out.Byte(static_cast<unsigned char>(control.kind));
        out.Byte(static_cast<unsigned char>((control.checked ? kChecked : 0) |
                                            (control.disabled ? kDisabled : 0)));
        out.Number(control.form ? static_cast<std::uint32_t>(*control.form) : kNoForm);
        out.Text(control.name);
        out.Text(control.id);
        out.Number(static_cast<std::uint32_t>(control.values.size()));
        for (const std::string& value : control.values) {
            out.Text(value);
        }
    }
    out.Byte(page.baseHref ? 1 : 0);
    if (page.baseHref) {
        out.Text(*page.baseHref);
    }
    return out.Take();
}

std::optional<ReaderAnswer> ReaderAnswer::Decode(std::string_view bytes) {
    if (bytes.size() > limits::kMaxAnswerBytes) {
        return std::nullopt;
    }
    Reader in(bytes);
    ReaderAnswer answer;
    unsigned char verdict = 0;
    if (!in.Byte(verdict) || verdict > static_cast<unsigned char>(ReaderVerdict::TooLarge)) {
        return std::nullopt;
    }
    answer.verdict = static_cast<ReaderVerdict>(verdict);
    if (answer.verdict != ReaderVerdict::Read) {
        return in.AtEnd() ? std::optional(answer) : std::nullopt;
    }

    PageForms& page = answer.page;
    std::uint32_t forms = 0;
    if (!in.Count(forms, limits::kMaxFields, 16)) {
        return std::nullopt;
    }
    page.forms.resize(forms);
    for (HtmlForm& form : page.forms) {
        if (!ReadForm(in, form)) {
            return std::nullopt;
        }
    }
    std::uint32_t controls = 0;
    if (!in.Count(controls, limits::kMaxFields, 18)) {
        return std::nullopt;
    }
    std::size_t valuesLeft = limits::kMaxFields;
    page.controls.resize(controls);
    for (FormControl& control : page.controls) {
        if (!ReadControl(in, page.forms.size(), valuesLeft, control)) {
            return std::nullopt;
        }
    }
    unsigned char hasBase = 0;
    if (!in.Byte(hasBase) || hasBase > 1) {
        return std::nullopt;
    }
    if (hasBase == 1) {
        page.baseHref.emplace();
        if (!in.Text(*page.baseHref)) {
            return std::nullopt;
        }
    }
    if (!in.AtEnd()) {
        return std::nullopt;
    }
    return answer;
}

}  // namespace gb::retrieval
