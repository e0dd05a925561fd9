#pragma once
// Small pieces of HTML shared by the emulator's pages.

#include <string>
#include <string_view>

namespace gb::emulator {

// Text with '&', '<', '>' and '"' written as entities, for content and
// attribute values alike.
std::string EscapeHtml(std::string_view text);

// A whole page around `body`, in Windows-1252.
std::string HtmlDocument(std::string_view title, std::string_view body);

// An anchor to `url` around `content` (already HTML).
std::string Anchor(std::string_view url, std::string_view content);

}  // namespace gb::emulator
