// The start of the targets that read amounts and dates: the user's default
// locale is pinned to US English, so that a run does not depend on the
// machine's.

#include "platform/Locale.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    gb::SetUserDefaultLocale(gb::kLocaleEnglishUS);
    return 0;
}
