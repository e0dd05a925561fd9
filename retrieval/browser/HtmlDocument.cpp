#include "retrieval/browser/HtmlDocument.h"

#include <gumbo.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

#include "platform/Cp1252.h"
#include "retrieval/browser/BoundedParse.h"

namespace gb::retrieval {

namespace {

namespace cp = gb::cp1252;

// What the parser may take for one page: well over what the densest markup
// needs (real pages some 25 bytes per byte of the page, block headers
// included; a page of nothing but tags up to 100), up to a ceiling; and more
// than ten times the CPU time of the largest real page.
constexpr std::size_t kParseMemoryBase = 16 * 1024 * 1024;
constexpr std::size_t kParseMemoryPerPageByte = 128;
constexpr std::size_t kParseMemoryCeiling = 256 * 1024 * 1024;
constexpr std::chrono::seconds kParseCpuTime{1};

PageTooDeep TooDeep(std::size_t limit) {
    return PageTooDeep("The page nests its elements deeper than any real page (more than " +
                       std::to_string(limit) + " deep, or reopened without end); it was not read");
}

BoundedParse::Limits ParseLimits(std::size_t pageSize) {
    return {std::min(kParseMemoryCeiling,
                     kParseMemoryBase +
                         kParseMemoryPerPageByte * std::min(pageSize, kParseMemoryCeiling)),
            kParseCpuTime};
}

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
// a hostile page may nest deeper than the stack allows.
template <typename Visit>
void Walk(const GumboNode* root, Visit visit) {
    std::vector<const GumboNode*> pending{root};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        visit(*node);
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

// The text inside an element.
std::string InnerText(const GumboNode* element) {
    std::string text;
    Walk(element, [&](const GumboNode& node) {
        if (node.type == GUMBO_NODE_TEXT || node.type == GUMBO_NODE_WHITESPACE ||
            node.type == GUMBO_NODE_CDATA) {
            text += node.v.text.text;
        }
    });
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
// of a single-choice list when none is chosen.
std::vector<std::string> SelectValues(const GumboNode* select) {
    std::vector<std::string> chosen;
    std::optional<std::string> firstUsable;
    Walk(select, [&](const GumboNode& node) {
        if (node.type != GUMBO_NODE_ELEMENT || node.v.element.tag != GUMBO_TAG_OPTION) {
            return;
        }
        const GumboElement& option = node.v.element;
        if (HasAttribute(option, "disabled")) {
            return;
        }
        std::string value =
            HasAttribute(option, "value") ? Attribute(option, "value") : CollapsedText(&node);
        if (HasAttribute(option, "selected")) {
            chosen.push_back(value);
        } else if (!firstUsable) {
            firstUsable = std::move(value);
        }
    });
    if (chosen.empty() && firstUsable && !HasAttribute(select->v.element, "multiple")) {
        chosen.push_back(*firstUsable);
    }
    return chosen;
}

FormControl MakeControl(const GumboNode& node) {
    const GumboElement& element = node.v.element;
    FormControl control;
    control.name = Attribute(element, "name");
    control.id = Attribute(element, "id");
    control.disabled = HasAttribute(element, "disabled");
    switch (element.tag) {
        case GUMBO_TAG_SELECT:
            control.kind = FormControl::Kind::Select;
            control.values = SelectValues(&node);
            break;
        case GUMBO_TAG_TEXTAREA:
            control.kind = FormControl::Kind::TextArea;
            control.values = {InnerText(&node)};
            break;
        default: {
            control.kind = InputKind(Attribute(element, "type"));
            const bool checkable = control.kind == FormControl::Kind::Checkbox ||
                                   control.kind == FormControl::Kind::Radio;
            control.checked = checkable && HasAttribute(element, "checked");
            control.values = {checkable && !HasAttribute(element, "value")
                                  ? std::string("on")
                                  : Attribute(element, "value")};
            break;
        }
    }
    return control;
}

bool IsTextNode(const GumboNode& node) {
    return node.type == GUMBO_NODE_TEXT || node.type == GUMBO_NODE_WHITESPACE ||
           node.type == GUMBO_NODE_CDATA || node.type == GUMBO_NODE_COMMENT;
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

}  // namespace

HtmlDocument HtmlDocument::Parse(std::string_view utf8) {
    std::optional<BoundedParse> parse;
    try {
        parse.emplace(utf8, ParseLimits(utf8.size()));
    } catch (const ParseLimitReached&) {
        throw TooDeep(kMaxNesting);
    }
    if (NestsDeeperThan(parse->Document(), kMaxNesting)) {
        throw TooDeep(kMaxNesting);
    }
    HtmlDocument document;

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

    Walk(&parse->Document(), [&](const GumboNode& node) {
        if (IsTextNode(node)) {
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
        const std::size_t offset = element.start_pos.offset;
        switch (element.tag) {
            case GUMBO_TAG_FORM:
                forms.push_back({offset,
                                 {Attribute(element, "name"), Attribute(element, "id"),
                                  Attribute(element, "action"), Attribute(element, "method")}});
                break;
            case GUMBO_TAG_INPUT:
            case GUMBO_TAG_SELECT:
            case GUMBO_TAG_TEXTAREA:
                controls.push_back({offset, MakeControl(node)});
                break;
            case GUMBO_TAG_BASE:
                if (!document.baseHref_ && HasAttribute(element, "href")) {
                    document.baseHref_ = Attribute(element, "href");
                }
                break;
            default:
                break;
        }
    });

    // Tree order and source order differ where the parser moved misplaced
    // content out of a table; the source order is what counts.
    const auto bySource = [](const auto& a, const auto& b) { return a.offset < b.offset; };
    std::stable_sort(forms.begin(), forms.end(), bySource);
    std::stable_sort(controls.begin(), controls.end(), bySource);

    const std::vector<std::size_t> endTags = FormEndTags(utf8, std::move(covered));
    std::vector<std::size_t> formEnds;
    for (const auto& form : forms) {
        const auto end = std::upper_bound(endTags.begin(), endTags.end(), form.offset);
        formEnds.push_back(end != endTags.end() ? *end : utf8.size());
        document.forms_.push_back(form.item);
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
        document.controls_.push_back(std::move(control.item));
    }
    return document;
}

FormControl* HtmlDocument::FindControl(std::string_view name, int index) {
    if (name.empty()) {
        return nullptr;
    }
    int seen = 0;
    for (FormControl& control : controls_) {
        if ((control.name == name || control.id == name) && seen++ == index) {
            return &control;
        }
    }
    return nullptr;
}

std::optional<std::size_t> HtmlDocument::FindForm(std::string_view name, int index) const {
    int seen = 0;
    for (std::size_t i = 0; i < forms_.size(); ++i) {
        const HtmlForm& form = forms_[i];
        if ((name.empty() || form.name == name || form.id == name) && seen++ == index) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace gb::retrieval
