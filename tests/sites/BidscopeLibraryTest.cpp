// The component library Bidscope end to end: registration through its export,
// finding the sites by their category, creating each class from its class
// identifier through dlopen, and unregistration.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "interfaces/ClassIds.h"
#include "interfaces/IBidscope.h"
#include "platform/ClassFactory.h"
#include "platform/ComponentLibrary.h"
#include "platform/ComponentRuntime.h"
#include "platform/ConnectionPoint.h"
#include "platform/FileIo.h"
#include "tests/support/SettingsTestFolder.h"

using gb::test::SettingsTestFolder;

namespace gb::sites {
namespace {

struct SiteClassEntry {
    Guid clsid;
    std::string_view className;
    std::string_view displayName;
};

// Ordered as the category lists its members: by class identifier.
constexpr SiteClassEntry kSiteClasses[] = {
    {CLSID_eBayNZ, "eBayNZ", "eBay New Zealand"}, {CLSID_eBayNET, "eBayNET", "eBay Netherlands"},
    {CLSID_eBayUSA, "eBayUSA", "eBay USA"},       {CLSID_eBayCAN, "eBayCAN", "eBay Canada"},
    {CLSID_eBayUK, "eBayUK", "eBay UK"},          {CLSID_eBayAUS, "eBayAUS", "eBay Australia"},
    {CLSID_eBayFRN, "eBayFRN", "eBay France"},    {CLSID_eBayGER, "eBayGER", "eBay Germany"},
    {CLSID_eBayATR, "eBayATR", "eBay Austria"},
};

constexpr Guid kAppId = Guid::Literal("{3BF4B964-8F72-41C2-BE3C-7F90B0B99927}");

class BidscopeLibraryTest : public SettingsTestFolder {
protected:
    void SetUp() override {
        SettingsTestFolder::SetUp();
        std::string error;
        library_ = ComponentLibrary::Load(GB_BIDSCOPE_LIBRARY, &error);
        ASSERT_NE(library_, nullptr) << error;
    }

    std::vector<CategoryMember> Sites() const {
        std::vector<CategoryMember> members;
        EXPECT_EQ(ComponentRegistry().ClassesOfCategory(CATID_GavelbookSiteSources, members), S_OK);
        return members;
    }

    static std::string SiteId(IBidscope& site) {
        std::array<char, 512> id{};
        EXPECT_EQ(site.GetSiteID(id.data(), 512), S_OK);
        return id.data();
    }

    const ComponentLibrary* library_ = nullptr;
};

TEST_F(BidscopeLibraryTest, RegistersTheNineSitesInTheirCategory) {
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    std::vector<CategoryMember> expected;
    for (const SiteClassEntry& site : kSiteClasses) {
        expected.push_back({site.clsid, std::string(site.displayName)});
    }
    EXPECT_EQ(Sites(), expected);
    EXPECT_EQ(ComponentRegistry().CategoryDescription(CATID_GavelbookSiteSources, 1033),
              "Gavelbook Site Sources");

    const ComponentRegistry registry;
    for (const SiteClassEntry& site : kSiteClasses) {
        const std::string progId = "Bidscope." + std::string(site.className);
        const std::optional<ClassRegistration> found = registry.FindClass(site.clsid);
        ASSERT_TRUE(found) << progId;
        EXPECT_EQ(found->userTypeName, site.displayName);
        EXPECT_EQ(found->progId, progId + ".1");
        EXPECT_EQ(found->versionIndependentProgId, progId);
        EXPECT_EQ(found->libraryPath, library_->Path().string());
        EXPECT_EQ(found->threadingModel, "Apartment");
        EXPECT_EQ(found->appId, kAppId);
        EXPECT_EQ(registry.ClassOfProgId(progId), site.clsid);
        EXPECT_EQ(registry.ClassOfProgId(progId + ".1"), site.clsid);
    }
}

TEST_F(BidscopeLibraryTest, RegisteringTwiceLeavesOneSetOfEntries) {
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    const std::optional<std::string> once = ReadWholeFile(Settings::ClassesRoot().File());
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    EXPECT_EQ(ReadWholeFile(Settings::ClassesRoot().File()), once);
}

TEST_F(BidscopeLibraryTest, EachClassIsCreatedFromItsIdentifierText) {
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    for (const SiteClassEntry& site : kSiteClasses) {
        ComPtr<IBidscope> object;
        ASSERT_EQ(CreateInstance(site.clsid.ToString(), object), S_OK) << site.className;
        ASSERT_TRUE(object);
        object->SetUser("seller9", nullptr);
        EXPECT_EQ(SiteId(*object), std::string(site.displayName) + ":seller9");
        EXPECT_TRUE(object.As<IConnectionPointContainer>());
        EXPECT_EQ(library_->CanUnloadNow(), S_FALSE);
    }
    EXPECT_EQ(library_->CanUnloadNow(), S_OK);

    ComPtr<IClassFactory> factory;
    EXPECT_EQ(library_->GetClassObject(CATID_GavelbookSiteSources, IClassFactory::kIid,
                                       factory.PutVoid()),
              CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(BidscopeLibraryTest, UnregisteringKeepsTheCategoryAndItsOtherMembers) {
    const Guid otherSite = Guid::Literal("{00000001-0000-0000-0000-000000000001}");
    ComponentRegistry registry;
    ClassRegistration other;
    other.clsid = otherSite;
    other.userTypeName = "Other Site";
    ASSERT_EQ(registry.RegisterClass(other), S_OK);
    ASSERT_EQ(
        registry.RegisterClassImplCategories(otherSite, std::array{CATID_GavelbookSiteSources}),
        S_OK);

    ASSERT_EQ(library_->RegisterServer(), S_OK);
    EXPECT_EQ(Sites().size(), 10u);
    ASSERT_EQ(library_->UnregisterServer(), S_OK);

    EXPECT_EQ(Sites(), (std::vector<CategoryMember>{{otherSite, "Other Site"}}));
    EXPECT_EQ(registry.CategoryDescription(CATID_GavelbookSiteSources, 1033),
              "Gavelbook Site Sources");
    for (const SiteClassEntry& site : kSiteClasses) {
        EXPECT_FALSE(registry.FindClass(site.clsid)) << site.className;
        EXPECT_FALSE(registry.ClassOfProgId("Bidscope." + std::string(site.className)));
        ComPtr<IBidscope> object;
        EXPECT_EQ(CreateInstance(site.clsid, object), REGDB_E_CLASSNOTREG);
    }
    const auto root = Settings::ClassesRoot().Snapshot();
    ASSERT_TRUE(root);
    EXPECT_FALSE(root->FindKey("AppID\\" + kAppId.ToString()));
    EXPECT_FALSE(root->FindKey("AppID\\libBidscope.so"));
}

TEST_F(BidscopeLibraryTest, SitesUseTheHostNamesTheUserConfigured) {
    // New Zealand is served by the USA site's servers.
    const std::string key = std::string(kApplicationKey) + "\\SiteServers\\eBayUSA";
    ASSERT_TRUE(Settings::CurrentUser().SetString(key, "Item", "localhost:8080"));
    ASSERT_TRUE(Settings::CurrentUser().SetString(key, "SignIn", "bad/host"));
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    ComPtr<IBidscope> site;
    ASSERT_EQ(CreateInstance(CLSID_eBayNZ, site), S_OK);

    std::array<char, 512> url{};
    ASSERT_EQ(site->GetItemURL("17", url.data(), 512), S_OK);
    EXPECT_STREQ(url.data(), "http://localhost:8080/ws/eBayISAPI.dll?ViewItem&item=17");
    site->SetUser("seller1", "secret");
    ASSERT_EQ(site->GetInitURL(url.data(), 512), S_OK);
    EXPECT_STREQ(url.data(),
                 "http://signin.ebay.com/ws2/eBayISAPI.dll?SignIn&ssPageName=h:h:sin:US");
}

}  // namespace
}  // namespace gb::sites
