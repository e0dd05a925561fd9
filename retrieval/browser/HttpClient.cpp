#include "retrieval/browser/HttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

#include "retrieval/browser/Url.h"

namespace gb::retrieval {

namespace {

constexpr long kMaxRedirects = 20;
constexpr char kUserAgent[] = "Mozilla/5.0 (compatible; Gavelbook/1.0)";
// Longest single wait for socket activity; cancellation wakes it sooner.
constexpr std::chrono::milliseconds kMaxPoll{500};

void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

HttpClient::Failure FailureOf(CURLcode code) {
    switch (code) {
        case CURLE_OK:
            return HttpClient::Failure::None;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_CONNECT:
            return HttpClient::Failure::Unreachable;
        case CURLE_OPERATION_TIMEDOUT:
            return HttpClient::Failure::TimedOut;
        default:
            return HttpClient::Failure::Refused;
    }
}

std::string Duration(std::chrono::milliseconds limit) {
    return limit.count() % 1000 == 0 ? std::to_string(limit.count() / 1000) + " s"
                                     : std::to_string(limit.count()) + " ms";
}

}  // namespace

HttpClient::HttpClient(Options options) : options_(std::move(options)) {
    InitialiseCurlOnce();
    easy_ = curl_easy_init();
    multi_ = curl_multi_init();
    // Pages are always fetched fresh.
    headers_ = curl_slist_append(headers_, "Cache-Control: no-cache");
    headers_ = curl_slist_append(headers_, "Pragma: no-cache");
    if (easy_ != nullptr) {
        // An empty cookie file starts the in-memory cookie jar, which lives as
        // long as the handle and so as long as this client.
        curl_easy_setopt(easy_, CURLOPT_COOKIEFILE, "");
    }
}

HttpClient::~HttpClient() {
    if (easy_ != nullptr) {
        curl_easy_cleanup(easy_);
    }
    if (multi_ != nullptr) {
        curl_multi_cleanup(multi_);
    }
    curl_slist_free_all(headers_);
}

void HttpClient::Cancel() {
    cancelled_ = true;
    if (multi_ != nullptr) {
        curl_multi_wakeup(multi_);
    }
}

std::size_t HttpClient::OnBody(char* data, std::size_t size, std::size_t count, void* self) {
    auto& client = *static_cast<HttpClient*>(self);
    const std::size_t bytes = size * count;
    client.lastActivity_ = Clock::now();
    if (client.body_.size() + bytes > client.options_.limits.maxBodyBytes) {
        client.bodyTooLarge_ = true;
        return 0;  // ends the transfer with a write error
    }
    client.body_.append(data, bytes);
    if (client.progress_) {
        client.progress_();
    }
    return bytes;
}

std::size_t HttpClient::OnHeader(char*, std::size_t size, std::size_t count, void* self) {
    static_cast<HttpClient*>(self)->lastActivity_ = Clock::now();
    return size * count;
}

void HttpClient::Configure(const Request& request) {
    const Limits& limits = options_.limits;
    const bool password = request.passwordRecipients != nullptr;
    const char* protocols = password ? "https" : "http,https";
    curl_easy_setopt(easy_, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, protocols);
    curl_easy_setopt(easy_, CURLOPT_REDIR_PROTOCOLS_STR, protocols);
    curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, password ? 0L : 1L);
    curl_easy_setopt(easy_, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
    curl_easy_setopt(easy_, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.overall.count()));
    curl_easy_setopt(easy_, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers_);
    curl_easy_setopt(easy_, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options_.extraCaFile.empty()) {
        // The bundle file gives way to this one; the system's certificate
        // folder stays trusted.
        curl_easy_setopt(easy_, CURLOPT_CAINFO, options_.extraCaFile.c_str());
    }
    curl_easy_setopt(easy_, CURLOPT_REFERER,
                     request.referer.empty() ? nullptr : request.referer.c_str());
    if (request.postBody) {
        curl_easy_setopt(easy_, CURLOPT_POSTFIELDSIZE, static_cast<long>(request.postBody->size()));
        curl_easy_setopt(easy_, CURLOPT_COPYPOSTFIELDS, request.postBody->c_str());
    } else {
        curl_easy_setopt(easy_, CURLOPT_HTTPGET, 1L);
    }
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &HttpClient::OnBody);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &HttpClient::OnHeader);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
}

HttpClient::Failure HttpClient::Run(CURL* easy) {
    const Limits& limits = options_.limits;
    const Clock::time_point start = Clock::now();
    lastActivity_ = start;
    Failure failure = Failure::None;
    int running = 1;
    while (failure == Failure::None) {
        if (curl_multi_perform(multi_, &running) != CURLM_OK) {
            failure = Failure::Refused;
            reason_ = "the transfer failed";
            break;
        }
        if (running == 0) {
            break;
        }
        const Clock::time_point now = Clock::now();
        if (cancelled_) {
            failure = Failure::Cancelled;
            reason_ = "cancelled";
        } else if (now - lastActivity_ >= limits.stall) {
            failure = Failure::TimedOut;
            reason_ = "nothing arrived for " + Duration(limits.stall);
        } else if (now - start >= limits.overall) {
            failure = Failure::TimedOut;
            reason_ = "not complete within " + Duration(limits.overall);
        } else if (now - lastComplete_ >= limits.progress) {
            failure = NoProgressFailure();
        } else {
            const auto untilLimit = std::min({lastActivity_ + limits.stall, start + limits.overall,
                                              lastComplete_ + limits.progress}) -
                                    now;
            const auto wait =
                std::clamp(std::chrono::duration_cast<std::chrono::milliseconds>(untilLimit) +
                               std::chrono::milliseconds(1),
                           std::chrono::milliseconds(1), kMaxPoll);
            curl_multi_poll(multi_, nullptr, 0, static_cast<int>(wait.count()), nullptr);
        }
    }
    if (failure != Failure::None) {
        return failure;
    }
    failure = Failure::Refused;  // unless the transfer reports how it ended
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == easy) {
            const CURLcode code = message->data.result;
            failure = FailureOf(code);
            reason_ = *curlError_ != '\0' ? curlError_ : curl_easy_strerror(code);
        }
    }
    return failure;
}

HttpClient::Failure HttpClient::Perform(CURL* easy) {
    reason_.clear();
    curlError_[0] = '\0';
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, curlError_);
    if (curl_multi_add_handle(multi_, easy) != CURLM_OK) {
        reason_ = "the transfer could not start";
        return Failure::Refused;
    }
    Failure failure = Run(easy);
    if (failure == Failure::TimedOut) {
        // Timed out before a connection was made: nothing answered.
        curl_off_t connected = 0;
        curl_easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &connected);
        if (connected == 0) {
            failure = Failure::Unreachable;
            reason_ = "no answer within " + Duration(options_.limits.connect);
        }
    }
    curl_multi_remove_handle(multi_, easy);
    return failure;
}

HttpClient::Failure HttpClient::Connect(const std::string& url) {
    if (cancelled_) {
        return Failure::Cancelled;
    }
    if (multi_ == nullptr) {
        return Failure::Refused;
    }
    CURL* probe = curl_easy_init();
    if (probe == nullptr) {
        return Failure::Refused;
    }
    const auto connectLimit = static_cast<long>(options_.limits.connect.count());
    curl_easy_setopt(probe, CURLOPT_URL, url.c_str());
    curl_easy_setopt(probe, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(probe, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(probe, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(probe, CURLOPT_CONNECTTIMEOUT_MS, connectLimit);
    curl_easy_setopt(probe, CURLOPT_TIMEOUT_MS, connectLimit);
    if (!options_.extraCaFile.empty()) {
        curl_easy_setopt(probe, CURLOPT_CAINFO, options_.extraCaFile.c_str());
    }
    const Failure failure = Perform(probe);
    curl_easy_cleanup(probe);
    return failure;
}

HttpClient::Failure HttpClient::NoProgressFailure() {
    const int tries = triesSinceComplete_ + 1;
    reason_ = "The site sent no whole page for " + Duration(options_.limits.progress) + ", over " +
              std::to_string(tries) + (tries == 1 ? " try" : " tries") +
              "; this seller's update was stopped. The site may be down or very slow: try again "
              "later.";
    return Failure::NoProgress;
}

HttpClient::Result HttpClient::Fetch(const Request& request) {
    const Result result = FetchFollowing(request);
    if (result.failure == Failure::None) {
        lastComplete_ = Clock::now();
        triesSinceComplete_ = 0;
    } else {
        ++triesSinceComplete_;
    }
    return result;
}

HttpClient::Result HttpClient::FetchFollowing(const Request& request) {
    Request next = request;
    for (long hop = 0; hop <= kMaxRedirects; ++hop) {
        if (const PasswordRecipients* recipients = next.passwordRecipients;
            recipients != nullptr && !recipients->Accepts(next.url)) {
            return Refusal("the password would go to " +
                           url::OriginOf(next.url).value_or(next.url) +
                           ", which is not a server of the site (" + recipients->Servers() +
                           "); it was not sent");
        }
        Result result = Transfer(next);
        if (next.passwordRecipients == nullptr || result.failure != Failure::None ||
            result.response.redirect.empty()) {
            return result;
        }
        const long status = result.response.status;
        const bool keepsBody = status == 307 || status == 308;
        next =
            Request{std::move(result.response.redirect), keepsBody ? next.postBody : std::nullopt,
                    next.referer, keepsBody ? next.passwordRecipients : nullptr};
    }
    return Refusal("more than " + std::to_string(kMaxRedirects) + " redirects");
}

HttpClient::Result HttpClient::Refusal(std::string reason) {
    Result refused;
    refused.failure = Failure::Refused;
    refused.reason = std::move(reason);
    return refused;
}

HttpClient::Result HttpClient::Transfer(const Request& request) {
    Result result;
    if (cancelled_) {
        result.failure = Failure::Cancelled;
        result.reason = "cancelled";
        return result;
    }
    if (easy_ == nullptr || multi_ == nullptr) {
        result.failure = Failure::Refused;
        result.reason = "the transfer could not start";
        return result;
    }
    if (Clock::now() - lastComplete_ >= options_.limits.progress) {
        result.failure = NoProgressFailure();
        result.reason = reason_;
        return result;
    }
    body_.clear();
    bodyTooLarge_ = false;
    Configure(request);
    result.failure = Perform(easy_);
    if (bodyTooLarge_) {
        result.failure = Failure::Refused;
        reason_ =
            "the page is larger than " + std::to_string(options_.limits.maxBodyBytes) + " bytes";
    }
    if (result.failure != Failure::None) {
        result.reason = reason_;
        body_.clear();
        return result;
    }

    Response& response = result.response;
    char* location = nullptr;
    if (curl_easy_getinfo(easy_, CURLINFO_EFFECTIVE_URL, &location) == CURLE_OK &&
        location != nullptr) {
        response.location = location;
    }
    char* contentType = nullptr;
    if (curl_easy_getinfo(easy_, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK &&
        contentType != nullptr) {
        response.contentType = contentType;
    }
    curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &response.status);
    char* redirect = nullptr;
    if (request.passwordRecipients != nullptr &&
        curl_easy_getinfo(easy_, CURLINFO_REDIRECT_URL, &redirect) == CURLE_OK &&
        redirect != nullptr) {
        response.redirect = redirect;
    }
    response.body = std::move(body_);
    body_.clear();
    return result;
}

}  // namespace gb::retrieval
