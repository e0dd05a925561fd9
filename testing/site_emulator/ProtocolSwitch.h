#pragma once
// One loopback port that speaks both HTTP and HTTPS, as a site's server does
// on its two standard ports: each connection is relayed to a plain or a TLS
// server on loopback according to its first byte. The sites' URL templates
// use both schemes on one server name, and the client's settings give one
// "host:port" per server, so one port must answer both.

#include <cstdint>
#include <list>
#include <mutex>
#include <set>
#include <thread>

namespace gb::emulator {

class ProtocolSwitch {
public:
    // Listens on 127.0.0.1 at `port`, or at a free port for 0. Throws
    // std::runtime_error when it cannot.
    explicit ProtocolSwitch(std::uint16_t port = 0);
    ~ProtocolSwitch();
    ProtocolSwitch(const ProtocolSwitch&) = delete;
    ProtocolSwitch& operator=(const ProtocolSwitch&) = delete;

    std::uint16_t Port() const { return port_; }

    // Starts relaying: a connection that opens with a TLS handshake goes to
    // `tlsPort`, any other to `plainPort`, both on 127.0.0.1.
    void Start(std::uint16_t plainPort, std::uint16_t tlsPort);
    // Closes every connection and waits for the relays to end.
    void Stop();
    // Resets the client's connection whose relay reaches the server from
    // `relayPort` (the port the server sees the connection come from).
    void Reset(std::uint16_t relayPort);

private:
    struct Relay {
        std::thread thread;
        // Guarded by mutex_:
        bool done = false;
        int server = -1;               // the connection to the server, once made
        std::uint16_t serverPort = 0;  // its local port
        bool reset = false;
    };

    void AcceptLoop();
    void RelayConnection(int client, Relay& relay);
    // Makes the relay's server connection known to Reset.
    void Attach(Relay& relay, int server);
    // Forgets it again, before it is closed; true when Reset struck.
    bool Detach(Relay& relay);
    void Pump(int client, int server);
    // Sockets are tracked while open, so that Stop can wake blocked relays.
    void Track(int socket);
    void CloseTracked(int socket);
    void ReapFinished();

    int listener_ = -1;
    int wake_ = -1;  // an event that every waiting relay polls
    std::uint16_t port_ = 0;
    std::uint16_t plainPort_ = 0;
    std::uint16_t tlsPort_ = 0;
    std::thread acceptor_;
    std::mutex mutex_;
    bool stopping_ = false;
    std::list<Relay> relays_;
    std::set<int> open_;
};

}  // namespace gb::emulator
