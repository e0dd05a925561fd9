#pragma once
// What a page reader hands back of one page: its forms, their fields and the
// base address. Texts are UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace gb::retrieval {

struct HtmlForm {
    std::string name;
    std::string id;
    std::string action;  // as written; empty means the page itself
    std::string method;  // as written

    bool operator==(const HtmlForm&) const = default;
};

// One field of a page (input, select or textarea).
struct FormControl {
    enum class Kind {
        Text,      // text, password, hidden and every other typed-in input
        Checkbox,  // submitted when checked
        Radio,     // submitted when checked
        Submit,    // submitted only when it is the button that was clicked
        Select,
        TextArea,
        Inert,  // reset, button, file and image inputs: never submitted here
    };

    Kind kind = Kind::Text;
    std::string name;
    std::string id;
    // What the field submits: one value, or one per chosen option of a select.
    std::vector<std::string> values;
    bool checked = false;
    bool disabled = false;
    std::optional<std::size_t> form;  // index into PageForms::forms

    bool operator==(const FormControl&) const = default;
};

struct PageForms {
    std::vector<HtmlForm> forms;
    // Every field of the page in source order.
    std::vector<FormControl> controls;
    // The href of the first <base> that has one, as written.
    std::optional<std::string> baseHref;

    bool operator==(const PageForms&) const = default;
};

}  // namespace gb::retrieval
