#pragma once
// The forms of a loaded page and their fields. The page is read by the
// page-reading program (see PageReader), never inside this process.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "retrieval/browser/PageForms.h"
#include "retrieval/browser/PageReader.h"

namespace gb::retrieval {

class HtmlDocument {
public:
    // Deeper than any real page nests its elements.
    static constexpr std::size_t kMaxNesting = reader_limits::kMaxNesting;

    HtmlDocument() = default;
    explicit HtmlDocument(PageForms page) : page_(std::move(page)) {}
    // Reads the page with the installed page reader. Throws PageNotRead for a
    // page nested deeper than kMaxNesting, one over the reader's limits, or
    // one the reader failed on, and when the reader is missing.
    static HtmlDocument Parse(std::string_view utf8);

    const std::vector<HtmlForm>& Forms() const { return page_.forms; }
    // Every field of the page in source order.
    const std::vector<FormControl>& Controls() const { return page_.controls; }
    // The href of the first <base> that has one, as written.
    const std::optional<std::string>& BaseHref() const { return page_.baseHref; }

    // The `index`-th field whose name or id is `name`.
    FormControl* FindControl(std::string_view name, int index);
    // The `index`-th form whose name or id is `name`; any form when `name` is empty.
    std::optional<std::size_t> FindForm(std::string_view name, int index) const;

private:
    PageForms page_;
};

}  // namespace gb::retrieval
