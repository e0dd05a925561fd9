#include "retrieval/browser/MarkupDepth.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace gb::retrieval {

namespace {

// Tag names compare in ASCII case only, as the HTML parser compares them.
char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view other) { return SameName(name, other); });
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsVoid(std::string_view name) {
    return IsOneOf(
        name, {"area", "base", "basefont", "bgsound", "br", "col", "embed", "frame", "hr", "image",
               "img", "input", "keygen", "link", "meta", "param", "source", "track", "wbr"});
}

// Elements the parser reopens when a misnested end tag closed them early.
bool IsFormatting(std::string_view name) {
    return IsOneOf(name, {"a", "b", "big", "code", "em", "font", "i", "nobr", "s", "small",
                          "strike", "strong", "tt", "u"});
}

// Elements that fence off the formatting elements opened inside them.
bool IsMarkerElement(std::string_view name) {
    return IsOneOf(name, {"applet", "caption", "marquee", "object", "td", "th", "template"});
}

// Start tags that close an open paragraph first.
bool ClosesParagraph(std::string_view name) {
    return IsOneOf(
        name, {"address", "article", "aside",   "blockquote", "center",     "details", "dialog",
               "dir",     "div",     "dl",      "fieldset",   "figcaption", "figure",  "footer",
               "form",    "h1",      "h2",      "h3",         "h4",         "h5",      "h6",
               "header",  "hgroup",  "listing", "main",       "menu",       "nav",     "ol",
               "p",       "pre",     "section", "summary",    "ul",         "xmp"});
}

// Start tags before which the parser does not reopen formatting elements:
// blocks, list items, table parts and what belongs in a page's head.
bool ReopensFormatting(std::string_view name) {
    return !ClosesParagraph(name) &&
           !IsOneOf(name,
                    {"base",     "caption",   "col",    "colgroup", "dd",    "dt",    "frame",
                     "frameset", "hr",        "iframe", "li",       "link",  "meta",  "noembed",
                     "noscript", "plaintext", "script", "style",    "table", "tbody", "td",
                     "template", "textarea",  "tfoot",  "th",       "thead", "title", "tr"});
}

// Where the search for an open paragraph stops.
bool BoundsButtonScope(std::string_view name) {
    return IsOneOf(name, {"applet", "button", "caption", "html", "marquee", "object", "table", "td",
                          "template", "th"});
}

bool BoundsTableScope(std::string_view name) {
    return IsOneOf(name, {"html", "table", "template"});
}

// Elements a search for an open list item or definition stops at.
bool IsSpecial(std::string_view name) {
    return IsVoid(name) ||
           IsOneOf(name, {"applet",    "article",  "aside",    "blockquote", "body",     "button",
                          "caption",   "center",   "colgroup", "dd",         "details",  "dir",
                          "dl",        "dt",       "fieldset", "figcaption", "figure",   "footer",
                          "form",      "frameset", "h1",       "h2",         "h3",       "h4",
                          "h5",        "h6",       "head",     "header",     "hgroup",   "html",
                          "iframe",    "li",       "listing",  "main",       "marquee",  "menu",
                          "nav",       "noembed",  "noframes", "noscript",   "object",   "ol",
                          "plaintext", "pre",      "script",   "section",    "select",   "style",
                          "summary",   "table",    "tbody",    "td",         "template", "textarea",
                          "tfoot",     "th",       "thead",    "title",      "tr",       "ul",
                          "xmp"});
}

// What the searches through the open elements ask of an element, worked out
// once when it is opened: a search may pass hundreds of them per tag.
enum Kind : std::uint32_t {
    kParagraph = 1u << 0,
    kCell = 1u << 1,        // td, th
    kRow = 1u << 2,         // tr
    kRowGroup = 1u << 3,    // tbody, thead, tfoot
    kListItem = 1u << 4,    // li
    kDefinition = 1u << 5,  // dd, dt
    kOption = 1u << 6,
    kTable = 1u << 7,
    kButtonScope = 1u << 8,  // ends the search for an open paragraph
    kTableScope = 1u << 9,   // ends the searches for table parts
    kStopsListSearch = 1u << 10,
    kMarker = 1u << 11,
    kForeign = 1u << 12,  // svg, math
};

std::uint32_t KindsOf(std::string_view name) {
    std::uint32_t kinds = 0;
    const auto set = [&](bool is, Kind kind) {
        if (is) {
            kinds |= kind;
        }
    };
    set(SameName(name, "p"), kParagraph);
    set(IsOneOf(name, {"td", "th"}), kCell);
    set(SameName(name, "tr"), kRow);
    set(IsOneOf(name, {"tbody", "thead", "tfoot"}), kRowGroup);
    set(SameName(name, "li"), kListItem);
    set(IsOneOf(name, {"dd", "dt"}), kDefinition);
    set(SameName(name, "option"), kOption);
    set(SameName(name, "table"), kTable);
    set(BoundsButtonScope(name), kButtonScope);
    set(BoundsTableScope(name), kTableScope);
    set(IsSpecial(name) && !IsOneOf(name, {"address", "div", "p"}), kStopsListSearch);
    set(IsMarkerElement(name), kMarker);
    set(IsOneOf(name, {"svg", "math"}), kForeign);
    return kinds;
}

struct Tag {
    std::string_view name;
    std::string_view attributes;
    bool end = false;
    bool textBefore = false;  // text stands between this tag and the one before
};

// The tags of a page in source order, with comments and doctypes skipped.
class TagReader {
public:
    explicit TagReader(std::string_view html) : html_(html) {}

    std::optional<Tag> Next() {
        bool text = false;
        while (at_ < html_.size()) {
            const std::size_t open = html_.find('<', at_);
            if (open == std::string_view::npos || open + 1 >= html_.size()) {
                break;
            }
            text = text || open > at_;
            at_ = open + 1;
            const char first = html_[at_];
            if (IsLetter(first)) {
                return ReadTag(at_, false, text);
            }
            if (first == '/' && at_ + 1 < html_.size() && IsLetter(html_[at_ + 1])) {
                return ReadTag(at_ + 1, true, text);
            }
            if (html_.substr(at_, 3) == "!--") {
                SkipComment(open + 2);
            } else if (first == '!' || first == '?' || first == '/') {
                SkipPast('>');
            } else {
                text = true;  // a "<" that starts no tag is text
            }
        }
        at_ = html_.size();
        return std::nullopt;
    }

    // Skips the text of a script or style element up to its end tag.
    void SkipRawText(std::string_view name) {
        for (std::size_t close = html_.find("</", at_); close != std::string_view::npos;
             close = html_.find("</", close + 2)) {
            const std::size_t after = close + 2 + name.size();
            if (after < html_.size() && SameName(html_.substr(close + 2, name.size()), name) &&
                (IsSpace(html_[after]) || html_[after] == '/' || html_[after] == '>')) {
                at_ = close;
                return;
            }
        }
        at_ = html_.size();
    }

private:
    Tag ReadTag(std::size_t nameStart, bool end, bool textBefore) {
        std::size_t at = nameStart;
        while (at < html_.size() && !IsSpace(html_[at]) && html_[at] != '/' && html_[at] != '>') {
            ++at;
        }
        Tag tag{html_.substr(nameStart, at - nameStart), {}, end, textBefore};
        const std::size_t attributesStart = at;
        at_ = EndOfTag(at);
        tag.attributes = html_.substr(attributesStart, at_ - attributesStart);
        return tag;
    }

    // Just after the ">" that ends a tag whose attributes start at `at`;
    // quotes count only around an attribute's value, as the parser reads them.
    std::size_t EndOfTag(std::size_t at) const {
        enum class State { BeforeName, Name, AfterName, BeforeValue, Unquoted };
        State state = State::BeforeName;
        for (; at < html_.size(); ++at) {
            const char c = html_[at];
            if (c == '>' && state != State::BeforeValue) {
                return at + 1;
            }
            switch (state) {
                case State::BeforeName:
                    if (!IsSpace(c) && c != '/') {
                        state = State::Name;
                    }
                    break;
                case State::Name:
                case State::AfterName:
                    if (c == '=') {
                        state = State::BeforeValue;
                    } else if (c == '/') {
                        state = State::BeforeName;
                    } else if (IsSpace(c)) {
                        state = State::AfterName;
                    } else {
                        state = State::Name;
                    }
                    break;
                case State::BeforeValue:
                    if (c == '"' || c == '\'') {
                        const std::size_t close = html_.find(c, at + 1);
                        if (close == std::string_view::npos) {
                            return html_.size();
                        }
                        at = close;
                        state = State::BeforeName;
                    } else if (c == '>') {
                        return at + 1;
                    } else if (!IsSpace(c)) {
                        state = State::Unquoted;
                    }
                    break;
                case State::Unquoted:
                    if (IsSpace(c)) {
                        state = State::BeforeName;
                    }
                    break;
            }
        }
        return html_.size();
    }

    // A comment ends at "-->" or "--!>", the first dash being the earliest
    // at `dashes` (just after "<!").
    void SkipComment(std::size_t dashes) {
        for (std::size_t at = html_.find("--", dashes); at != std::string_view::npos;
             at = html_.find("--", at + 1)) {
            const std::string_view rest = html_.substr(at + 2);
            if (rest.starts_with('>') || rest.starts_with("!>")) {
                at_ = at + (rest.starts_with('>') ? 3 : 4);
                return;
            }
        }
        at_ = html_.size();
    }

    void SkipPast(char c) {
        const std::size_t found = html_.find(c, at_);
        at_ = found == std::string_view::npos ? html_.size() : found + 1;
    }

    std::string_view html_;
    std::size_t at_ = 0;
};

// The elements open at a point of the page, the formatting elements the
// parser could reopen there, and a tally of the parser's work so far.
class OpenElements {
public:
    OpenElements(std::size_t depthLimit, std::size_t workLimit)
        : depthLimit_(depthLimit), workLimit_(workLimit) {}

    bool TooMuch() const {
        return stack_.size() + active_.size() > depthLimit_ || work_ > workLimit_;
    }
    bool InForeignContent() const { return foreign_ > 0; }

    void Start(const Tag& tag) {
        const std::string_view name = tag.name;
        Tally();
        if (!InForeignContent()) {
            if (ClosesParagraph(name)) {
                CloseParagraph();
            }
            CloseSiblings(name);
            AddImpliedTableParts(name);
        }
        if (ReopensFormatting(name)) {
            Reopen();
        }
        if (!InForeignContent() && IsVoid(name)) {
            return;
        }
        std::size_t id = 0;
        if (IsFormatting(name)) {
            id = AddFormatting(tag);
        }
        if (IsMarkerElement(name)) {
            active_.push_back({});
        }
        Push(name, KindsOf(name), id);
    }

    void End(std::string_view name) {
        Tally();
        if (IsFormatting(name)) {
            RemoveFormatting(name);
        }
        for (std::size_t i = stack_.size(); i > 0; --i) {
            if (SameName(stack_[i - 1].name, name)) {
                PopDownTo(i - 1);
                return;
            }
        }
    }

    // Text reopens the formatting elements that were closed early.
    void Text() {
        Tally();
        Reopen();
    }

private:
    struct Open {
        std::string_view name;
        std::uint32_t kinds;
        std::size_t formatting;  // id of its formatting entry; 0 for none
    };
    // An entry of the formatting list; id 0 is a cell's marker.
    struct Active {
        std::size_t id = 0;
        std::string_view name;
        std::string_view attributes;
        bool open = false;
    };

    // Every token makes the parser look through its open elements and its
    // formatting list, at worst from end to end.
    void Tally() { work_ += 1 + stack_.size() + active_.size(); }

    void Push(std::string_view name, std::uint32_t kinds, std::size_t formatting) {
        stack_.push_back({name, kinds, formatting});
        ++work_;
        if ((stack_.back().kinds & kForeign) != 0) {
            ++foreign_;
        }
    }

    void PopDownTo(std::size_t index) {
        while (stack_.size() > index) {
            const Open popped = stack_.back();
            stack_.pop_back();
            if ((popped.kinds & kForeign) != 0) {
                --foreign_;
            }
            if (popped.formatting != 0) {
                if (Active* entry = FindActive(popped.formatting)) {
                    entry->open = false;
                }
            }
            if ((popped.kinds & kMarker) != 0) {
                ClearToMarker();
            }
        }
    }

    Active* FindActive(std::size_t id) {
        for (std::size_t i = active_.size(); i > 0; --i) {
            if (active_[i - 1].id == id) {
                return &active_[i - 1];
            }
        }
        return nullptr;
    }

    // The parser puts every formatting element after the last marker that is
    // no longer open back onto the stack.
    void Reopen() {
        std::size_t first = active_.size();
        while (first > 0 && active_[first - 1].id != 0) {
            --first;
        }
        for (std::size_t i = first; i < active_.size(); ++i) {
            if (!active_[i].open) {
                active_[i].open = true;
                // Formatting elements are of no kind the searches ask about.
                Push(active_[i].name, 0, active_[i].id);
            }
        }
    }

    // The nearest open element of one of the `wanted` kinds, searching down
    // from the top and giving up at one of the `stops` kinds.
    std::optional<std::size_t> FindOpen(std::uint32_t wanted, std::uint32_t stops) const {
        for (std::size_t i = stack_.size(); i > 0; --i) {
            if ((stack_[i - 1].kinds & wanted) != 0) {
                return i - 1;
            }
            if ((stack_[i - 1].kinds & stops) != 0) {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    void CloseParagraph() {
        if (const auto p = FindOpen(kParagraph, kButtonScope)) {
            PopDownTo(*p);
        }
    }

    // Paragraph-like elements close an open sibling of their kind.
    void CloseSiblings(std::string_view name) {
        std::optional<std::size_t> sibling;
        if (IsOneOf(name, {"td", "th"})) {
            sibling = FindOpen(kCell, kTableScope | kRow | kRowGroup);
        } else if (SameName(name, "tr")) {
            sibling = FindOpen(kRow, kTableScope);
        } else if (IsOneOf(name, {"tbody", "thead", "tfoot"})) {
            sibling = FindOpen(kRowGroup, kTableScope);
        } else if (SameName(name, "li")) {
            sibling = FindOpen(kListItem, kStopsListSearch);
        } else if (IsOneOf(name, {"dd", "dt"})) {
            sibling = FindOpen(kDefinition, kStopsListSearch);
        } else if (IsOneOf(name, {"option", "optgroup"})) {
            if (!stack_.empty() && (stack_.back().kinds & kOption) != 0) {
                sibling = stack_.size() - 1;
            }
        }
        if (sibling) {
            PopDownTo(*sibling);
        }
    }

    // A row or cell put straight into a table gets the body and row the
    // parser adds around it.
    void AddImpliedTableParts(std::string_view name) {
        const bool cell = IsOneOf(name, {"td", "th"});
        if (stack_.empty() || !(cell || SameName(name, "tr"))) {
            return;
        }
        if ((stack_.back().kinds & kTable) != 0) {
            Push("tbody", kRowGroup, 0);
        }
        if (cell && (stack_.back().kinds & kRowGroup) != 0) {
            Push("tr", kRow, 0);
        }
    }

    // At most three identical formatting elements are kept after the last
    // marker; the earliest of them goes. Returns the new entry's id.
    std::size_t AddFormatting(const Tag& tag) {
        std::size_t identical = 0;
        std::size_t earliest = active_.size();
        for (std::size_t i = active_.size(); i > 0 && active_[i - 1].id != 0; --i) {
            if (SameName(active_[i - 1].name, tag.name) &&
                active_[i - 1].attributes == tag.attributes) {
                ++identical;
                earliest = i - 1;
            }
        }
        if (identical >= 3) {
            active_.erase(active_.begin() + static_cast<std::ptrdiff_t>(earliest));
        }
        active_.push_back({++lastId_, tag.name, tag.attributes, true});
        return lastId_;
    }

    void RemoveFormatting(std::string_view name) {
        for (std::size_t i = active_.size(); i > 0 && active_[i - 1].id != 0; --i) {
            if (SameName(active_[i - 1].name, name)) {
                active_.erase(active_.begin() + static_cast<std::ptrdiff_t>(i - 1));
                return;
            }
        }
    }

    void ClearToMarker() {
        while (!active_.empty()) {
            const bool marker = active_.back().id == 0;
            active_.pop_back();
            if (marker) {
                return;
            }
        }
    }

    std::size_t depthLimit_;
    std::size_t workLimit_;
    std::vector<Open> stack_;
    std::vector<Active> active_;
    std::size_t lastId_ = 0;
    std::size_t foreign_ = 0;
    std::size_t work_ = 0;
};

}  // namespace

bool IsTooDeepToParse(std::string_view html, std::size_t depthLimit, std::size_t workLimit) {
    TagReader reader(html);
    OpenElements open(depthLimit, workLimit);
    // The text of script and style elements is no markup, except where the
    // parser may not treat them as such: in foreign content, in a frameset
    // (which ignores them), and a style inside a select (which ignores it).
    bool foreignSeen = false;
    bool framesetSeen = false;
    bool selectSeen = false;
    while (const std::optional<Tag> tag = reader.Next()) {
        if (tag->textBefore) {
            open.Text();
        }
        if (IsOneOf(tag->name, {"html", "head", "body"})) {
            continue;  // the parser never opens these twice
        }
        if (tag->end) {
            if (!SameName(tag->name, "br")) {
                open.End(tag->name);
            }
            if (open.TooMuch()) {
                return true;
            }
            continue;
        }
        foreignSeen = foreignSeen || IsOneOf(tag->name, {"svg", "math"});
        framesetSeen = framesetSeen || SameName(tag->name, "frameset");
        selectSeen = selectSeen || SameName(tag->name, "select");
        open.Start(*tag);
        if (open.TooMuch()) {
            return true;
        }
        if (!foreignSeen && !framesetSeen &&
            (SameName(tag->name, "script") || (!selectSeen && SameName(tag->name, "style")))) {
            reader.SkipRawText(tag->name);
        }
    }
    open.Text();
    return open.TooMuch();
}

}  // namespace gb::retrieval
