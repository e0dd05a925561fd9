#include "app/core/web/WebPages.h"

#include "app/core/AppSettings.h"
#include "app/core/UiStrings.h"
#include "platform/Settings.h"

namespace gb::app {

namespace {

std::string Address(const gb::Settings& settings, std::string_view name,
                    std::string_view fallback) {
    std::string address = settings.GetString(gb::app::SectionKey(gb::app::section::Settings), name, "");
    return address.empty() ? std::string(fallback) : address;
}

}  // namespace

std::string HomePageAddress(const gb::Settings& settings) {
    return Address(settings, web_value::HomePage, gb::app::UiText(gb::app::string_id::ProductPage));
}

std::string SearchPageAddress(const gb::Settings& settings) {
    return Address(settings, web_value::SearchPage, kDefaultSearchPage);
}

}  // namespace gb::app
