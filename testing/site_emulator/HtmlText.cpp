#include "HtmlText.h"

namespace gb::emulator {

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string HtmlDocument(std::string_view title, std::string_view body) {
    return "<html>\r\n<head><title>" + EscapeHtml(title) + "</title></head>\r\n<body>\r\n" +
           std::string(body) + "</body>\r\n</html>\r\n";
}

std::string Anchor(std::string_view url, std::string_view content) {
    return "<a href=\"" + EscapeHtml(url) + "\">" + std::string(content) + "</a>";
}

}  // namespace gb::emulator
