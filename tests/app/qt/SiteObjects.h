#pragma once
// For the tests that create site objects: loads the built site library and
// registers its classes, as the installer does.

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

}  // namespace gb::test
