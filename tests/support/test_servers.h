// Loopback servers for tests, on ports the system chooses.
#pragma once

#include <httplib.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace strevo::test {

// A plain TCP server that records every request byte for byte (request line, header lines
// in their order, body) and answers with what the responder gives. A responder that gives
// nothing leaves the connection open without an answer until the server stops.
class RawServer {
public:
    using Responder = std::function<std::optional<std::string>(const std::string& request)>;
    explicit RawServer(Responder responder);
    ~RawServer();
    RawServer(const RawServer&) = delete;
    RawServer& operator=(const RawServer&) = delete;

    int port() const { return port_; }
    std::string url(const std::string& path = "/") const;
    std::vector<std::string> requests() const;

private:
    void serve();

    Responder responder_;
    int listen_fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::vector<int> held_;
    std::thread thread_;
};

// A canned HTTP/1.1 answer with a Content-Length.
std::string http_response(int status, const std::string& body,
                          const std::string& extra_headers = "");

// A cpp-httplib server (plain or TLS with a self-signed certificate) on a thread.
class HttpFixture {
public:
    explicit HttpFixture(bool tls = false);
    ~HttpFixture();
    HttpFixture(const HttpFixture&) = delete;
    HttpFixture& operator=(const HttpFixture&) = delete;

    httplib::Server& server() { return *server_; }
    // Binds 127.0.0.1 on a free port and starts listening; call after adding the routes.
    void start();
    int port() const { return port_; }
    std::string base() const;  // scheme, host and port, without a trailing slash

private:
    bool tls_;
    std::unique_ptr<httplib::Server> server_;
    int port_ = 0;
    std::thread thread_;
};

}  // namespace strevo::test
