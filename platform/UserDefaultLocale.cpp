#include <atomic>

#include "platform/Locale.h"

namespace gb {

namespace {

std::atomic<Lcid> userDefaultSetting{0};

}  // namespace

void SetUserDefaultLocale(Lcid locale) { userDefaultSetting.store(locale); }

Lcid UserDefaultLocaleSetting() { return userDefaultSetting.load(); }

}  // namespace gb
