#pragma once
// The addresses of the web view's Home and Search buttons: the current user's
// settings "HomePage" and "SearchPage" under "Settings", with the maker's
// product page and a web search as defaults.

#include <string>
#include <string_view>

namespace gb {
class Settings;
}  // namespace gb

namespace gb::app {

namespace web_value {
inline constexpr std::string_view HomePage = "HomePage";
inline constexpr std::string_view SearchPage = "SearchPage";
}  // namespace web_value

inline constexpr std::string_view kDefaultSearchPage = "https://duckduckgo.com/";

std::string HomePageAddress(const gb::Settings& settings);
std::string SearchPageAddress(const gb::Settings& settings);

}  // namespace gb::app
