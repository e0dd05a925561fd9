#include "SiteEmulator.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <climits>
#include <iterator>
#include <random>
#include <span>
#include <stdexcept>

#include "FormPages.h"
#include "HostileAnswers.h"
#include "SitePages.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"

using namespace gb::sites;

namespace gb::emulator {

namespace {

constexpr char kLoopback[] = "127.0.0.1";
constexpr char kHtml[] = "text/html; charset=windows-1252";
constexpr char kSessionCookie[] = "gbsession";
constexpr char kIsapiProgram[] = "/eBayISAPI.dll";
// A stalled answer is given up after this long even if nobody stops the emulator.
constexpr std::chrono::seconds kStallLimit{120};
constexpr int kDefaultDays = 30;
// How long a reset connection's first half has to reach the client before the
// reset: far longer than loopback needs.
constexpr std::chrono::milliseconds kResetDelay{200};

// The command of a request to a site's ISAPI program: the first key of its
// query ("SignIn" in "?SignIn&ssPageName=..."), or the value of
// "MfcISAPICommand" when the query starts with that key.
std::string CommandOf(const httplib::Request& request) {
    const std::size_t query = request.target.find('?');
    if (query == std::string::npos) {
        return {};
    }
    std::string_view first = std::string_view(request.target).substr(query + 1);
    first = first.substr(0, first.find('&'));
    const std::size_t equals = first.find('=');
    if (equals != std::string_view::npos && first.substr(0, equals) == "MfcISAPICommand") {
        return std::string(first.substr(equals + 1));
    }
    return std::string(first.substr(0, equals));
}

int NumberParam(const httplib::Request& request, const char* name, int fallback, int lowest,
                int highest) {
    const std::string text = request.get_param_value(name);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return fallback;
    }
    return value;
}

std::optional<std::string> CookieValue(const httplib::Request& request, std::string_view name) {
    const std::string header = request.get_header_value("Cookie");
    std::string_view cookies = header;
    while (!cookies.empty()) {
        const std::size_t end = cookies.find(';');
        std::string_view pair = cookies.substr(0, end);
        cookies = end == std::string_view::npos ? std::string_view() : cookies.substr(end + 1);
        while (!pair.empty() && pair.front() == ' ') {
            pair.remove_prefix(1);
        }
        if (pair.size() > name.size() && pair.starts_with(name) && pair[name.size()] == '=') {
            return std::string(pair.substr(name.size() + 1));
        }
    }
    return std::nullopt;
}

// The path and query of an absolute URL.
std::string_view TargetOf(std::string_view url) {
    const std::size_t scheme = url.find("://");
    const std::size_t path = url.find('/', scheme == std::string_view::npos ? 0 : scheme + 3);
    return path == std::string_view::npos ? std::string_view("/") : url.substr(path);
}

// A page of this emulator to go back to: a path of its own, nothing that could
// leave it or break the header.
bool IsLocalTarget(std::string_view target) {
    return target.starts_with('/') && !target.starts_with("//") &&
           std::none_of(target.begin(), target.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool SameUser(std::string_view a, std::string_view b) {
    return !a.empty() && cp1252::EqualsNoCase(a, b);
}

}  // namespace

struct SiteEmulator::Exchange {
    const httplib::Request& request;
    httplib::Response& response;
    bool secure;
};

SiteEmulator::SiteEmulator(std::vector<EmulatedSeller> sellers, std::uint16_t port)
    : switch_(port), sellers_(std::move(sellers)) {}

SiteEmulator::~SiteEmulator() {
    Stop();
}

std::string SiteEmulator::Host() const {
    return std::string(kLoopback) + ":" + std::to_string(Port());
}

std::string SiteEmulator::PlainOnlyHost() const {
    return std::string(kLoopback) + ":" + std::to_string(plainPort_);
}

void SiteEmulator::Start() {
    plain_ = std::make_unique<httplib::Server>();
    tls_ = std::make_unique<httplib::SSLServer>(certificates_.ServerCertificate(),
                                                certificates_.ServerKey());
    if (!tls_->is_valid()) {
        throw std::runtime_error("The emulator's HTTPS server could not be set up");
    }
    for (const bool secure : {false, true}) {
        httplib::Server& server = secure ? *tls_ : *plain_;
        // One request per connection, so that stopping never waits for an
        // idle connection.
        server.set_keep_alive_max_count(1);
        const auto handle = [this, secure](const httplib::Request& request,
                                           httplib::Response& response) {
            Handle(request, response, secure);
        };
        server.Get(".*", handle);
        server.Post(".*", handle);
    }
    plainPort_ = plain_->bind_to_any_port(kLoopback);
    tlsPort_ = tls_->bind_to_any_port(kLoopback);
    if (plainPort_ <= 0 || tlsPort_ <= 0) {
        throw std::runtime_error("The emulator's servers could not bind to the loopback address");
    }
    plainThread_ = std::thread([this] { plain_->listen_after_bind(); });
    tlsThread_ = std::thread([this] { tls_->listen_after_bind(); });
    // A stop before the servers run would be lost.
    for (int i = 0; i < 2000 && !(plain_->is_running() && tls_->is_running()); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    switch_.Start(static_cast<std::uint16_t>(plainPort_), static_cast<std::uint16_t>(tlsPort_));
}

void SiteEmulator::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    switch_.Stop();
    for (auto [server, thread] :
         {std::pair{plain_.get(), &plainThread_}, std::pair{tls_.get(), &tlsThread_}}) {
        if (thread->joinable()) {
            server->stop();
            thread->join();
        }
    }
}

void SiteEmulator::PutSeller(EmulatedSeller seller) {
    std::lock_guard lock(mutex_);
    const auto known = std::find_if(sellers_.begin(), sellers_.end(), [&](const auto& existing) {
        return SameUser(existing.userId, seller.userId);
    });
    if (known != sellers_.end()) {
        *known = std::move(seller);
    } else {
        sellers_.push_back(std::move(seller));
    }
}

bool SiteEmulator::SetFault(std::string_view userId, Fault fault) {
    std::lock_guard lock(mutex_);
    for (EmulatedSeller& seller : sellers_) {
        if (SameUser(seller.userId, userId)) {
            seller.fault = fault;
            return true;
        }
    }
    return false;
}

std::vector<RecordedRequest> SiteEmulator::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void SiteEmulator::SetObserver(std::function<void(const RecordedRequest&)> observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

SiteEmulator::Handler SiteEmulator::HandlerOf(std::string_view command) {
    static constexpr std::pair<std::string_view, Handler> kCommands[] = {
        {"SignIn", &SiteEmulator::ServeSignInPage},
        {"SignInWelcome", &SiteEmulator::ServeSignInCheck},
        {"MyeBay", &SiteEmulator::ServeSignedIn},
        {"AdultSignIn", &SiteEmulator::ServeAdultConsentPage},
        {"AdultSignInConfirm", &SiteEmulator::ServeAdultConsent},
        {"ViewListedItems", &SiteEmulator::ServePublicListing},
        {"ViewListedItemsWithEmails", &SiteEmulator::ServeListingWithEmails},
        {"GetBidderEmails", &SiteEmulator::ServeBuyerPage},
        {"ViewBids", &SiteEmulator::ServeBuyerPage},
        {"ViewItem", &SiteEmulator::ServeItemPage},
        {"ViewFeedback", &SiteEmulator::ServeFeedbackPage},
        {"LeaveFeedbackShow", &SiteEmulator::ServeFeedbackPage},
    };
    for (const auto& [name, handler] : kCommands) {
        if (cp1252::EqualsNoCase(name, command)) {
            return handler;
        }
    }
    return nullptr;
}

void SiteEmulator::Handle(const httplib::Request& request, httplib::Response& response,
                          bool secure) {
    Exchange exchange{request, response, secure};
    const Handler handler =
        request.path.ends_with(kIsapiProgram) ? HandlerOf(CommandOf(request)) : nullptr;
    if (handler != nullptr) {
        (this->*handler)(exchange);
    } else {
        Answer(exchange, MessagePage("Not Found", "The site has no such page."));
        response.status = 404;
    }
    const RecordedRequest record{request.method, request.target, secure, response.status,
                                 request.get_header_value("Host")};
    std::function<void(const RecordedRequest&)> observer;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(record);
        observer = observer_;
    }
    if (observer) {
        observer(record);
    }
}

void SiteEmulator::Answer(Exchange& exchange, const std::string& page) {
    exchange.response.status = 200;
    exchange.response.set_content(page, kHtml);
}

void SiteEmulator::AnswerSignIn(Exchange& exchange, const Fault& fault) {
    std::string action = exchange.request.path + "?SignInWelcome";
    if (fault.Strikes(FaultPoint::SignInPage)) {
        if (fault.kind == FaultKind::PlainSignInAction) {
            action = "http://" + Host() + action;
        } else if (fault.kind == FaultKind::ForeignSignInAction) {
            // The same server under another name: what it receives shows
            // whether the password went there.
            action = "https://localhost:" + std::to_string(Port()) + action;
        } else if (fault.kind == FaultKind::OtherPortSignInAction) {
            // The same host at the port of the emulator's own https server.
            action = "https://" + std::string(kLoopback) + ":" + std::to_string(tlsPort_) + action;
        }
    }
    const std::string page = SignInPage(
        action, exchange.request.target,
        fault.kind != FaultKind::NoSignInField || !fault.Strikes(FaultPoint::SignInPage));
    if (fault.kind == FaultKind::DeepNesting && fault.Strikes(FaultPoint::SignInPage)) {
        AnswerNestedDeep(exchange.response, page, fault.nesting, kHtml);
    } else {
        Answer(exchange, page);
    }
}

bool SiteEmulator::Faulted(Exchange& exchange, const Fault& fault, FaultPoint point) {
    if (!fault.Strikes(point)) {
        return false;
    }
    switch (fault.kind) {
        case FaultKind::ServerError:
            Answer(exchange, MessagePage("Internal Server Error",
                                         "The server met an error and could not answer."));
            exchange.response.status = 500;
            return true;
        case FaultKind::Stall:
            StallUntilStopped();
            return false;
        case FaultKind::HugePage:
            AnswerHugePage(exchange.response, StopWaiter());
            return true;
        case FaultKind::Drip:
            AnswerDrip(exchange.response, StopWaiter());
            return true;
        case FaultKind::CompressionBomb:
            AnswerCompressionBomb(exchange.response, StopWaiter());
            return true;
        case FaultKind::RedirectLoop:
            AnswerRedirectLoop(exchange.response, exchange.request.target);
            return true;
        case FaultKind::ForeignSignInPage:
            // The page moves to another name of this server, which then serves
            // it: its form posts there, and what arrives shows whether the
            // password went along.
            if (exchange.request.get_header_value("Host").starts_with("localhost")) {
                return false;
            }
            exchange.response.set_redirect("https://localhost:" + std::to_string(Port()) +
                                           exchange.request.target);
            return true;
        case FaultKind::ForeignSignInRedirect:
            // The sign-in post, password and all, is sent on to another name
            // of this server.
            exchange.response.set_redirect(
                "https://localhost:" + std::to_string(Port()) + exchange.request.target, 307);
            return true;
        case FaultKind::ResetConnection: {
            // Half the page goes out, then the connection is reset.
            const auto page = std::make_shared<const std::string>(MessagePage(
                "Items", "This page is reset halfway through on its way to the client."));
            const int relayPort = exchange.request.remote_port;
            exchange.response.status = 200;
            exchange.response.set_content_provider(
                page->size(), kHtml,
                [this, page, relayPort](std::size_t, std::size_t, httplib::DataSink& sink) {
                    sink.write(page->data(), page->size() / 2);
                    StopWaiter()(kResetDelay);
                    switch_.Reset(static_cast<std::uint16_t>(relayPort));
                    return false;
                });
            return true;
        }
        case FaultKind::DropConnection: {
            // Half the page goes out, then the connection is cut.
            const auto page = std::make_shared<const std::string>(MessagePage(
                "Items", "This page is cut off halfway through on its way to the client."));
            exchange.response.status = 200;
            exchange.response.set_content_provider(
                page->size(), kHtml,
                [page](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    if (offset == 0) {
                        sink.write(page->data(), page->size() / 2);
                    }
                    return false;
                });
            return true;
        }
        default:
            return false;
    }
}

StopWait SiteEmulator::StopWaiter() {
    return [this](std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex_);
        return stopped_.wait_for(lock, limit, [this] { return stopping_; });
    };
}

void SiteEmulator::StallUntilStopped() {
    std::unique_lock lock(mutex_);
    stopped_.wait_for(lock, kStallLimit, [this] { return stopping_; });
}

void SiteEmulator::ServeSignInPage(Exchange& exchange) {
    const Fault fault = SitePageFault(FaultPoint::SignInPage, exchange.request.target);
    if (!Faulted(exchange, fault, FaultPoint::SignInPage)) {
        AnswerSignIn(exchange, fault);
    }
}

void SiteEmulator::ServeSignInCheck(Exchange& exchange) {
    const httplib::Request& request = exchange.request;
    const std::optional<EmulatedSeller> seller = FindSeller(request.get_param_value("userid"));
    const Fault fault = seller ? seller->fault : Fault{};
    if (Faulted(exchange, fault, FaultPoint::SignInCheck)) {
        return;
    }
    exchange.response.status = 302;
    if (seller && seller->password == request.get_param_value("pass") &&
        !fault.Strikes(FaultPoint::SignInCheck)) {
        exchange.response.set_header("Set-Cookie", std::string(kSessionCookie) + "=" +
                                                       NewSession(seller->userId) + "; Path=/");
        exchange.response.set_redirect(request.path + "?MyeBay");
        return;
    }
    // A refused sign-in shows the sign-in page again, at its own address.
    const std::string back = request.get_param_value(kReturnToField);
    exchange.response.set_redirect(IsLocalTarget(back) ? back : request.path + "?SignIn");
}

void SiteEmulator::ServeSignedIn(Exchange& exchange) {
    const std::optional<Session> session = SessionOf(exchange.request);
    Answer(exchange, MessagePage("My eBay", session ? "Welcome, " + session->userId + "."
                                                    : std::string("You are not signed in.")));
}

void SiteEmulator::ServeAdultConsentPage(Exchange& exchange) {
    const Fault fault = SitePageFault(FaultPoint::AdultPage, exchange.request.target);
    if (Faulted(exchange, fault, FaultPoint::AdultPage)) {
        return;
    }
    const std::string page = AdultConsentPage(exchange.request.path + "?AdultSignInConfirm");
    if (fault.kind == FaultKind::DeepNesting) {
        AnswerNestedDeep(exchange.response, page, fault.nesting, kHtml);
    } else {
        Answer(exchange, page);
    }
}

void SiteEmulator::ServeAdultConsent(Exchange& exchange) {
    if (const std::optional<std::string> token = CookieValue(exchange.request, kSessionCookie)) {
        std::lock_guard lock(mutex_);
        if (const auto session = sessions_.find(*token); session != sessions_.end()) {
            session->second.adult = true;
        }
    }
    exchange.response.set_header("Set-Cookie", "adult=1; Path=/");
    Answer(exchange,
           MessagePage("Mature Audiences", "You may now see items for mature audiences."));
}

void SiteEmulator::ServePublicListing(Exchange& exchange) {
    ServeListing(exchange, false);
}

void SiteEmulator::ServeListingWithEmails(Exchange& exchange) {
    ServeListing(exchange, true);
}

void SiteEmulator::ServeListing(Exchange& exchange, bool withEmails) {
    const httplib::Request& request = exchange.request;
    const std::string userId = request.get_param_value("userid");
    const std::optional<EmulatedSeller> seller = FindSeller(userId);
    if (!seller) {
        Answer(exchange, MessagePage("Items listed", "There is no seller " + userId + "."));
        return;
    }
    if (Faulted(exchange, seller->fault, FaultPoint::Listing)) {
        return;
    }
    // The buyers' addresses are shown to the seller alone.
    if (withEmails) {
        const std::optional<Session> session = SessionOf(request);
        if (!session || !SameUser(session->userId, seller->userId)) {
            AnswerSignIn(exchange, {});
            return;
        }
    }
    const int days = NumberParam(request, "since", kDefaultDays, 0, UINT16_MAX);
    const int page = NumberParam(request, "page", 1, 1, INT_MAX);
    const DateTime now = Clock::Now();
    const DateTime oldestEnd = now.AddHours(-24 * static_cast<std::int64_t>(days));
    std::vector<EmulatedItem> shown;
    if (seller->fault.kind != FaultKind::NoRows) {
        std::copy_if(seller->items.begin(), seller->items.end(), std::back_inserter(shown),
                     [&](const EmulatedItem& item) { return !(item.end < oldestEnd); });
    }
    const std::size_t perPage = static_cast<std::size_t>(std::max(seller->rowsPerPage, 1));
    const int lastPage = std::max(1, static_cast<int>((shown.size() + perPage - 1) / perPage));
    // Endless pages show the seller's pages over and over, each saying that
    // another follows.
    const bool endless = seller->fault.kind == FaultKind::EndlessPages;
    const int pageCount = endless ? std::min(page, INT_MAX - 1) + 1 : lastPage;
    const int shownPage = endless ? (page - 1) % lastPage + 1 : page;
    const std::size_t first = static_cast<std::size_t>(shownPage - 1) * perPage;
    const std::span<const EmulatedItem> rows =
        first < shown.size() ? std::span<const EmulatedItem>(shown).subspan(
                                   first, std::min(perPage, shown.size() - first))
                             : std::span<const EmulatedItem>();
    const SitePages pages(seller->site, Host());
    Answer(exchange,
           pages.ListingPage(
               {userId, withEmails, page, pageCount, static_cast<std::uint16_t>(days)}, rows, now));
}

void SiteEmulator::ServeBuyerPage(Exchange& exchange) {
    const std::optional<ItemOwner> owner = FindItem(exchange.request.get_param_value("item"));
    if (!owner) {
        Answer(exchange, MessagePage("Bidder e-mail addresses", "There is no such item."));
    } else if (!Faulted(exchange, owner->fault, FaultPoint::BuyerPage)) {
        Answer(exchange, SitePages(owner->site, Host()).BuyerPage(owner->item));
    }
}

void SiteEmulator::ServeItemPage(Exchange& exchange) {
    const std::optional<ItemOwner> owner = FindItem(exchange.request.get_param_value("item"));
    Answer(exchange, owner ? SitePages(owner->site, Host()).ItemPage(owner->item)
                           : MessagePage("Item", "There is no such item."));
}

void SiteEmulator::ServeFeedbackPage(Exchange& exchange) {
    const std::string user = exchange.request.get_param_value("userid");
    Answer(exchange, MessagePage("Feedback", user.empty() ? std::string("Leave feedback.")
                                                          : "Feedback for " + user + "."));
}

std::optional<EmulatedSeller> SiteEmulator::FindSeller(std::string_view userId) const {
    std::lock_guard lock(mutex_);
    for (const EmulatedSeller& seller : sellers_) {
        if (SameUser(seller.userId, userId)) {
            return seller;
        }
    }
    return std::nullopt;
}

std::optional<SiteEmulator::ItemOwner> SiteEmulator::FindItem(std::string_view number) const {
    std::lock_guard lock(mutex_);
    for (const EmulatedSeller& seller : sellers_) {
        for (const EmulatedItem& item : seller.items) {
            if (!number.empty() && item.number == number) {
                return ItemOwner{item, seller.site, seller.fault};
            }
        }
    }
    return std::nullopt;
}

Fault SiteEmulator::SitePageFault(FaultPoint point, std::string_view target) const {
    std::lock_guard lock(mutex_);
    for (const EmulatedSeller& seller : sellers_) {
        if (seller.fault.Strikes(point)) {
            const SiteUrls urls = SiteProfileOf(seller.site).ResolveUrls({});
            const std::string& page =
                point == FaultPoint::AdultPage ? urls.adultSignIn : urls.signIn;
            if (TargetOf(page) == target) {
                return seller.fault;
            }
        }
    }
    return {};
}

std::optional<SiteEmulator::Session> SiteEmulator::SessionOf(
    const httplib::Request& request) const {
    const std::optional<std::string> token = CookieValue(request, kSessionCookie);
    if (!token) {
        return std::nullopt;
    }
    std::lock_guard lock(mutex_);
    const auto session = sessions_.find(*token);
    if (session == sessions_.end()) {
        return std::nullopt;
    }
    return session->second;
}

std::string SiteEmulator::NewSession(std::string_view userId) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::random_device source;
    std::string token;
    for (int i = 0; i < 32; ++i) {
        token += kHex[source() % 16];
    }
    std::lock_guard lock(mutex_);
    sessions_[token] = Session{std::string(userId)};
    return token;
}

}  // namespace gb::emulator
