// Component objects inside one module: reference counts, interface discovery,
// smart pointers, class factories and connection points.

#include <gtest/gtest.h>

#include <array>

#include "platform/ClassFactory.h"
#include "platform/ComObject.h"
#include "platform/ConnectionPoint.h"
#include "tests/platform/ComponentTestSink.h"

namespace gb {
namespace {

using testing::RecordingSink;

// A counter whose only outgoing interface is ITestCounterEvents.
class EventSource final : public ComObject<ITestCounter, IConnectionPointContainer> {
public:
    explicit EventSource(bool* destroyed = nullptr) : destroyed_(destroyed) {}
    ~EventSource() override {
        if (destroyed_ != nullptr) {
            *destroyed_ = true;
        }
    }

    HRESULT Add(std::int32_t amount) override {
        total_ += amount;
        return point.Fire([this](ITestCounterEvents& sink) { return sink.Changed(total_); });
    }
    HRESULT GetTotal(std::int32_t* total) override {
        *total = total_;
        return S_OK;
    }
    HRESULT PostTotal(std::uint32_t) override { return E_NOTIMPL; }
    HRESULT FormatTotal(char*, std::uint32_t) override { return E_NOTIMPL; }
    HRESULT EnumConnectionPoints(IConnectionPoint** points, std::uint32_t capacity,
                                 std::uint32_t* count) override {
        return ConnectionPointBase::List(Points(), points, capacity, count);
    }
    HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** found) override {
        return ConnectionPointBase::Find(Points(), iid, found);
    }

    ConnectionPoint<ITestCounterEvents> point{*this};

private:
    std::array<IConnectionPoint*, 1> Points() { return {&point}; }

    std::int32_t total_ = 0;
    bool* destroyed_;
};

std::uint32_t Advise(EventSource& source, RecordingSink& sink) {
    std::uint32_t cookie = 0;
    EXPECT_EQ(source.point.Advise(&sink, &cookie), S_OK);
    EXPECT_NE(cookie, 0u);
    return cookie;
}

TEST(ComponentObject, AnswersItsInterfacesWithOneIdentityAndRefusesOthers) {
    const ComPtr<EventSource> source = MakeObject<EventSource>();
    ComPtr<ITestCounter> counter = source.As<ITestCounter>();
    ComPtr<IConnectionPointContainer> container = source.As<IConnectionPointContainer>();
    ASSERT_TRUE(counter);
    ASSERT_TRUE(container);
    EXPECT_EQ(counter.As<IUnknown>(), container.As<IUnknown>());
    EXPECT_EQ(container.As<ITestCounter>(), counter);

    void* none = &none;
    EXPECT_EQ(counter->QueryInterface(ITestCounterEvents::kIid, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(counter->QueryInterface(ITestCounter::kIid, nullptr), E_POINTER);
}

TEST(ComponentObject, TheLastReleaseDestroysTheObject) {
    bool destroyed = false;
    ComPtr<ITestCounter> counter;
    ASSERT_EQ(CreateObject<EventSource>(ITestCounter::kIid, counter.PutVoid(), &destroyed), S_OK);
    EXPECT_EQ(ModuleUsage::CanUnloadNow(), S_FALSE);

    ComPtr<ITestCounter> copy = counter;
    ComPtr<ITestCounter> moved = std::move(copy);
    EXPECT_FALSE(copy);
    counter.Reset();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(moved->AddRef(), 2u);
    EXPECT_EQ(moved->Release(), 1u);
    moved = nullptr;
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(ModuleUsage::CanUnloadNow(), S_OK);
}

TEST(ComponentObject, CreatingForAnUnknownInterfaceLeavesNothingBehind) {
    bool destroyed = false;
    void* object = &object;
    EXPECT_EQ(CreateObject<EventSource>(ITestCounterEvents::kIid, &object, &destroyed),
              E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_TRUE(destroyed);
}

TEST(ComponentClassFactory, ServesTheClassesOfItsTable) {
    constexpr ComponentClass kTable[] = {
        {CLSID_TestCounter, &CreateObject<EventSource>},
    };
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(
        ClassFactory::Serve(kTable, CLSID_TestCounter, IClassFactory::kIid, factory.PutVoid()),
        S_OK);
    ComPtr<ITestCounter> counter;
    ASSERT_EQ(factory->CreateInstance(nullptr, ITestCounter::kIid, counter.PutVoid()), S_OK);
    std::int32_t total = -1;
    EXPECT_EQ(counter->GetTotal(&total), S_OK);
    EXPECT_EQ(total, 0);

    ComPtr<ITestCounter> aggregated;
    EXPECT_EQ(factory->CreateInstance(counter.Get(), ITestCounter::kIid, aggregated.PutVoid()),
              CLASS_E_NOAGGREGATION);
    EXPECT_FALSE(aggregated);

    ComPtr<IClassFactory> unknown;
    EXPECT_EQ(ClassFactory::Serve(kTable, CLSID_TestTally, IClassFactory::kIid, unknown.PutVoid()),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_FALSE(unknown);
}

TEST(ComponentClassFactory, ALockKeepsTheModuleInUse) {
    const ObjectCreator create = &CreateObject<EventSource>;
    ComPtr<IClassFactory> factory = MakeObject<ClassFactory>(create);
    ASSERT_EQ(factory->LockServer(true), S_OK);
    factory.Reset();
    EXPECT_EQ(ModuleUsage::CanUnloadNow(), S_FALSE);
    factory = MakeObject<ClassFactory>(create);
    ASSERT_EQ(factory->LockServer(false), S_OK);
    factory.Reset();
    EXPECT_EQ(ModuleUsage::CanUnloadNow(), S_OK);
}

TEST(ComponentConnectionPoint, FiresToEverySinkInSlotOrderAndSkipsEmptySlots) {
    const ComPtr<EventSource> source = MakeObject<EventSource>();
    const auto first = MakeObject<RecordingSink>();
    const auto second = MakeObject<RecordingSink>();
    const auto third = MakeObject<RecordingSink>();
    const std::uint32_t firstCookie = Advise(*source, *first);
    const std::uint32_t secondCookie = Advise(*source, *second);
    EXPECT_NE(firstCookie, secondCookie);

    EXPECT_EQ(source->Add(5), S_OK);
    EXPECT_EQ(source->point.Unadvise(firstCookie), S_OK);
    EXPECT_EQ(source->Add(2), S_OK);
    EXPECT_EQ(first->totals, std::vector<std::int32_t>{5});
    EXPECT_EQ(second->totals, (std::vector<std::int32_t>{5, 7}));

    // A new sink fills the empty slot under a cookie of its own; the old
    // cookie no longer disconnects anything.
    const std::uint32_t thirdCookie = Advise(*source, *third);
    EXPECT_NE(thirdCookie, firstCookie);
    EXPECT_EQ(source->point.Unadvise(firstCookie), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(source->Add(1), S_OK);
    EXPECT_EQ(third->totals, std::vector<std::int32_t>{8});
    EXPECT_EQ(second->totals, (std::vector<std::int32_t>{5, 7, 8}));
    EXPECT_EQ(source->point.Unadvise(secondCookie), S_OK);
    EXPECT_EQ(source->point.Unadvise(thirdCookie), S_OK);
    EXPECT_EQ(source->Add(1), S_OK);
    EXPECT_EQ(third->totals.size(), 1u);
}

TEST(ComponentConnectionPoint, TheResultIsTheLastSinksAndAFailureDoesNotStopTheWalk) {
    const ComPtr<EventSource> source = MakeObject<EventSource>();
    EXPECT_EQ(source->Add(1), S_OK);

    const auto failing = MakeObject<RecordingSink>();
    failing->result = E_FAIL;
    const auto second = MakeObject<RecordingSink>();
    second->result = S_FALSE;
    Advise(*source, *failing);
    Advise(*source, *second);
    EXPECT_EQ(source->Add(1), S_FALSE);
    EXPECT_EQ(second->totals, std::vector<std::int32_t>{2});
}

TEST(ComponentConnectionPoint, ASinkMayDisconnectDuringTheWalk) {
    const ComPtr<EventSource> source = MakeObject<EventSource>();
    const auto first = MakeObject<RecordingSink>();
    const auto second = MakeObject<RecordingSink>();
    Advise(*source, *first);
    const std::uint32_t secondCookie = Advise(*source, *second);
    const auto late = MakeObject<RecordingSink>();
    first->onChanged = [&] {
        std::uint32_t cookie = 0;
        EXPECT_EQ(source->point.Advise(late.Get(), &cookie), S_OK);
        EXPECT_EQ(source->point.Unadvise(secondCookie), S_OK);
        return S_OK;
    };
    EXPECT_EQ(source->Add(3), S_OK);
    EXPECT_EQ(first->totals, std::vector<std::int32_t>{3});
    EXPECT_TRUE(second->totals.empty());
    EXPECT_TRUE(late->totals.empty()) << "advised past the end of the walk";
}

TEST(ComponentConnectionPoint, RefusesSinksWithoutTheOutgoingInterface) {
    const ComPtr<EventSource> source = MakeObject<EventSource>();
    const ComPtr<EventSource> notASink = MakeObject<EventSource>();
    std::uint32_t cookie = 99;
    EXPECT_EQ(source->point.Advise(notASink.As<IUnknown>().Get(), &cookie),
              CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);
    EXPECT_EQ(source->point.Advise(nullptr, &cookie), E_POINTER);
}

TEST(ComponentConnectionPoint, ListsItsLiveConnections) {
    const ComPtr<EventSource> source = MakeObject<EventSource>();
    const auto first = MakeObject<RecordingSink>();
    const auto second = MakeObject<RecordingSink>();
    const std::uint32_t firstCookie = Advise(*source, *first);
    const std::uint32_t secondCookie = Advise(*source, *second);
    ASSERT_EQ(source->point.Unadvise(firstCookie), S_OK);

    std::array<ConnectionData, 2> connections{};
    std::uint32_t count = 0;
    ASSERT_EQ(source->point.EnumConnections(connections.data(), 2, &count), S_OK);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(connections[0].cookie, secondCookie);
    const ComPtr<IUnknown> listed = ComPtr<IUnknown>::Adopt(connections[0].sink);
    EXPECT_EQ(listed.As<IUnknown>(), second.As<IUnknown>());
}

TEST(ComponentConnectionPoint, TheContainerFindsItsPointWhichKeepsTheContainerAlive) {
    bool destroyed = false;
    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(
        CreateObject<EventSource>(IConnectionPointContainer::kIid, container.PutVoid(), &destroyed),
        S_OK);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(ITestCounterEvents::kIid, point.Put()), S_OK);
    ComPtr<IConnectionPoint> none;
    EXPECT_EQ(container->FindConnectionPoint(ITestCounter::kIid, none.Put()),
              CONNECT_E_NOCONNECTION);
    EXPECT_FALSE(none);

    std::array<IConnectionPoint*, 2> listed{};
    std::uint32_t count = 0;
    ASSERT_EQ(container->EnumConnectionPoints(listed.data(), 2, &count), S_OK);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(listed[0], point.Get());
    listed[0]->Release();

    Guid iid;
    EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, ITestCounterEvents::kIid);
    container.Reset();
    EXPECT_FALSE(destroyed);
    ComPtr<IConnectionPointContainer> back;
    ASSERT_EQ(point->GetConnectionPointContainer(back.Put()), S_OK);
    back.Reset();
    point.Reset();
    EXPECT_TRUE(destroyed);
}

TEST(ComponentConnectionPoint, DestroyingTheSourceReleasesItsSinks) {
    const auto sink = MakeObject<RecordingSink>();
    {
        const ComPtr<EventSource> source = MakeObject<EventSource>();
        Advise(*source, *sink);
        EXPECT_EQ(sink->AddRef(), 3u);  // ours, the source's, and this one
        sink->Release();
    }
    EXPECT_EQ(sink->AddRef(), 2u);
    sink->Release();
}

}  // namespace
}  // namespace gb
