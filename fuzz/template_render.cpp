// Renders hostile items through every template of a hostile library, to the
// report page and the Mail To address, as the report command does. The mail
// address must stay one "mailto:" link with one subject (none only when a
// very long address leaves no room for it) and nothing but encoded
// characters, whatever the templates and the items hold.
//
// Input: the items (see FuzzItems.h), an empty line, then the library file.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzItems.h"
#include "ScratchFile.h"
#include "app/core/report/ReportRun.h"
#include "itemdb/FeeSchedule.h"

using namespace gb::itemdb;

namespace {

// Templates of one library rendered per input.
constexpr int kMostTemplates = 8;

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool IsUnreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Every character is unreserved or part of a "%XX" escape; `extra` is let
// through as well.
bool OnlyEncoded(std::string_view text, char extra) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            if (i + 2 >= text.size() || !IsHexDigit(text[i + 1]) || !IsHexDigit(text[i + 2])) {
                return false;
            }
            i += 2;
        } else if (!IsUnreserved(text[i]) && text[i] != extra) {
            return false;
        }
    }
    return true;
}

void CheckMailTo(std::string_view link) {
    constexpr std::string_view kScheme = "mailto:";
    constexpr std::string_view kSubject = "?subject=";
    if (link.empty()) {
        return;  // no valid address: Mail To stays off
    }
    if (!link.starts_with(kScheme)) {
        std::abort();
    }
    link.remove_prefix(kScheme.size());
    const std::size_t subject = link.find(kSubject);
    if (subject == std::string_view::npos) {
        if (!OnlyEncoded(link, '@')) {
            std::abort();
        }
        return;
    }
    if (link.find(kSubject, subject + 1) != std::string_view::npos ||
        !OnlyEncoded(link.substr(0, subject), '@') ||
        !OnlyEncoded(link.substr(subject + kSubject.size()), '\0')) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const gb::fuzz::ItemsAndRest input =
        gb::fuzz::ReadItems(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::filesystem::path library = gb::fuzz::WriteScratchFile("Templates.cta", input.rest);
    std::vector<const CAucItem*> items;
    for (const CAucItem& item : input.items) {
        items.push_back(&item);
    }
    const CFeeSchedule fees;
    for (int index = 0; index < kMostTemplates; ++index) {
        const std::optional<gb::app::RenderedReport> report =
            gb::app::RenderReport({library, index, fees, nullptr}, items);
        if (!report) {
            std::abort();  // there is always an item
        }
        CheckMailTo(report->mailTo);
    }
    return 0;
}
