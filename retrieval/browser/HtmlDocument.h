#pragma once
// The forms of a loaded page and their fields, read with gumbo. Old pages nest
// forms inside tables, where the parser closes the form element at once; so a
// field belongs to the last form that starts before it in the source and whose
// </form> has not yet come, as in the browsers those pages were written for.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace gb::retrieval {

struct HtmlForm {
    std::string name;
    std::string id;
    std::string action;  // as written; empty means the page itself
    std::string method;  // as written
};

// One field of a page (input, select or textarea). Texts are UTF-8.
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
    std::optional<std::size_t> form;  // index into HtmlDocument::Forms()
};

// Raised for a page whose elements nest deeper than any real page does, or
// that makes the parser work or hold memory far beyond what real pages do.
class PageTooDeep : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HtmlDocument {
public:
    // Deeper than any real page nests its elements.
    static constexpr std::size_t kMaxNesting = 400;

    HtmlDocument() = default;
    // Throws PageTooDeep for a page whose tree nests deeper than kMaxNesting,
    // or one that takes the parser more than a second of CPU time or many
    // times the memory real pages take; such a page is given up at once,
    // whatever the parser has built of it.
    static HtmlDocument Parse(std::string_view utf8);

    const std::vector<HtmlForm>& Forms() const { return forms_; }
    // Every field of the page in source order.
    const std::vector<FormControl>& Controls() const { return controls_; }
    // The href of the first <base> that has one, as written.
    const std::optional<std::string>& BaseHref() const { return baseHref_; }

    // The `index`-th field whose name or id is `name`.
    FormControl* FindControl(std::string_view name, int index);
    // The `index`-th form whose name or id is `name`; any form when `name` is empty.
    std::optional<std::size_t> FindForm(std::string_view name, int index) const;

private:
    std::vector<HtmlForm> forms_;
    std::vector<FormControl> controls_;
    std::optional<std::string> baseHref_;
};

}  // namespace gb::retrieval
