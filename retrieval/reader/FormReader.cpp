#include "retrieval/reader/FormReader.h"

#include <gumbo.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "platform/Cp1252.h"
#include "retrieval/browser/PageReaderLimits.h"

namespace gb::retrieval {

namespace {

namespace cp = gb::cp1252;
namespace limits = reader_limits;

// The page goes over a cap on its fields or their texts.
struct OverCap {};

// A stretch of the source: [begin, end).
struct Span {
    std::size_t begin;
    std::size_t end;
};

// A node met while walking the tree, with where its start tag stands.
template <typename T>
struct Placed {
    std::size_t offset;
    T item;
};

struct OutputDeleter {
    void operator()(GumboOutput* output) const {
        gumbo_destroy_output(&kGumboDefaultOptions, output);
    }
};

// Counts the fields, values and texts taken against their caps.
class Budget {
public:
    void Field() { Take(fields_, 1, limits::kMaxFields); }
    void Value() { Take(values_, 1, limits::kMaxFields); }
    std::string Text(std::string text) {
        Take(textBytes_, text.size(), limits::kMaxFieldTextBytes);
        return text;
    }

private:
    static void Take(std::size_t& used, std::size_t amount, std::size_t cap) {
        if (amount > cap - used) {
            throw OverCap{};
        }
        used += amount;
    }

    std::size_t fields_ = 0;
    std::size_t values_ = 0;
    std::size_t textBytes_ = 0;
};

bool IsHtml(const GumboNode& node, GumboTag tag) {
    return node.type == GUMBO_NODE_ELEMENT && node.v.element.tag == tag &&
           node.v.element.tag_namespace == GUMBO_NAMESPACE_HTML;
}

bool IsField(const GumboNode& node) {
    return IsHtml(node, GUMBO_TAG_INPUT) || IsHtml(node, GUMBO_TAG_SELECT) ||
           IsHtml(node, GUMBO_TAG_TEXTAREA);
}

std::string Attribute(const GumboElement& element, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
    return attribute != nullptr ? attribute->value : std::string();
}

bool HasAttribute(const GumboElement& element, const char* name) {
    return gumbo_get_attribute(&element.attributes, name) != nullptr;
}

// The children of a node that can have any.
const GumboVector* ChildrenOf(const GumboNode& node) {
    switch (node.type) {
        case GUMBO_NODE_DOCUMENT:
            return &node.v.document.children;
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            return &node.v.element.children;
        default:
            return nullptr;
    }
}

// Calls `visit` for every node below `root` in tree order, without recursion:
// a hostile page may nest deeper than the stack allows. Below a node for
// which `enter` says no, nothing is visited.
template <typename Visit, typename Enter>
void Walk(const GumboNode* root, Visit visit, Enter enter) {
    std::vector<const GumboNode*> pending{root};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        visit(*node);
        if (node != root && !enter(*node)) {
            continue;
        }
        if (const GumboVector* children = ChildrenOf(*node)) {
            for (unsigned i = children->length; i > 0; --i) {
                pending.push_back(static_cast<const GumboNode*>(children->data[i - 1]));
            }
        }
    }
}

// Whether any node below `root` lies more than `limit` levels below it.
bool NestsDeeperThan(const GumboNode& root, std::size_t limit) {
    std::vector<std::pair<const GumboNode*, std::size_t>> pending{{&root, 0}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        if (depth > limit) {
            return true;
        }
        if (const GumboVector* children = ChildrenOf(*node)) {
            for (unsigned i = 0; i < children->length; ++i) {
                pending.emplace_back(static_cast<const GumboNode*>(children->data[i]), depth + 1);
            }
        }
    }
    return false;
}

bool IsText(const GumboNode& node) {
    return node.type == GUMBO_NODE_TEXT || node.type == GUMBO_NODE_WHITESPACE ||
           node.type == GUMBO_NODE_CDATA;
}

// The text inside an element, up to the next field or option below it: that
// one's text is its own. So each text node is taken once.
std::string InnerText(const GumboNode* element) {
    std::string text;
    Walk(
        element,
        [&](const GumboNode& node) {
            if (IsText(node)) {
                text += node.v.text.text;
            }
        },
        [](const GumboNode& node) { return !IsField(node) && !IsHtml(node, GUMBO_TAG_OPTION); });
    return text;
}

// The text inside an element with runs of blanks collapsed and the ends trimmed.
std::string CollapsedText(const GumboNode* element) {
    const std::string raw = InnerText(element);
    std::string collapsed;
    bool blank = false;
    for (char c : raw) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            blank = !collapsed.empty();
        } else {
            if (blank) {
                collapsed += ' ';
            }
            collapsed += c;
            blank = false;
        }
    }
    return collapsed;
}

FormControl::Kind InputKind(std::string_view type) {
    const std::string lower = cp::ToLower(type);
    if (lower == "checkbox") {
        return FormControl::Kind::Checkbox;
    }
    if (lower == "radio") {
        return FormControl::Kind::Radio;
    }
    if (lower == "submit") {
        return FormControl::Kind::Submit;
    }
    if (lower == "reset" || lower == "button" || lower == "file" || lower == "image") {
        return FormControl::Kind::Inert;
    }
    return FormControl::Kind::Text;
}

// The values a select submits: its chosen options, or the first usable option
// of a single-choice list when none is chosen. Options of a field nested
// inside it are that field's.
std::vector<std::string> SelectValues(const GumboNode* select, Budget& budget) {
    std::vector<std::string> chosen;
    std::optional<std::string> firstUsable;
    Walk(
        select,
        [&](const GumboNode& node) {
            if (!IsHtml(node, GUMBO_TAG_OPTION)) {
                return;
            }
            const GumboElement& option = node.v.element;
            if (HasAttribute(option, "disabled")) {
                return;
            }
            std::string value =
                HasAttribute(option, "value") ? Attribute(option, "value") : CollapsedText(&node);
            if (HasAttribute(option, "selected")) {
                budget.Value();
                chosen.push_back(budget.Text(std::move(value)));
            } else if (!firstUsable) {
                firstUsable = std::move(value);
            }
        },
        [](const GumboNode& node) { return !IsField(node); });
    if (chosen.empty() && firstUsable && !HasAttribute(select->v.element, "multiple")) {
        budget.Value();
        chosen.push_back(budget.Text(*firstUsable));
    }
    return chosen;
}

FormControl MakeControl(const GumboNode& node, Budget& budget) {
    budget.Field();
    const GumboElement& element = node.v.element;
    FormControl control;
    control.name = budget.Text(Attribute(element, "name"));
    control.id = budget.Text(Attribute(element, "id"));
    control.disabled = HasAttribute(element, "disabled");
    switch (element.tag) {
        case GUMBO_TAG_SELECT:
            control.kind = FormControl::Kind::Select;
            control.values = SelectValues(&node, budget);
            break;
        case GUMBO_TAG_TEXTAREA:
            control.kind = FormControl::Kind::TextArea;
            budget.Value();
            control.values = {budget.Text(InnerText(&node))};
            break;
        default: {
            control.kind = InputKind(Attribute(element, "type"));
            const bool checkable = control.kind == FormControl::Kind::Checkbox ||
                                   control.kind == FormControl::Kind::Radio;
            control.checked = checkable && HasAttribute(element, "checked");
            budget.Value();
            control.values = {budget.Text(checkable && !HasAttribute(element, "value")
                                              ? std::string("on")
                                              : Attribute(element, "value"))};
            break;
        }
    }
    return control;
}

HtmlForm MakeForm(const GumboElement& element, Budget& budget) {
    budget.Field();
    return {budget.Text(Attribute(element, "name")), budget.Text(Attribute(element, "id")),
            budget.Text(Attribute(element, "action")), budget.Text(Attribute(element, "method"))};
}

bool IsSourceText(const GumboNode& node) {
    return IsText(node) || node.type == GUMBO_NODE_COMMENT;
}

// Where each "</form" end tag stands in the source. Start tags and text are
// covered by the nodes' own source pieces; what lies between them is end tags,
// including those the parser ignored (a form it had closed inside a table).
std::vector<std::size_t> FormEndTags(std::string_view source, std::vector<Span> covered) {
    std::sort(covered.begin(), covered.end(),
              [](const Span& a, const Span& b) { return a.begin < b.begin; });
    std::vector<std::size_t> ends;
    std::size_t gapStart = 0;
    auto scanGap = [&](std::size_t gapEnd) {
        const std::string_view gap = source.substr(gapStart, gapEnd - gapStart);
        for (std::size_t at = cp::FindNoCase(gap, "</form"); at != std::string_view::npos;
             at = cp::FindNoCase(gap, "</form", at + 6)) {
            const std::size_t next = at + 6;
            const char following = next < gap.size() ? gap[next] : '>';
            if (following == '>' || following == '/' || following == ' ' || following == '\t' ||
                following == '\n' || following == '\r' || following == '\f') {
                ends.push_back(gapStart + at);
            }
        }
    };
    for (const Span& span : covered) {
        if (span.begin > gapStart) {
            scanGap(span.begin);
        }
        gapStart = std::max(gapStart, span.end);
    }
    if (gapStart < source.size()) {
        scanGap(source.size());
    }
    return ends;
}

// gumbo uses what it is given unchecked: when the address space limit is
// reached, the reading process ends, saying so.
void* AllocateOrEnd(void*, std::size_t size) {
    void* block = std::malloc(size);
    if (block == nullptr) {
        std::_Exit(limits::kExitOutOfMemory);
    }
    return block;
}

PageForms ReadForms(std::string_view utf8, const GumboNode& root) {
    Budget budget;
    PageForms page;

    // The stretch of the source a piece of the tree was read from; nothing for
    // a piece the parser made up.
    const auto begin = reinterpret_cast<std::uintptr_t>(utf8.data());
    const auto spanOf = [&](const GumboStringPiece& piece) -> std::optional<Span> {
        const auto at = reinterpret_cast<std::uintptr_t>(piece.data);
        if (piece.length == 0 || piece.length > utf8.size() || at < begin ||
            at - begin > utf8.size() - piece.length) {
            return std::nullopt;
        }
        return Span{at - begin, at - begin + piece.length};
    };
    std::vector<Span> covered;
    std::vector<Placed<HtmlForm>> forms;
    std::vector<Placed<FormControl>> controls;

    Walk(
        &root,
        [&](const GumboNode& node) {
            if (IsSourceText(node)) {
                if (const auto span = spanOf(node.v.text.original_text)) {
                    covered.push_back(*span);
                }
                return;
            }
            if (node.type != GUMBO_NODE_ELEMENT) {
                return;
            }
            const GumboElement& element = node.v.element;
            if (const auto span = spanOf(element.original_tag)) {
                covered.push_back(*span);
            }
            if (element.tag_namespace != GUMBO_NAMESPACE_HTML) {
                return;
            }
            const std::size_t offset = element.start_pos.offset;
            switch (element.tag) {
                case GUMBO_TAG_FORM:
                    forms.push_back({offset, MakeForm(element, budget)});
                    break;
                case GUMBO_TAG_INPUT:
                case GUMBO_TAG_SELECT:
                case GUMBO_TAG_TEXTAREA:
                    controls.push_back({offset, MakeControl(node, budget)});
                    break;
                case GUMBO_TAG_BASE:
                    if (!page.baseHref && HasAttribute(element, "href")) {
                        page.baseHref = budget.Text(Attribute(element, "href"));
                    }
                    break;
                default:
                    break;
            }
        },
        [](const GumboNode&) { return true; });

    // Tree order and source order differ where the parser moved misplaced
    // content out of a table; the source order is what counts.
    const auto bySource = [](const auto& a, const auto& b) { return a.offset < b.offset; };
    std::stable_sort(forms.begin(), forms.end(), bySource);
    std::stable_sort(controls.begin(), controls.end(), bySource);

    const std::vector<std::size_t> endTags = FormEndTags(utf8, std::move(covered));
    std::vector<std::size_t> formEnds;
    for (auto& form : forms) {
        const auto end = std::upper_bound(endTags.begin(), endTags.end(), form.offset);
        formEnds.push_back(end != endTags.end() ? *end : utf8.size());
        page.forms.push_back(std::move(form.item));
    }

    std::size_t form = 0;
    for (auto& control : controls) {
        while (form < forms.size() && forms[form].offset < control.offset) {
            ++form;
        }
        // `form` is now the number of forms that start before the field.
        if (form > 0 && control.offset < formEnds[form - 1]) {
            control.item.form = form - 1;
        }
        page.controls.push_back(std::move(control.item));
    }
    return page;
}

}  // namespace

ReaderAnswer FormReader::Read(std::string_view utf8) {
    if (utf8.size() > limits::kMaxPageBytes) {
        return {ReaderVerdict::TooLarge, {}};
    }
    GumboOptions options = kGumboDefaultOptions;
    options.allocator = AllocateOrEnd;
    // Each parse error recorded copies the open elements: on a deep page that
    // is most of the work, and nothing here reads the errors.
    options.max_errors = 0;
    std::unique_ptr<GumboOutput, OutputDeleter> output(
        gumbo_parse_with_options(&options, utf8.data(), utf8.size()));
    if (NestsDeeperThan(*output->document, limits::kMaxNesting)) {
        // gumbo frees a tree recursively, which a tree this deep may take
        // beyond the stack; it is left to the end of the reading process.
        output.release();
        return {ReaderVerdict::TooDeep, {}};
    }
    try {
        return {ReaderVerdict::Read, ReadForms(utf8, *output->document)};
    } catch (const OverCap&) {
        return {ReaderVerdict::TooLarge, {}};
    }
}

}  // namespace gb::retrieval
