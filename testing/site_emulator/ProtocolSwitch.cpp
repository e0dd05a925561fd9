#include "ProtocolSwitch.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace gb::emulator {

namespace {

constexpr unsigned char kTlsHandshake = 0x16;
// How long a connection may stay silent before its first byte.
constexpr int kFirstByteMilliseconds = 30000;
constexpr std::size_t kChunk = 16 * 1024;

sockaddr_in LoopbackAddress(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int ConnectLoopback(std::uint16_t port) {
    const int server = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (server < 0) {
        return -1;
    }
    sockaddr_in address = LoopbackAddress(port);
    if (::connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(server);
        return -1;
    }
    return server;
}

bool SendAll(int socket, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t sent = ::send(socket, data, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

}  // namespace

ProtocolSwitch::ProtocolSwitch(std::uint16_t port) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    wake_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    const int reuse = 1;
    sockaddr_in address = LoopbackAddress(port);
    socklen_t length = sizeof address;
    if (listener_ < 0 || wake_ < 0 ||
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse) != 0 ||
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener_, SOMAXCONN) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        const int error = errno;
        if (listener_ >= 0) {
            ::close(listener_);
        }
        if (wake_ >= 0) {
            ::close(wake_);
        }
        throw std::runtime_error("The emulator cannot listen on 127.0.0.1:" + std::to_string(port) +
                                 ": " + std::strerror(error));
    }
    port_ = ntohs(address.sin_port);
}

ProtocolSwitch::~ProtocolSwitch() {
    Stop();
    ::close(listener_);
    ::close(wake_);
}

void ProtocolSwitch::Start(std::uint16_t plainPort, std::uint16_t tlsPort) {
    plainPort_ = plainPort;
    tlsPort_ = tlsPort;
    acceptor_ = std::thread([this] { AcceptLoop(); });
}

void ProtocolSwitch::Stop() {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) {
            return;
        }
        stopping_ = true;
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(wake_, &one, sizeof one);
        for (const int socket : open_) {
            ::shutdown(socket, SHUT_RDWR);
        }
    }
    if (acceptor_.joinable()) {
        acceptor_.join();
    }
    // No relay starts any more; those running end at the wake event.
    for (Relay& relay : relays_) {
        relay.thread.join();
    }
    relays_.clear();
}

void ProtocolSwitch::AcceptLoop() {
    for (;;) {
        std::array<pollfd, 2> waits{{{listener_, POLLIN, 0}, {wake_, POLLIN, 0}}};
        if (::poll(waits.data(), waits.size(), -1) < 0 && errno != EINTR) {
            return;
        }
        if (waits[1].revents != 0) {
            return;
        }
        if (waits[0].revents == 0) {
            continue;
        }
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            continue;
        }
        std::lock_guard lock(mutex_);
        if (stopping_) {
            ::close(client);
            return;
        }
        ReapFinished();
        open_.insert(client);
        Relay& relay = relays_.emplace_back();
        relay.thread = std::thread([this, client, &relay] { RelayConnection(client, relay); });
    }
}

void ProtocolSwitch::ReapFinished() {
    for (auto relay = relays_.begin(); relay != relays_.end();) {
        if (relay->done) {
            relay->thread.join();
            relay = relays_.erase(relay);
        } else {
            ++relay;
        }
    }
}

void ProtocolSwitch::RelayConnection(int client, Relay& relay) {
    std::array<pollfd, 2> waits{{{client, POLLIN, 0}, {wake_, POLLIN, 0}}};
    unsigned char first = 0;
    if (::poll(waits.data(), waits.size(), kFirstByteMilliseconds) > 0 && waits[1].revents == 0 &&
        ::recv(client, &first, 1, MSG_PEEK) == 1) {
        const int server = ConnectLoopback(first == kTlsHandshake ? tlsPort_ : plainPort_);
        if (server >= 0) {
            Track(server);
            Attach(relay, server);
            Pump(client, server);
            Detach(relay);
            CloseTracked(server);
        }
    }
    if (Detach(relay)) {
        // Closing with a zero linger time resets the connection.
        const linger abort{1, 0};
        ::setsockopt(client, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    }
    CloseTracked(client);
    std::lock_guard lock(mutex_);
    relay.done = true;
}

void ProtocolSwitch::Attach(Relay& relay, int server) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    std::lock_guard lock(mutex_);
    relay.server = server;
    if (::getsockname(server, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        relay.serverPort = ntohs(address.sin_port);
    }
}

bool ProtocolSwitch::Detach(Relay& relay) {
    std::lock_guard lock(mutex_);
    relay.server = -1;
    return relay.reset;
}

void ProtocolSwitch::Reset(std::uint16_t relayPort) {
    std::lock_guard lock(mutex_);
    for (Relay& relay : relays_) {
        if (!relay.done && relay.server >= 0 && relay.serverPort == relayPort) {
            relay.reset = true;
            // The relay sees the server's side end and closes the client's.
            ::shutdown(relay.server, SHUT_RDWR);
        }
    }
}

void ProtocolSwitch::Pump(int client, int server) {
    std::array<char, kChunk> buffer;
    // Either side closing ends the connection: HTTP answers here are never
    // awaited after the client has stopped sending.
    for (;;) {
        std::array<pollfd, 3> waits{{{client, POLLIN, 0}, {server, POLLIN, 0}, {wake_, POLLIN, 0}}};
        if (::poll(waits.data(), waits.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (waits[2].revents != 0) {
            return;
        }
        for (std::size_t side = 0; side < 2; ++side) {
            if (waits[side].revents == 0) {
                continue;
            }
            const ssize_t received = ::recv(waits[side].fd, buffer.data(), buffer.size(), 0);
            if (received <= 0 ||
                !SendAll(waits[1 - side].fd, buffer.data(), static_cast<std::size_t>(received))) {
                return;
            }
        }
    }
}

void ProtocolSwitch::Track(int socket) {
    std::lock_guard lock(mutex_);
    open_.insert(socket);
    if (stopping_) {
        ::shutdown(socket, SHUT_RDWR);
    }
}

void ProtocolSwitch::CloseTracked(int socket) {
    std::lock_guard lock(mutex_);
    open_.erase(socket);
    ::close(socket);
}

}  // namespace gb::emulator
