#pragma once
// An HTTP or HTTPS test server on 127.0.0.1 at a free port, serving the
// routes a test registers before Start, until it is destroyed.

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace gb::emulator {
class EmulatorCertificates;
}  // namespace gb::emulator

namespace gb::test {

class LoopbackServer {
public:
    LoopbackServer();                                                             // HTTP
    explicit LoopbackServer(const emulator::EmulatorCertificates& certificates);  // HTTPS
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& Routes() { return *server_; }
    void Start();
    // "http://127.0.0.1:port" + path (https for a TLS server).
    std::string Url(std::string_view path) const;

private:
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    std::string scheme_;
    int port_ = 0;
};

// A one-way signal between a test and a server handler, with a bounded wait so
// that a failing test cannot hang.
class Signal {
public:
    void Raise();
    // True when raised within `limit`.
    bool Wait(std::chrono::milliseconds limit = std::chrono::seconds(60));

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool raised_ = false;
};

// A port on 127.0.0.1 on which nothing listens: connecting is refused.
class ClosedPort {
public:
    ClosedPort();
    ~ClosedPort();
    ClosedPort(const ClosedPort&) = delete;
    ClosedPort& operator=(const ClosedPort&) = delete;
    std::string Url() const;

private:
    int socket_ = -1;
    int port_ = 0;
};

}  // namespace gb::test
