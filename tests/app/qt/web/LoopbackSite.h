#pragma once
// A web site on 127.0.0.1 for the web views' tests.

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

// A web site on 127.0.0.1: a page with a title, a page with a mail link, a
// page whose script renames it and a page that never answers while the site
// is open.
class LoopbackSite {
public:
    LoopbackSite() {
        server_.Get("/page", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("<html><head><title>Loopback page</title></head></html>",
                                 "text/html");
        });
        server_.Get("/mail", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(
                "<html><head><title>Mail</title></head><body style='margin:0'>"
                "<a href='mailto:buyer@example.com' style='display:block;width:400px;"
                "height:300px'>write</a></body></html>",
                "text/html");
        });
        server_.Get("/script", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(kScriptPage, "text/html");
        });
        server_.Get("/never", [this](const httplib::Request&, httplib::Response&) {
            while (!closing_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        // One request per connection: the browser keeps none open when the
        // site closes.
        server_.set_keep_alive_max_count(1);
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // A stop before the server runs would be lost and leave it running.
        while (!server_.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ~LoopbackSite() {
        closing_ = true;
        server_.stop();
        thread_.join();
    }

    std::string Address(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    static constexpr const char* kScriptPage =
        "<html><head><title>Plain</title>"
        "<script>document.title = 'Scripted';</script></head></html>";

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::atomic<bool> closing_ = false;
};
