// A component library end to end: registration through its exports, finding it
// by category, creating its objects through dlopen, and its events.

#include <gtest/gtest.h>

#include <cstdlib>

#include "interfaces/IBidscope.h"
#include "platform/ComponentLibrary.h"
#include "platform/ComponentRuntime.h"
#include "platform/ConnectionPoint.h"
#include "platform/FileIo.h"
#include "platform/Locale.h"
#include "platform/MessageQueue.h"
#include "tests/platform/ComponentTestSink.h"
#include "tests/support/SettingsTestFolder.h"

using gb::test::SettingsTestFolder;

namespace gb {
namespace {

using testing::RecordingSink;

class ComponentLibraryTest : public SettingsTestFolder {
protected:
    void SetUp() override {
        SettingsTestFolder::SetUp();
        std::string error;
        library_ = ComponentLibrary::Load(GB_TEST_COMPONENT, &error);
        ASSERT_NE(library_, nullptr) << error;
    }

    std::vector<CategoryMember> Members() const {
        std::vector<CategoryMember> members;
        EXPECT_EQ(ComponentRegistry().ClassesOfCategory(CATID_TestComponents, members), S_OK);
        return members;
    }

    const ComponentLibrary* library_ = nullptr;
};

TEST_F(ComponentLibraryTest, RegistersItselfAndIsFoundByItsCategory) {
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    EXPECT_EQ(Members(), (std::vector<CategoryMember>{{CLSID_TestTally, "Test Tally"},
                                                      {CLSID_TestCounter, "Test Counter"}}));
    EXPECT_EQ(ComponentRegistry().CategoryDescription(CATID_TestComponents, 1033),
              kTestCategoryDescription);
    const auto registered = ComponentRegistry().FindClass(CLSID_TestCounter);
    ASSERT_TRUE(registered);
    EXPECT_EQ(registered->libraryPath, library_->Path());
    EXPECT_EQ(ComponentRegistry().ClassOfProgId("GavelbookTest.Counter"), CLSID_TestCounter);
}

TEST_F(ComponentLibraryTest, RegisteringTwiceLeavesOneSetOfEntries) {
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    const std::optional<std::string> once = ReadWholeFile(Settings::ClassesRoot().File());
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    EXPECT_EQ(ReadWholeFile(Settings::ClassesRoot().File()), once);
    EXPECT_EQ(Members().size(), 2u);
}

TEST_F(ComponentLibraryTest, UnregisteringRemovesItsClassesFromTheCategory) {
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    ASSERT_EQ(library_->UnregisterServer(), S_OK);
    EXPECT_TRUE(Members().empty());
    EXPECT_FALSE(ComponentRegistry().ClassOfProgId("GavelbookTest.Counter.1"));
    ComPtr<ITestCounter> counter;
    EXPECT_EQ(CreateInstance(CLSID_TestCounter, counter), REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(counter);
}

TEST_F(ComponentLibraryTest, CreatesObjectsFromTheClassIdentifierText) {
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    ComPtr<ITestCounter> counter;
    ASSERT_EQ(CreateInstance("{d555c048-d76a-40af-85d0-c7c6cf5adbe0}", counter), S_OK);
    ASSERT_TRUE(counter);
    EXPECT_EQ(library_->CanUnloadNow(), S_FALSE);

    EXPECT_TRUE(counter.As<IConnectionPointContainer>());
    EXPECT_TRUE(counter.As<IUnknown>());
    void* bidscope = &bidscope;
    EXPECT_EQ(counter->QueryInterface(IBidscope::kIid, &bidscope), E_NOINTERFACE);
    EXPECT_EQ(bidscope, nullptr);

    counter.Reset();
    EXPECT_EQ(library_->CanUnloadNow(), S_OK);
}

TEST_F(ComponentLibraryTest, SharesTheProcessWideServicesWithTheHost) {
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    ComPtr<ITestCounter> counter;
    ASSERT_EQ(CreateInstance(CLSID_TestCounter, counter), S_OK);
    ASSERT_EQ(counter->Add(7), S_OK);

    // A window of the host receives what the library posts.
    MessageQueue window;
    ASSERT_EQ(counter->PostTotal(window.Handle()), S_OK);
    const auto message = window.WaitFor(std::chrono::seconds(5));
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->message, WM_USER + 1);
    EXPECT_EQ(message->lParam, 7);

    // The user's default locale the host sets is the library's too.
    char text[32] = {};
    SetUserDefaultLocale(2057);
    ASSERT_EQ(counter->FormatTotal(text, sizeof text), S_OK);
    EXPECT_STREQ(text,
                 "\xA3"
                 "7.00");
    SetUserDefaultLocale(1033);
    ASSERT_EQ(counter->FormatTotal(text, sizeof text), S_OK);
    EXPECT_STREQ(text, "$7.00");
    SetUserDefaultLocale(0);
}

TEST_F(ComponentLibraryTest, FiresEventsToEveryAdvisedSinkUntilUnadvised) {
    ASSERT_EQ(library_->RegisterServer(), S_OK);
    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(CreateInstance(CLSID_TestTally.ToString(), container), S_OK);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(ITestCounterEvents::kIid, point.Put()), S_OK);

    const auto first = MakeObject<RecordingSink>();
    const auto second = MakeObject<RecordingSink>();
    std::uint32_t firstCookie = 0;
    std::uint32_t secondCookie = 0;
    ASSERT_EQ(point->Advise(first.Get(), &firstCookie), S_OK);
    ASSERT_EQ(point->Advise(second.Get(), &secondCookie), S_OK);

    const ComPtr<ITestCounter> counter = container.As<ITestCounter>();
    ASSERT_EQ(counter->Add(5), S_OK);
    ASSERT_EQ(point->Unadvise(firstCookie), S_OK);
    ASSERT_EQ(counter->Add(2), S_OK);
    EXPECT_EQ(first->totals, std::vector<std::int32_t>{5});
    EXPECT_EQ(second->totals, (std::vector<std::int32_t>{5, 7}));
    EXPECT_EQ(point->Unadvise(secondCookie), S_OK);
}

TEST_F(ComponentLibraryTest, CreationFailuresSayWhy) {
    ComPtr<ITestCounter> counter;
    EXPECT_EQ(CreateInstance("74CCD217-6278-11D5-9B10-00AA00558C1A", counter), CO_E_CLASSSTRING);
    EXPECT_EQ(CreateInstance(CLSID_TestCounter, counter), REGDB_E_CLASSNOTREG);

    ClassRegistration lost;
    lost.clsid = CLSID_TestCounter;
    lost.libraryPath = (folder_ / "libMissing.so").string();
    ASSERT_EQ(ComponentRegistry().RegisterClass(lost), S_OK);
    EXPECT_EQ(CreateInstance(CLSID_TestCounter, counter), CO_E_DLLNOTFOUND);
    EXPECT_FALSE(counter);

    std::string error;
    EXPECT_EQ(ComponentLibrary::Load(folder_ / "libMissing.so", &error), nullptr);
    EXPECT_FALSE(error.empty());
}

TEST_F(ComponentLibraryTest, TheRegistrationToolCallsTheExports) {
    const std::string tool = "'" GB_BIN_DIR "/gbregister' ";
    const std::string library = "'" GB_TEST_COMPONENT "'";
    ASSERT_EQ(std::system((tool + library + " >/dev/null").c_str()), 0);
    EXPECT_EQ(Members().size(), 2u);
    ASSERT_EQ(std::system((tool + "-u " + library + " >/dev/null").c_str()), 0);
    EXPECT_TRUE(Members().empty());
    EXPECT_NE(
        std::system((tool + "'" + (folder_ / "libMissing.so").string() + "' 2>/dev/null").c_str()),
        0);
}

TEST_F(ComponentLibraryTest, LoadsEachLibraryOnce) {
    const std::filesystem::path path(GB_TEST_COMPONENT);
    EXPECT_EQ(ComponentLibrary::Load(path.parent_path() / "." / path.filename()), library_);
}

}  // namespace
}  // namespace gb
