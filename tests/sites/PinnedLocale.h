#pragma once
// Pins the user's default locale (1024) for the life of a test.

#include "platform/Locale.h"

class PinnedLocale {
public:
    explicit PinnedLocale(gb::Lcid locale) { gb::SetUserDefaultLocale(locale); }
    ~PinnedLocale() { gb::SetUserDefaultLocale(0); }
    PinnedLocale(const PinnedLocale&) = delete;
    PinnedLocale& operator=(const PinnedLocale&) = delete;
};
