#pragma once
// For the tests that create site objects: loads the built site library (and,
// for an update, the retrieval library) and registers their classes, as the
// installer does.

#include <gtest/gtest.h>

#include <string>

#include "platform/ComponentLibrary.h"

namespace gb::test {

inline void RegisterSiteObjects() {
    std::string error;
    const gb::ComponentLibrary* sites = gb::ComponentLibrary::Load(GB_BIDSCOPE_LIBRARY, &error);
    ASSERT_NE(sites, nullptr) << error;
    ASSERT_EQ(sites->RegisterServer(), S_OK);
}

// The site and the retrieval libraries of the build, for tests that run an
// update.
inline void RegisterUpdateLibraries() {
    for (const char* library : {GB_BIDSCOPE_LIBRARY, GB_FETCHWELL_LIBRARY}) {
        std::string error;
        const gb::ComponentLibrary* loaded = gb::ComponentLibrary::Load(library, &error);
        ASSERT_NE(loaded, nullptr) << error;
        ASSERT_EQ(loaded->RegisterServer(), S_OK) << library;
    }
}

}  // namespace gb::test
