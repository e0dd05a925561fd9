// The component library as the programs use it: loaded with dlopen, registered,
// and its classes created by class identifier.

#include <gtest/gtest.h>

#include <string>

#include "interfaces/ClassIds.h"
#include "interfaces/ISessionSummary.h"
#include "interfaces/IWebSource.h"
#include "platform/ComponentLibrary.h"
#include "platform/ComponentRegistry.h"
#include "platform/ComponentRuntime.h"
#include "platform/Settings.h"

namespace gb::retrieval {
namespace {

constexpr char kAppIdKey[] = "AppID\\{8C201613-040F-424A-A08C-A83FF0AA20A4}";
constexpr char kLibraryAppIdKey[] = "AppID\\libFetchwell.so";

const ComponentLibrary& Fetchwell() {
    std::string error;
    const ComponentLibrary* library =
        ComponentLibrary::Load(std::string(GB_BIN_DIR) + "/libFetchwell.so", &error);
    if (library == nullptr) {
        throw std::runtime_error(error);
    }
    return *library;
}

TEST(FetchwellLibrary, RegistersBothClassesWithTheirProgIds) {
    const ComponentLibrary& library = Fetchwell();
    ASSERT_EQ(library.RegisterServer(), S_OK);
    ASSERT_EQ(library.RegisterServer(), S_OK);  // again: the keys are replaced

    ComponentRegistry registry;
    const auto webSource = registry.FindClass(CLSID_WebSource);
    ASSERT_TRUE(webSource.has_value());
    EXPECT_EQ(webSource->userTypeName, "WebSource Class");
    EXPECT_EQ(webSource->progId, "Fetchwell.WebSource.1");
    EXPECT_EQ(webSource->versionIndependentProgId, "Fetchwell.WebSource");
    EXPECT_EQ(webSource->libraryPath, library.Path().string());
    EXPECT_EQ(webSource->threadingModel, "Apartment");
    EXPECT_EQ(webSource->appId, Guid::Parse("{8C201613-040F-424A-A08C-A83FF0AA20A4}"));
    EXPECT_EQ(webSource->typeLibrary, Guid::Parse("{BE7F7611-AE9A-46EE-9E4A-2FBE3F0E9770}"));
    const auto summary = registry.FindClass(CLSID_SessionSummary);
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->userTypeName, "SessionSummary Class");
    EXPECT_EQ(registry.ClassOfProgId("Fetchwell.SessionSummary.1"), CLSID_SessionSummary);
    EXPECT_EQ(registry.ClassOfProgId("Fetchwell.WebSource"), CLSID_WebSource);
    EXPECT_EQ(Settings::ClassesRoot().GetString(kAppIdKey, ""), "Fetchwell");
    EXPECT_EQ(Settings::ClassesRoot().GetString(kLibraryAppIdKey, "AppID"),
              "{8C201613-040F-424A-A08C-A83FF0AA20A4}");
}

TEST(FetchwellLibrary, CreatesItsClassesByClassId) {
    ASSERT_EQ(Fetchwell().RegisterServer(), S_OK);
    ComPtr<IWebSource> source;
    ASSERT_EQ(CreateInstance(CLSID_WebSource, source), S_OK);
    IUnknown* site = nullptr;
    EXPECT_EQ(source->GetDataInterface(&site), S_OK);
    EXPECT_EQ(site, nullptr);
    EXPECT_EQ(Fetchwell().CanUnloadNow(), S_FALSE);

    ComPtr<ISessionSummary> summary;
    ASSERT_EQ(CreateInstance(CLSID_SessionSummary, summary), S_OK);
    EXPECT_EQ(summary->Reset(), S_OK);
    char untouched[4] = "abc";
    EXPECT_EQ(summary->GetSummary(untouched, sizeof untouched), S_OK);
    EXPECT_STREQ(untouched, "abc");

    EXPECT_FALSE(source.As<ISessionSummary>());
    source.Reset();
    summary.Reset();
    EXPECT_EQ(Fetchwell().CanUnloadNow(), S_OK);
}

TEST(FetchwellLibrary, UnregisteringRemovesItsKeysOnly) {
    const ComponentLibrary& library = Fetchwell();
    ASSERT_EQ(library.RegisterServer(), S_OK);
    ASSERT_EQ(library.UnregisterServer(), S_OK);
    ComponentRegistry registry;
    EXPECT_FALSE(registry.FindClass(CLSID_WebSource).has_value());
    EXPECT_FALSE(registry.FindClass(CLSID_SessionSummary).has_value());
    EXPECT_FALSE(registry.ClassOfProgId("Fetchwell.WebSource.1").has_value());
    EXPECT_FALSE(Settings::ClassesRoot().KeyExists(kAppIdKey));
    EXPECT_FALSE(Settings::ClassesRoot().KeyExists(kLibraryAppIdKey));
    EXPECT_TRUE(Settings::ClassesRoot().KeyExists("CLSID"));
    EXPECT_TRUE(Settings::ClassesRoot().KeyExists("AppID"));
    void* object = nullptr;
    EXPECT_EQ(CreateInstance(CLSID_WebSource, IWebSource::kIid, &object), REGDB_E_CLASSNOTREG);
}

}  // namespace
}  // namespace gb::retrieval
