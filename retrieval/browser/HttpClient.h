#pragma once
// HTTP and HTTPS transfers on libcurl for one retrieval: cookies kept in memory
// for the client's life, redirects followed, certificates verified, and every
// transfer bounded by a connect, a stall and an overall time limit, and all of
// them together by a limit on the time without a whole page. A transfer can be
// cancelled from another thread.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "retrieval/browser/PasswordRecipients.h"

typedef void CURL;
typedef void CURLM;
struct curl_slist;

namespace gb::retrieval {

// The most a page may hold, after any compression is undone. A seller's
// listing page of the most rows a site shows is well under a megabyte; more
// than this is a server gone wrong, not a page.
inline constexpr std::size_t kMaxPageBytes = 4 * 1024 * 1024;

class HttpClient {
public:
    struct Limits {
        std::chrono::milliseconds connect{std::chrono::seconds(30)};
        // No byte received for this long ends the transfer.
        std::chrono::milliseconds stall{std::chrono::seconds(60)};
        // The whole transfer, redirects included.
        std::chrono::milliseconds overall{std::chrono::seconds(180)};
        // No answer complete for this long, across every try, ends the
        // transfers for good: a server that never answers whole holds the
        // retrieval this long at most.
        std::chrono::milliseconds progress{std::chrono::seconds(180)};
        // A larger answer is refused.
        std::size_t maxBodyBytes = kMaxPageBytes;
    };

    struct Options {
        Limits limits;
        // Certificates of this file are trusted besides the system's.
        std::filesystem::path extraCaFile;
    };

    struct Request {
        std::string url;
        std::optional<std::string> postBody;  // url-encoded; GET when absent
        std::string referer;                  // none when empty
        // Set when the body carries a password: it is sent to these servers
        // only, over https. The answer may redirect anywhere, but the body
        // goes on only with a redirect that keeps it (307, 308) to one of
        // them; such a redirect elsewhere fails the request, and any other
        // redirect continues without the body.
        const PasswordRecipients* passwordRecipients = nullptr;
    };

    struct Response {
        std::string location;  // after redirects
        std::string contentType;
        std::string body;
        long status = 0;
        std::string redirect;  // where a redirect not followed points
    };

    enum class Failure {
        None,
        Unreachable,  // the host name did not resolve or nothing answered
        TimedOut,
        Cancelled,
        Refused,  // anything else: bad address, TLS, protocol, size limit
        // No answer complete within the progress limit; every later transfer
        // fails the same way until the client is gone.
        NoProgress,
    };

    struct Result {
        Failure failure = Failure::None;
        std::string reason;  // why it failed, for the session log
        Response response;   // valid when failure is None
    };

    explicit HttpClient(Options options);
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    Result Fetch(const Request& request);

    // Opens a connection to the server of `url` (with the TLS handshake for
    // https) within the connect limit and closes it again; no request is sent.
    Failure Connect(const std::string& url);

    // Called on the fetching thread for every piece of an answer that arrives.
    void SetProgressHandler(std::function<void()> handler) { progress_ = std::move(handler); }

    // Ends the transfer in progress at once and fails every later one. Any thread.
    void Cancel();

private:
    using Clock = std::chrono::steady_clock;

    static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self);

    void Configure(const Request& request);
    // Fetch without keeping count of complete answers.
    Result FetchFollowing(const Request& request);
    static Result Refusal(std::string reason);
    // Sets the reason of a transfer ended by the progress limit.
    Failure NoProgressFailure();
    // One transfer; redirects are followed unless the request carries a password.
    Result Transfer(const Request& request);
    // Runs the transfer of `easy` to its end, a limit or a cancel.
    Failure Perform(CURL* easy);
    Failure Run(CURL* easy);

    Options options_;
    CURL* easy_ = nullptr;
    CURLM* multi_ = nullptr;
    curl_slist* headers_ = nullptr;
    std::function<void()> progress_;
    std::atomic<bool> cancelled_{false};
    // The progress limit runs from here: the end of the last complete answer.
    Clock::time_point lastComplete_ = Clock::now();
    int triesSinceComplete_ = 0;

    // State of the transfer in progress.
    std::string body_;
    bool bodyTooLarge_ = false;
    Clock::time_point lastActivity_;
    std::string reason_;
    char curlError_[256] = {};
};

}  // namespace gb::retrieval
