#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "EmulatorCertificates.h"

namespace gb::test {

namespace {

constexpr char kLoopback[] = "127.0.0.1";

}  // namespace

LoopbackServer::LoopbackServer() : server_(std::make_unique<httplib::Server>()), scheme_("http") {}

LoopbackServer::LoopbackServer(const emulator::EmulatorCertificates& certificates)
    : server_(std::make_unique<httplib::SSLServer>(certificates.ServerCertificate(),
                                                   certificates.ServerKey())),
      scheme_("https") {}

void LoopbackServer::Start() {
    // One request per connection, so that stopping never waits for an idle
    // keep-alive connection.
    server_->set_keep_alive_max_count(1);
    port_ = server_->bind_to_any_port(kLoopback);
    if (port_ <= 0) {
        throw std::runtime_error("The test server could not bind to the loopback address");
    }
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // Stopping before the server runs would be lost; connections made before
    // then wait in the listen queue.
    for (int i = 0; i < 1000 && !server_->is_running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

LoopbackServer::~LoopbackServer() {
    if (thread_.joinable()) {
        server_->stop();
        thread_.join();
    }
}

std::string LoopbackServer::Url(std::string_view path) const {
    return scheme_ + "://" + kLoopback + ":" + std::to_string(port_) + std::string(path);
}

void Signal::Raise() {
    {
        std::lock_guard lock(mutex_);
        raised_ = true;
    }
    changed_.notify_all();
}

bool Signal::Wait(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return raised_; });
}

ClosedPort::ClosedPort() {
    socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = 0;
    ::inet_pton(AF_INET, kLoopback, &address.sin_addr);
    socklen_t length = sizeof(address);
    if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("No free loopback port");
    }
    port_ = ntohs(address.sin_port);
}

ClosedPort::~ClosedPort() {
    if (socket_ >= 0) {
        ::close(socket_);
    }
}

std::string ClosedPort::Url() const {
    return std::string("http://") + kLoopback + ":" + std::to_string(port_) + "/";
}

}  // namespace gb::test
