#include "support/test_servers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

#include "certificate.h"

namespace strevo::test {
namespace {

// Reads one request: the header block and as many body bytes as Content-Length says.
std::string read_request(int fd) {
    std::string data;
    char buffer[4096];
    size_t header_end = std::string::npos;
    size_t wanted = 0;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 5000) <= 0) break;
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        data.append(buffer, static_cast<size_t>(n));
        if (header_end == std::string::npos) {
            header_end = data.find("\r\n\r\n");
            if (header_end == std::string::npos) continue;
            const std::string head = data.substr(0, header_end);
            for (const char* name : {"Content-Length: ", "content-length: "}) {
                const size_t at = head.find(name);
                if (at != std::string::npos) wanted = std::strtoul(head.c_str() + at + 16, nullptr, 10);
            }
        }
        if (data.size() >= header_end + 4 + wanted) break;
    }
    return data;
}

}  // namespace

RawServer::RawServer(Responder responder) : responder_(std::move(responder)) {
    listen_fd_ = socket(AF_INET, SOCK_STREAM, 0);
    const int yes = 1;
    setsockopt(listen_fd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listen_fd_, 16);
    socklen_t length = sizeof address;
    getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

RawServer::~RawServer() {
    stopping_ = true;
    thread_.join();
    for (const int fd : held_) close(fd);
    close(listen_fd_);
}

std::string RawServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> RawServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void RawServer::serve() {
    while (!stopping_) {
        pollfd p{listen_fd_, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0) continue;
        const int fd = accept(listen_fd_, nullptr, nullptr);
        if (fd < 0) continue;
        const std::string request = read_request(fd);
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(request);
        }
        const std::optional<std::string> answer = responder_(request);
        if (!answer) {
            held_.push_back(fd);
            continue;
        }
        send(fd, answer->data(), answer->size(), MSG_NOSIGNAL);
        close(fd);
    }
}

std::string http_response(int status, const std::string& body, const std::string& extra_headers) {
    return "HTTP/1.1 " + std::to_string(status) + " Status\r\n" + extra_headers +
           "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

HttpFixture::HttpFixture(bool tls) : tls_(tls) {
    if (tls) {
        const demo::Certificate certificate = demo::make_self_signed_certificate();
        server_ = std::make_unique<httplib::SSLServer>(certificate.certificate.get(),
                                                       certificate.key.get());
    } else {
        server_ = std::make_unique<httplib::Server>();
    }
}

HttpFixture::~HttpFixture() {
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

void HttpFixture::start() {
    port_ = server_->bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
}

std::string HttpFixture::base() const {
    return std::string(tls_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
}

}  // namespace strevo::test
