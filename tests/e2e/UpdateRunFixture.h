#pragma once
// A profile document with its update run, a window for the retrievals' messages
// and the site emulator the sites point at: what an update run of the main
// program has around it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ClientSettings.h"
#include "SiteEmulator.h"
#include "TestSellers.h"
#include "interfaces/ClassIds.h"
#include "interfaces/ISessionSummary.h"
#include "interfaces/RetrievalNotify.h"
#include "itemdb/AucDoc.h"
#include "itemdb/UpdatePrompts.h"
#include "itemdb/UpdateRun.h"
#include "platform/ComponentRuntime.h"
#include "platform/MessageQueue.h"
#include "platform/Settings.h"

namespace gb::e2e {

class RecordedPrompts final : public gb::itemdb::UpdatePrompts {
public:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

class UpdateRunFixture : public testing::Test {
protected:
    static constexpr std::chrono::seconds kMessageLimit{30};
    static constexpr std::size_t kDetailsLimit = 1024 * 1024;

    UpdateRunFixture() {
        document_.OnNewDocument();
        document_.SetProfileName("Emulated");
        run_.SetPrompts(&prompts_);
        run_.SetMainWindow(window_.Handle());
    }

    ~UpdateRunFixture() override { emulator::ForgetEmulator(Settings::CurrentUser()); }

    void StartEmulator(std::vector<EmulatedSeller> sellers) {
        emulator_ = std::make_unique<emulator::SiteEmulator>(std::move(sellers));
        emulator_->Start();
        ASSERT_TRUE(emulator::PointSitesAt(Settings::CurrentUser(), emulator_->Host(),
                                           emulator_->AuthorityFile()));
    }

    // Adds a seller ID of the installed site with this name; gives its request
    // number (its 1-based place in the list).
    int AddSeller(const std::string& sellerId, const std::string& siteName,
                  const std::string& password = {}, bool active = true) {
        gb::itemdb::CSellerList& sellers = document_.GetSellerList();
        const std::string classId = run_.GetSiteCLSID(siteName);
        EXPECT_FALSE(classId.empty()) << siteName;
        const int index = sellers.AddSeller(sellerId, siteName, classId);
        sellers.SetPassword(password);
        sellers.SetActive(active ? 1 : 0);
        return index + 1;
    }

    // Runs an update to its end; gives the request numbers of the retrievals
    // in the order they ended.
    std::vector<int> RunUpdate() {
        std::vector<int> ended;
        if (!run_.UpdateAuctions()) {
            ADD_FAILURE() << "the update did not start";
            return ended;
        }
        while (const std::optional<WindowMessage> message = window_.WaitFor(kMessageLimit)) {
            if (message->message == WM_RETRIEVAL_NOTIFY &&
                message->wParam != static_cast<std::uintptr_t>(RetrievalNotifyKind::Detail)) {
                ended.push_back(static_cast<int>(message->lParam));
            }
            if (run_.OnMessage(*message)) {
                return ended;
            }
        }
        ADD_FAILURE() << "the update did not end";
        return ended;
    }

    static std::string SummaryLog() {
        ComPtr<ISessionSummary> summary;
        EXPECT_EQ(CreateInstance(CLSID_SessionSummary, summary), S_OK);
        std::string buffer(4096, '\0');
        summary->GetSummary(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
        return buffer.c_str();
    }

    static std::string DetailsLog() {
        ComPtr<ISessionSummary> summary;
        EXPECT_EQ(CreateInstance(CLSID_SessionSummary, summary), S_OK);
        std::string buffer(kDetailsLimit, '\0');
        summary->GetDetails(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
        return buffer.c_str();
    }

    const gb::itemdb::CAucItem* Find(std::string_view site, std::string_view item,
                                     std::int32_t list = gb::itemdb::CItemList::kAllLists) const {
        gb::itemdb::CItemList::ListPos position;
        const gb::itemdb::CItemList& items = document_.GetItemList();
        return items.FindItem(site, item, &position, list) ? items.GetItem(position) : nullptr;
    }

    std::size_t ItemCount(std::int32_t list) const {
        return document_.GetItemList().GetStateList(list)->Size();
    }

    const gb::itemdb::CSellerEntry& Entry(int request) {
        document_.GetSellerList().SetCurrent(request - 1);
        return document_.GetSellerList().GetEntry();
    }

    gb::itemdb::CAucDoc document_;
    gb::itemdb::UpdateRun& run_ = document_.GetUpdateRun();
    MessageQueue window_;
    RecordedPrompts prompts_;
    std::unique_ptr<emulator::SiteEmulator> emulator_;
};

}  // namespace gb::e2e
