#include "platform/ComponentRegistry.h"

#include <gtest/gtest.h>

#include "platform/FileIo.h"
#include "tests/support/SettingsTestFolder.h"

using gb::test::SettingsTestFolder;

namespace gb {
namespace {

constexpr Guid kUsa = Guid::Literal("{74CCD217-6278-11D5-9B10-00AA00558C1A}");
constexpr Guid kCanada = Guid::Literal("{74CCD221-6278-11D5-9B10-00AA00558C1A}");
constexpr Guid kNewZealand = Guid::Literal("{040C0984-67F3-11D5-9B16-00AA00558C1A}");
constexpr Guid kSites = Guid::Literal("{49E1A7E8-59D2-4C5A-BEB7-F8090BDCBB06}");
constexpr Guid kOtherCategory = Guid::Literal("{C9FBB6D4-CFDF-4D69-BA97-84F23C36D722}");
constexpr Guid kAppId = Guid::Literal("{3BF4B964-8F72-41C2-BE3C-7F90B0B99927}");
constexpr Guid kTypeLibrary = Guid::Literal("{A06B402C-3F5D-43F0-86A5-608C5BEB8BE6}");

ClassRegistration SiteClass(const Guid& clsid, const std::string& name,
                            const std::string& userTypeName) {
    ClassRegistration registration;
    registration.clsid = clsid;
    registration.userTypeName = userTypeName;
    registration.progId = "Bidscope." + name + ".1";
    registration.versionIndependentProgId = "Bidscope." + name;
    registration.libraryPath = "/opt/gavelbook/libBidscope.so";
    registration.appId = kAppId;
    registration.typeLibrary = kTypeLibrary;
    return registration;
}

class ComponentRegistryTest : public SettingsTestFolder {
protected:
    void RegisterSites() {
        for (const ClassRegistration& site : sites_) {
            ASSERT_EQ(Registry().RegisterClass(site), S_OK);
            ASSERT_EQ(Registry().RegisterClassImplCategories(site.clsid, std::array{kSites}), S_OK);
        }
    }

    // Both follow the environment that SetUp redirects.
    static Settings& Classes() { return Settings::ClassesRoot(); }
    static ComponentRegistry Registry() { return ComponentRegistry(); }

    const std::vector<ClassRegistration> sites_ = {
        SiteClass(kUsa, "eBayUSA", "eBay USA"),
        SiteClass(kCanada, "eBayCAN", "eBay Canada"),
        SiteClass(kNewZealand, "eBayNZ", "eBay New Zealand"),
    };
};

TEST_F(ComponentRegistryTest, AClassReadsBackAsRegistered) {
    RegisterSites();
    EXPECT_EQ(Registry().FindClass(kUsa), sites_[0]);
    EXPECT_EQ(Registry().ClassOfProgId("Bidscope.eBayUSA.1"), kUsa);
    EXPECT_EQ(Registry().ClassOfProgId("bidscope.ebayusa"), kUsa);
    EXPECT_EQ(Classes().GetString("Bidscope.eBayUSA\\CurVer", ""), "Bidscope.eBayUSA.1");
    EXPECT_EQ(Classes().GetString("Bidscope.eBayUSA", ""), "eBay USA");
    EXPECT_EQ(Classes().GetString("CLSID\\{74CCD217-6278-11D5-9B10-00AA00558C1A}\\InprocServer32",
                                  "ThreadingModel"),
              "Apartment");
    EXPECT_FALSE(Registry().FindClass(kOtherCategory));
    EXPECT_FALSE(Registry().ClassOfProgId("Bidscope.eBayFRN"));
}

TEST_F(ComponentRegistryTest, RegisteringAgainReplacesTheClassKeyWhole) {
    RegisterSites();
    const std::optional<std::string> once = ReadWholeFile(Classes().File());
    ASSERT_TRUE(once);
    RegisterSites();
    EXPECT_EQ(ReadWholeFile(Classes().File()), once);

    ClassRegistration moved = sites_[0];
    moved.libraryPath = "/usr/lib/gavelbook/libBidscope.so";
    moved.typeLibrary.reset();
    ASSERT_EQ(Registry().RegisterClass(moved), S_OK);
    EXPECT_EQ(Registry().FindClass(kUsa), moved);
    EXPECT_FALSE(Classes().KeyExists("CLSID\\{74CCD217-6278-11D5-9B10-00AA00558C1A}\\TypeLib"));
    EXPECT_FALSE(Classes().KeyExists(
        "CLSID\\{74CCD217-6278-11D5-9B10-00AA00558C1A}\\Implemented Categories"));
}

TEST_F(ComponentRegistryTest, UnregisteringRemovesTheClassAndItsProgIdsButNotTheParents) {
    RegisterSites();
    ASSERT_EQ(Registry().RegisterCategory(kSites, 1033, "Gavelbook Site Sources"), S_OK);
    ASSERT_EQ(Registry().RegisterAppId(kAppId, "Bidscope", "libBidscope.so"), S_OK);
    for (const ClassRegistration& site : sites_) {
        ASSERT_EQ(Registry().UnregisterClass(site), S_OK);
    }
    ASSERT_EQ(Registry().UnregisterAppId(kAppId, "libBidscope.so"), S_OK);

    EXPECT_FALSE(Registry().FindClass(kUsa));
    EXPECT_FALSE(Classes().KeyExists("Bidscope.eBayUSA.1"));
    EXPECT_FALSE(Classes().KeyExists("Bidscope.eBayUSA"));
    EXPECT_FALSE(Classes().KeyExists("AppID\\libBidscope.so"));
    EXPECT_FALSE(Classes().KeyExists("AppID\\{3BF4B964-8F72-41C2-BE3C-7F90B0B99927}"));
    EXPECT_TRUE(Classes().KeyExists("CLSID"));
    EXPECT_TRUE(Classes().KeyExists("AppID"));
    EXPECT_EQ(Registry().CategoryDescription(kSites, 1033), "Gavelbook Site Sources");
    std::vector<CategoryMember> members;
    EXPECT_EQ(Registry().ClassesOfCategory(kSites, members), S_OK);
    EXPECT_TRUE(members.empty());
}

TEST_F(ComponentRegistryTest, ACategoryListsItsClassesInIdentifierOrder) {
    RegisterSites();
    ClassRegistration other = SiteClass(kOtherCategory, "Other", "Not a site");
    ASSERT_EQ(Registry().RegisterClass(other), S_OK);
    ASSERT_EQ(Registry().RegisterClassImplCategories(other.clsid, std::array{kOtherCategory}),
              S_OK);

    std::vector<CategoryMember> members;
    ASSERT_EQ(Registry().ClassesOfCategory(kSites, members), S_OK);
    EXPECT_EQ(members, (std::vector<CategoryMember>{{kNewZealand, "eBay New Zealand"},
                                                    {kUsa, "eBay USA"},
                                                    {kCanada, "eBay Canada"}}));

    ASSERT_EQ(Registry().UnregisterClassImplCategories(kUsa, std::array{kSites}), S_OK);
    ASSERT_EQ(Registry().ClassesOfCategory(kSites, members), S_OK);
    EXPECT_EQ(members.size(), 2u);
    EXPECT_TRUE(Registry().FindClass(kUsa));
}

TEST_F(ComponentRegistryTest, ACategoryDescriptionIsKeptPerLocaleAndCut) {
    const std::string longText(200, 'x');
    ASSERT_EQ(Registry().RegisterCategory(kSites, 1033, "Gavelbook Site Sources"), S_OK);
    ASSERT_EQ(Registry().RegisterCategory(kSites, 1031, longText), S_OK);
    EXPECT_EQ(
        Classes().GetString("Component Categories\\{49E1A7E8-59D2-4C5A-BEB7-F8090BDCBB06}", "409"),
        "Gavelbook Site Sources");
    EXPECT_EQ(Registry().CategoryDescription(kSites, 1031), longText.substr(0, 127));
    EXPECT_FALSE(Registry().CategoryDescription(kSites, 1036));
}

}  // namespace
}  // namespace gb
