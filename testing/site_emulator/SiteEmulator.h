#pragma once
// The site emulator: plays the servers of the auction sites on one loopback
// port that speaks HTTP and HTTPS, for a configured set of sellers. It serves
// the sign-in form and checks it, the adult-consent form, the sellers' listing
// pages with and without the buyers' e-mail addresses over as many pages as
// their items fill, and the buyer pages; and it can be told to fail for a
// seller (see Fault). Every site's five servers are this one port, so a
// client points each server's host name at Host().
//
// Used by the end-to-end tests and by the program site-emulator.

#include <httplib.h>

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "EmulatedSeller.h"
#include "EmulatorCertificates.h"
#include "HostileAnswers.h"
#include "ProtocolSwitch.h"

namespace gb::emulator {

// One request the emulator answered.
struct RecordedRequest {
    std::string method;   // "GET", "POST"
    std::string target;   // path and query
    bool secure = false;  // came over HTTPS
    int status = 0;       // of the answer
    std::string host;     // the server the client addressed: its Host header
};

class SiteEmulator {
public:
    // Takes the port on 127.0.0.1 (0: a free one) and makes the certificates.
    // Throws std::runtime_error when it cannot.
    explicit SiteEmulator(std::vector<EmulatedSeller> sellers = {}, std::uint16_t port = 0);
    ~SiteEmulator();
    SiteEmulator(const SiteEmulator&) = delete;
    SiteEmulator& operator=(const SiteEmulator&) = delete;

    // Starts answering. Throws std::runtime_error when the servers cannot start.
    void Start();
    // Releases stalled answers, closes every connection and stops.
    void Stop();

    // "127.0.0.1:port": the host of every server of every site.
    std::string Host() const;
    std::uint16_t Port() const { return switch_.Port(); }
    // "127.0.0.1:port" of the emulator's plain HTTP server alone: there an
    // https client finds no TLS.
    std::string PlainOnlyHost() const;
    // The certificate authority that signed the emulator's certificate.
    const std::filesystem::path& AuthorityFile() const { return certificates_.AuthorityFile(); }

    // Adds the seller, or replaces the one with the same user ID.
    void PutSeller(EmulatedSeller seller);
    // False when no seller has that user ID.
    bool SetFault(std::string_view userId, Fault fault);

    // The requests answered so far, in the order answered.
    std::vector<RecordedRequest> Requests() const;
    // Called on a server thread after every answer; set before Start.
    void SetObserver(std::function<void(const RecordedRequest&)> observer);

private:
    struct Exchange;
    using Handler = void (SiteEmulator::*)(Exchange&);
    struct Session {
        std::string userId;
        bool adult = false;
    };
    struct ItemOwner {
        EmulatedItem item;
        sites::SiteClass site;
        Fault fault;
    };

    static Handler HandlerOf(std::string_view command);
    void Handle(const httplib::Request& request, httplib::Response& response, bool secure);

    void ServeSignInPage(Exchange& exchange);
    void ServeSignInCheck(Exchange& exchange);
    void ServeSignedIn(Exchange& exchange);
    void ServeAdultConsentPage(Exchange& exchange);
    void ServeAdultConsent(Exchange& exchange);
    void ServePublicListing(Exchange& exchange);
    void ServeListingWithEmails(Exchange& exchange);
    void ServeListing(Exchange& exchange, bool withEmails);
    void ServeBuyerPage(Exchange& exchange);
    void ServeItemPage(Exchange& exchange);
    void ServeFeedbackPage(Exchange& exchange);

    static void Answer(Exchange& exchange, const std::string& page);
    // The sign-in form, which comes back to this request's page when refused;
    // `fault` may strike its action (an http address, another host), its
    // user ID field or its nesting.
    void AnswerSignIn(Exchange& exchange, const Fault& fault);
    // Answers the request as the fault says when it strikes `point`: true when
    // answered. A stall returns false once over, for the normal answer to follow.
    bool Faulted(Exchange& exchange, const Fault& fault, FaultPoint point);

    std::optional<EmulatedSeller> FindSeller(std::string_view userId) const;
    std::optional<ItemOwner> FindItem(std::string_view number) const;
    // The fault striking `point` of a seller whose site's sign-in or
    // adult-consent page (`point`) is at `target`.
    Fault SitePageFault(FaultPoint point, std::string_view target) const;
    std::optional<Session> SessionOf(const httplib::Request& request) const;
    std::string NewSession(std::string_view userId);
    // Waits until the emulator stops, or a long while.
    void StallUntilStopped();
    StopWait StopWaiter();

    EmulatorCertificates certificates_;
    ProtocolSwitch switch_;
    std::unique_ptr<httplib::Server> plain_;
    std::unique_ptr<httplib::Server> tls_;
    int plainPort_ = 0;
    int tlsPort_ = 0;
    std::thread plainThread_;
    std::thread tlsThread_;
    std::function<void(const RecordedRequest&)> observer_;

    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::vector<EmulatedSeller> sellers_;
    std::map<std::string, Session> sessions_;
    std::vector<RecordedRequest> requests_;
};

}  // namespace gb::emulator
