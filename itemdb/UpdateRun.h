#pragma once
// "Update Database" for one profile document: finds the installed site
// classes, prepares one retrieval per active seller ID, runs them one at a
// time from the last prepared to the first, merges the rows they fire into the
// item list, stamps each seller's last update on success and releases
// everything at the end. It also answers which sites are installed and where
// an item's pages are.
//
// User-interface thread only, apart from the event sink (see CSiteEventSink).
// The retrievals report to the main window: the window's owner passes every
// WM_RETRIEVAL_NOTIFY and WM_RETRIEVED_ROW it receives to OnMessage.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/IWebSource.h"
#include "itemdb/RetrievedRowQueue.h"
#include "itemdb/SiteClassList.h"
#include "itemdb/SiteEventSink.h"
#include "platform/ComPtr.h"
#include "platform/MessageTarget.h"

namespace gb::itemdb {

class CAucDoc;
class UpdatePrompts;

class UpdateRun {
public:
    // What GetSiteURL gives for an item: its listing, bid history or the page
    // for leaving feedback for its buyer. Any other kind gives the listing.
    static constexpr int kItemPage = 1;
    static constexpr int kBidsPage = 2;
    static constexpr int kFeedbackPage = 3;

    // The document must outlive the run.
    explicit UpdateRun(CAucDoc& document);
    // Releases the retrievals of a run still going; their workers are
    // cancelled and waited for.
    ~UpdateRun();
    UpdateRun(const UpdateRun&) = delete;
    UpdateRun& operator=(const UpdateRun&) = delete;

    // May be null: messages are then not shown.
    void SetPrompts(UpdatePrompts* prompts) { prompts_ = prompts; }
    // The window the retrievals report to; a run needs one.
    void SetMainWindow(gb::WindowHandle window);

    // Starts a run: true when at least one retrieval was prepared. Refused
    // (false, nothing done) while a run is going, and without a main window.
    bool UpdateAuctions();
    bool IsRunning() const { return running_ > 0; }
    // Whether a retrieval of the last run failed.
    bool HasFailed() const { return failed_; }

    // Handles a message of the main window: waiting rows are merged; an end
    // message (kind success or failure, lParam the request number) ends its
    // retrieval. True when the message ended the run.
    bool OnMessage(const gb::WindowMessage& message);
    // Merges the rows fired so far, each under the seller entry its request
    // number names; a row whose number names no entry is dropped.
    void MergeRetrievedRows();
    // The retrieval with this request number ended: merges its rows, stamps
    // its seller's last update on success, and starts the next retrieval or
    // ends the run (views told with hint 0, everything released). True when
    // it ended the run. An end for a retrieval that is not running is ignored.
    bool OnRetrievalDone(std::uint16_t request, bool success);

    // The installed sites' names; they are read once, on first need.
    std::vector<std::string> GetSiteNames();
    // The class id of the installed site with this name (ignoring case);
    // empty when none has it.
    std::string GetSiteCLSID(std::string_view siteName);
    // The address of one of an item's pages (a kind above), from a site object
    // of the named site; empty when the site object cannot give it.
    std::string GetSiteURL(std::string_view siteName, std::string_view itemNumber, int kind);

    bool LoadSiteClasses();
    // Prepares one retrieval; nothing of it is left behind when a step fails.
    bool StartSiteRetrieval(std::uint16_t request, std::string_view sellerId,
                            std::string_view password, std::int32_t days,
                            std::string_view siteClsid);
    // Disconnects the sink from every site object and releases every retrieval.
    void ReleaseSiteObjects();

private:
    struct Retrieval {
        gb::ComPtr<IWebSource> source;
        std::uint32_t cookie = 0;
        std::uint16_t request = 0;
    };

    // Starts the retrieval at the running count's position; one that cannot
    // start ends at once as failed. Ends the run when none is left.
    void StartCurrent();
    void EndRun();
    void ResetSessionLogs();
    void Show(std::string_view text);

    CAucDoc& document_;
    UpdatePrompts* prompts_ = nullptr;
    gb::WindowHandle mainWindow_ = 0;
    std::shared_ptr<RetrievedRowQueue> rows_;
    gb::ComPtr<CSiteEventSink> sink_;
    std::vector<Retrieval> retrievals_;
    std::size_t running_ = 0;
    bool failed_ = false;
    SiteClassList sites_;
};

}  // namespace gb::itemdb
