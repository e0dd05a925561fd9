#include "itemdb/UpdateRun.h"

#include <algorithm>
#include <array>
#include <exception>

#include "interfaces/ClassIds.h"
#include "interfaces/IBidscope.h"
#include "interfaces/ISessionSummary.h"
#include "interfaces/RetrievalNotify.h"
#include "itemdb/AucDoc.h"
#include "itemdb/LotkeeperStrings.h"
#include "itemdb/UpdatePrompts.h"
#include "platform/ComponentRuntime.h"
#include "platform/ConnectionPoint.h"
#include "platform/TextTokens.h"

namespace gb::itemdb {

namespace {

// The site object takes the seller ID and the password from buffers of this
// size: 59 characters and the terminator.
constexpr std::size_t kUserBufferSize = 60;
constexpr std::uint32_t kItemUrlBufferSize = 200;
constexpr char kItemNumberToken[] = "$ITEM_NUM$";

// Messages: no seller ID is active; the site classes cannot be listed.
constexpr int kNoActiveSellersString = 59413;
constexpr int kNoSitesLocatedString = 59418;
// A retrieval could not be prepared.
constexpr char kCouldNotInitiate[] = "Could not initiate auction update request";

// The connection point through which a site object fires its rows.
gb::ComPtr<IConnectionPoint> EventPointOf(IUnknown* site) {
    gb::ComPtr<IConnectionPointContainer> container;
    gb::ComPtr<IConnectionPoint> point;
    if (site != nullptr) {
        // The out parameter is filled when the call's statement ends.
        site->QueryInterface(IConnectionPointContainer::kIid, container.PutVoid());
    }
    if (container) {
        container->FindConnectionPoint(_IBidscopeEvents::kIid, point.Put());
    }
    return point;
}

}  // namespace

UpdateRun::UpdateRun(CAucDoc& document)
    : document_(document),
      rows_(std::make_shared<RetrievedRowQueue>()),
      sink_(gb::MakeObject<CSiteEventSink>(rows_)) {}

UpdateRun::~UpdateRun() {
    ReleaseSiteObjects();
}

void UpdateRun::SetMainWindow(gb::WindowHandle window) {
    mainWindow_ = window;
    sink_->SetWindow(window);
}

void UpdateRun::Show(std::string_view text) {
    if (prompts_ != nullptr) {
        prompts_->ShowMessage(text);
    }
}

bool UpdateRun::UpdateAuctions() {
    if (IsRunning()) {
        return false;
    }
    // Without a window no retrieval could report its end, and the run would
    // never move on.
    if (mainWindow_ == 0) {
        Show(kCouldNotInitiate);
        return false;
    }
    document_.EnsureSellerFolders();
    ResetSessionLogs();
    failed_ = false;

    CSellerList& sellers = document_.GetSellerList();
    bool anyActive = false;
    const int requests = std::min(sellers.GetCount(), int{UINT16_MAX});
    for (int index = 0; index < requests; ++index) {
        sellers.SetCurrent(index);
        if (sellers.IsActive() == 0) {
            continue;
        }
        anyActive = true;
        const CSellerEntry entry = sellers.GetEntry();
        StartSiteRetrieval(static_cast<std::uint16_t>(index + 1), entry.sellerId, entry.password,
                           sellers.GetDaysToRetrieve(), entry.siteClsid);
    }
    if (!anyActive) {
        Show(LoadString(kNoActiveSellersString));
        return false;
    }
    running_ = retrievals_.size();
    if (running_ == 0) {
        return false;
    }
    StartCurrent();
    return true;
}

void UpdateRun::ResetSessionLogs() {
    gb::ComPtr<ISessionSummary> summary;
    if (gb::Succeeded(gb::CreateInstance(CLSID_SessionSummary, summary)) && summary) {
        summary->Reset();
    }
}

bool UpdateRun::StartSiteRetrieval(std::uint16_t request, std::string_view sellerId,
                                   std::string_view password, std::int32_t days,
                                   std::string_view siteClsid) {
    try {
        gb::ComPtr<IWebSource> source;
        gb::ComPtr<IBidscope> site;
        gb::ComPtr<IConnectionPoint> point;
        std::uint32_t cookie = 0;
        const bool created = sellerId.size() < kUserBufferSize &&
                             password.size() < kUserBufferSize &&
                             gb::Succeeded(gb::CreateInstance(CLSID_WebSource, source)) && source &&
                             gb::Succeeded(gb::CreateInstance(siteClsid, site)) && site &&
                             (point = EventPointOf(site.Get())) &&
                             gb::Succeeded(point->Advise(sink_.Get(), &cookie));
        if (!created) {
            Show(kCouldNotInitiate);
            return false;
        }
        const std::string user(sellerId);
        const std::string pass(password);
        const bool handedOver =
            gb::Succeeded(
                site->SetDays(static_cast<std::uint16_t>(std::clamp(days, 0, int{UINT16_MAX})))) &&
            gb::Succeeded(site->SetUser(user.c_str(), pass.c_str())) &&
            gb::Succeeded(site->SetAdult(document_.GetAdultFlag() ? 1 : 0)) &&
            gb::Succeeded(site->SetRequest(request)) &&
            gb::Succeeded(source->ObtainData(site.Get(), mainWindow_));
        if (!handedOver) {
            point->Unadvise(cookie);
            Show(kCouldNotInitiate);
            return false;
        }
        // The web source now holds the only reference to the site object.
        retrievals_.push_back({std::move(source), cookie, request});
        return true;
    } catch (const std::exception& failure) {
        Show(failure.what());
        return false;
    }
}

void UpdateRun::StartCurrent() {
    while (running_ > 0) {
        if (gb::Succeeded(retrievals_[running_ - 1].source->StartRetrieval())) {
            return;
        }
        // It will post no end message: it ends here, as a failure.
        failed_ = true;
        --running_;
    }
    EndRun();
}

bool UpdateRun::OnMessage(const gb::WindowMessage& message) {
    if (message.message == WM_RETRIEVED_ROW) {
        MergeRetrievedRows();
        return false;
    }
    const auto kind = static_cast<RetrievalNotifyKind>(message.wParam);
    const bool ended = kind == RetrievalNotifyKind::Success || kind == RetrievalNotifyKind::Failure;
    if (message.message != WM_RETRIEVAL_NOTIFY || !ended || message.lParam <= 0 ||
        message.lParam > UINT16_MAX) {
        return false;
    }
    return OnRetrievalDone(static_cast<std::uint16_t>(message.lParam),
                           kind == RetrievalNotifyKind::Success);
}

void UpdateRun::MergeRetrievedRows() {
    CSellerList& sellers = document_.GetSellerList();
    for (const RetrievedRowQueue::Entry& entry : rows_->TakeAll()) {
        if (entry.request == 0 || !sellers.SetCurrent(entry.request - 1)) {
            continue;
        }
        document_.GetItemList().MergeRow(sellers.GetSite(), entry.row, sellers.GetFolderId(),
                                         sellers.GetTimeZoneAdjust());
        document_.SetModifiedFlag(true);
    }
}

bool UpdateRun::OnRetrievalDone(std::uint16_t request, bool success) {
    if (!IsRunning() || retrievals_[running_ - 1].request != request) {
        return false;
    }
    MergeRetrievedRows();
    if (!success) {
        failed_ = true;
    } else if (CSellerList& sellers = document_.GetSellerList(); sellers.SetCurrent(request - 1)) {
        sellers.SetLastUpdate(0);
    }
    --running_;
    StartCurrent();
    return !IsRunning();
}

void UpdateRun::EndRun() {
    document_.GetEvents().Raise(
        DocumentEvent::WithHint(DocumentEvent::Kind::RunEnded, DocumentEvent::kHintNew));
    ReleaseSiteObjects();
}

void UpdateRun::ReleaseSiteObjects() {
    while (!retrievals_.empty()) {
        Retrieval& last = retrievals_.back();
        IUnknown* site = nullptr;
        if (gb::Succeeded(last.source->GetDataInterface(&site))) {
            if (const gb::ComPtr<IConnectionPoint> point = EventPointOf(site)) {
                point->Unadvise(last.cookie);
            }
        }
        // Releasing the web source ends its worker and releases its site object.
        retrievals_.pop_back();
    }
    running_ = 0;
}

bool UpdateRun::LoadSiteClasses() {
    return sites_.Load();
}

std::vector<std::string> UpdateRun::GetSiteNames() {
    if (sites_.IsEmpty() && !LoadSiteClasses()) {
        Show(LoadString(kNoSitesLocatedString));
    }
    return sites_.Names();
}

std::string UpdateRun::GetSiteCLSID(std::string_view siteName) {
    if (sites_.IsEmpty() && !LoadSiteClasses()) {
        Show(LoadString(kNoSitesLocatedString));
    }
    return sites_.ClassIdOf(siteName);
}

std::string UpdateRun::GetSiteURL(std::string_view siteName, std::string_view itemNumber,
                                  int kind) {
    gb::ComPtr<IBidscope> site;
    const std::string classId = GetSiteCLSID(siteName);
    if (classId.empty() || gb::Failed(gb::CreateInstance(classId, site)) || !site) {
        return {};
    }
    std::array<char, kItemUrlBufferSize> buffer{};
    const std::string item(itemNumber);
    HRESULT result = E_FAIL;
    switch (kind) {
        case kBidsPage:
            result = site->GetAuxURL(kAuxViewBids, buffer.data(), kItemUrlBufferSize);
            break;
        case kFeedbackPage:
            result = site->GetAuxURL(kAuxLeaveFeedback, buffer.data(), kItemUrlBufferSize);
            break;
        default:
            result = site->GetItemURL(item.c_str(), buffer.data(), kItemUrlBufferSize);
            break;
    }
    // A site object that fails may have written nothing, or anything.
    if (gb::Failed(result)) {
        return {};
    }
    buffer.back() = '\0';
    std::string url = buffer.data();
    if (kind == kBidsPage || kind == kFeedbackPage) {
        ReplaceToken(url, kItemNumberToken, item);
    }
    return url;
}

}  // namespace gb::itemdb
