// Drives the page-reading program, as the browser session does, and checks
// what it lets through against its limits and against gumbo itself: a page it
// reads must have taken no more than its processor time, give no more fields
// or field text than the caps, and have a real tree (gumbo with its
// default options) that nests no deeper than the limit; the forms and fields
// read must be those of that tree (HTML elements only), and the same as the
// reader's code finds in this process, where the fuzzer sees its coverage. A
// page refused needs no check beyond the program surviving it. (gumbo runs
// without recording parse errors, which changes nothing in its tree: each
// record copies the open elements, and that is what takes a deep page long.)
//
// Input: the page, UTF-8.

#include <gumbo.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "retrieval/browser/PageReader.h"
#include "retrieval/reader/FormReader.h"

using namespace gb::retrieval;

namespace {

struct OutputDeleter {
    void operator()(GumboOutput* output) const {
        gumbo_destroy_output(&kGumboDefaultOptions, output);
    }
};

// What a plain reading of gumbo's tree finds.
struct TreeReading {
    std::size_t depth = 0;
    std::vector<std::string> formNames;
    std::vector<std::string> controlNames;
    std::optional<std::string> baseHref;
};

std::string Attribute(const GumboElement& element, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
    return attribute != nullptr ? attribute->value : std::string();
}

TreeReading Read(const GumboNode* document) {
    TreeReading reading;
    std::vector<std::pair<const GumboNode*, std::size_t>> pending{{document, 0}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        reading.depth = std::max(reading.depth, depth);
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE &&
            node->type != GUMBO_NODE_DOCUMENT) {
            continue;
        }
        const GumboVector* children = &node->v.document.children;
        if (node->type != GUMBO_NODE_DOCUMENT &&
            node->v.element.tag_namespace != GUMBO_NAMESPACE_HTML) {
            children = &node->v.element.children;
        } else if (node->type != GUMBO_NODE_DOCUMENT) {
            const GumboElement& element = node->v.element;
            children = &element.children;
            switch (element.tag) {
                case GUMBO_TAG_FORM:
                    reading.formNames.push_back(Attribute(element, "name"));
                    break;
                case GUMBO_TAG_INPUT:
                case GUMBO_TAG_SELECT:
                case GUMBO_TAG_TEXTAREA:
                    reading.controlNames.push_back(Attribute(element, "name"));
                    break;
                case GUMBO_TAG_BASE:
                    if (!reading.baseHref && gumbo_get_attribute(&element.attributes, "href")) {
                        reading.baseHref = Attribute(element, "href");
                    }
                    break;
                default:
                    break;
            }
        }
        for (unsigned i = children->length; i > 0; --i) {
            pending.emplace_back(static_cast<const GumboNode*>(children->data[i - 1]), depth + 1);
        }
    }
    return reading;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// The bytes of every text the answer gives.
std::size_t TextBytes(const PageForms& page) {
    std::size_t bytes = page.baseHref.value_or("").size();
    for (const HtmlForm& form : page.forms) {
        bytes += form.name.size() + form.id.size() + form.action.size() + form.method.size();
    }
    for (const FormControl& control : page.controls) {
        bytes += control.name.size() + control.id.size();
        for (const std::string& value : control.values) {
            bytes += value.size();
        }
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace limits = reader_limits;
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    PageReader::Reading reading;
    try {
        reading = PageReader(GB_PAGE_READER).Read(page);
    } catch (const PageNotRead&) {
        return 0;
    }
    // (Its address space the kernel holds to the limit itself.)
    if (reading.cpuTime > limits::kCpuTime) {
        std::abort();  // read, but over the reader's processor time
    }
    const PageForms& document = reading.page;
    if (TextBytes(document) > limits::kMaxFieldTextBytes ||
        document.controls.size() > limits::kMaxFields) {
        std::abort();  // read, but with more fields or text than the caps allow
    }
    const ReaderAnswer here = FormReader::Read(page);
    if (here.verdict != ReaderVerdict::Read || here.page != document) {
        std::abort();  // the reader's answer is not what its code finds
    }

    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    const std::unique_ptr<GumboOutput, OutputDeleter> output(
        gumbo_parse_with_options(&options, page.data(), page.size()));
    const TreeReading tree = Read(output->document);
    if (tree.depth > limits::kMaxNesting) {
        std::abort();  // let through, but the real tree is deeper than the limit
    }

    std::vector<std::string> formNames;
    for (const HtmlForm& form : document.forms) {
        formNames.push_back(form.name);
    }
    std::vector<std::string> controlNames;
    for (const FormControl& control : document.controls) {
        controlNames.push_back(control.name);
    }
    if (Sorted(formNames) != Sorted(tree.formNames) ||
        Sorted(controlNames) != Sorted(tree.controlNames) || document.baseHref != tree.baseHref) {
        std::abort();  // the forms read are not those of the tree
    }
    return 0;
}
