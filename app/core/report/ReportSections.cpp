#include "app/core/report/ReportSections.h"

#include <string>

#include "platform/Cp1252.h"

namespace gb::app {

namespace {

constexpr std::string_view kBodyOpen = "<BODY";
constexpr std::string_view kBodyClose = "</BODY>";

}  // namespace

std::string_view BodyInner(std::string_view html) {
    const std::string upper = gb::cp1252::ToUpper(html);
    const std::size_t open = upper.find(kBodyOpen);
    if (open == std::string::npos) {
        return html;
    }
    const std::size_t tagEnd = upper.find('>', open);
    const std::size_t start = tagEnd == std::string::npos ? 0 : tagEnd + 1;
    const std::size_t close =
        upper.find(kBodyClose, tagEnd == std::string::npos ? open + kBodyOpen.size() : start);
    if (close == std::string::npos) {
        return html;
    }
    return html.substr(start, close - start);
}

HeaderParts SplitHeader(std::string_view header) {
    const std::size_t close = gb::cp1252::ToUpper(header).find(kBodyClose);
    if (close == std::string::npos) {
        return {header, {}};
    }
    return {header.substr(0, close), header.substr(close)};
}

}  // namespace gb::app
