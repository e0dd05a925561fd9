#include "app/core/AppSettings.h"

#include "platform/Settings.h"

namespace gb::app {

std::string SectionKey(std::string_view section) {
    std::string key(gb::kApplicationKey);
    key += '\\';
    key += section;
    return key;
}

}  // namespace gb::app
