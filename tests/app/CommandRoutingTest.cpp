// Commands go to the first target in the chain that handles them; enabling
// comes from the first updater, else from whether anyone handles the command.

#include <gtest/gtest.h>

#include <vector>

#include "app/core/CommandRouter.h"

namespace {

struct Target {
    gb::app::CommandMap map;
};

class CommandRoutingTest : public ::testing::Test {
protected:
    gb::app::CommandRouter Router() {
        return gb::app::CommandRouter([this] {
            return std::vector<const gb::app::CommandTarget*>{&view.map, &document.map, &frame.map};
        });
    }

    Target view;
    Target document;
    Target frame;
    std::vector<std::string> log;
};

TEST_F(CommandRoutingTest, TheFirstTargetWithAHandlerRunsTheCommand) {
    document.map.On(10, [this](int) { log.push_back("document"); });
    frame.map.On(10, [this](int) { log.push_back("frame"); });

    EXPECT_TRUE(Router().Execute(10));
    EXPECT_EQ(log, std::vector<std::string>{"document"});
}

TEST_F(CommandRoutingTest, ACommandNobodyHandlesIsDisabledAndDoesNothing) {
    const gb::app::CommandRouter router = Router();
    EXPECT_FALSE(router.Query(11).enabled);
    EXPECT_FALSE(router.Execute(11));
}

TEST_F(CommandRoutingTest, AHandlerAloneEnablesItsCommand) {
    frame.map.On(12, [](int) {});
    EXPECT_TRUE(Router().Query(12).enabled);
}

TEST_F(CommandRoutingTest, TheFirstUpdaterDecides) {
    view.map.OnUpdate(13, [](int, gb::app::CommandUpdate& update) { update.Enable(true); });
    document.map.OnUpdate(13, [](int, gb::app::CommandUpdate& update) { update.Enable(false); });

    EXPECT_TRUE(Router().Query(13).enabled);
}

TEST_F(CommandRoutingTest, AnUpdaterThatOnlyChecksLeavesEnablingToTheHandlers) {
    frame.map.OnUpdate(15, [](int, gb::app::CommandUpdate& update) { update.SetCheck(); });

    gb::app::CommandState state = Router().Query(15);
    EXPECT_FALSE(state.enabled);
    EXPECT_TRUE(state.checked);

    view.map.On(15, [](int) {});
    state = Router().Query(15);
    EXPECT_TRUE(state.enabled);
    EXPECT_TRUE(state.checked);
}

TEST_F(CommandRoutingTest, AnUpdaterMayRenameTheCommand) {
    frame.map.OnUpdate(16, [](int, gb::app::CommandUpdate& update) { update.SetText("&1 a.pro"); });
    EXPECT_EQ(Router().Query(16).text, "&1 a.pro");
}

TEST_F(CommandRoutingTest, ADisabledCommandIsNotCarriedOut) {
    frame.map.On(14, [this](int) { log.push_back("frame"); });
    frame.map.OnUpdate(14, [](int, gb::app::CommandUpdate& update) { update.Enable(false); });

    EXPECT_FALSE(Router().Execute(14));
    EXPECT_TRUE(log.empty());
}

TEST_F(CommandRoutingTest, ARangeHandlerReceivesTheCommandId) {
    std::vector<int> ids;
    view.map.OnRange(100, 110, [&](int id) { ids.push_back(id); });

    const gb::app::CommandRouter router = Router();
    EXPECT_TRUE(router.Execute(100));
    EXPECT_TRUE(router.Execute(110));
    EXPECT_FALSE(router.Execute(111));
    EXPECT_EQ(ids, (std::vector<int>{100, 110}));
}

TEST_F(CommandRoutingTest, AnEntryAddedAfterARangeOverridesItForItsId) {
    view.map.OnRange(100, 110, [this](int) { log.push_back("range"); });
    view.map.On(105, [this](int) { log.push_back("single"); });

    const gb::app::CommandRouter router = Router();
    router.Execute(105);
    router.Execute(106);
    EXPECT_EQ(log, (std::vector<std::string>{"single", "range"}));
}

TEST_F(CommandRoutingTest, TheChainIsAskedAfreshForEveryCommand) {
    Target other;
    other.map.On(20, [](int) {});
    bool useOther = false;
    const gb::app::CommandRouter router([&] {
        return useOther ? std::vector<const gb::app::CommandTarget*>{&other.map}
                        : std::vector<const gb::app::CommandTarget*>{&frame.map};
    });

    EXPECT_FALSE(router.Query(20).enabled);
    useOther = true;
    EXPECT_TRUE(router.Query(20).enabled);
}

}  // namespace
