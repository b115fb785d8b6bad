#include "demo_site.h"

#include "certificate.h"

namespace strevo::demo {
namespace {

constexpr const char* good_playlist =
    "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:6\n#EXTINF:6.0,\nsegment0.ts\n";
constexpr const char* error_page = "<html><body><h1>404 Not Found</h1></body></html>\n";

}  // namespace

DemoSite::DemoSite() = default;

DemoSite::~DemoSite() { stop(); }

bool DemoSite::start(const SiteOptions& options) {
    bind_ = options.bind;
    const Certificate certificate = make_self_signed_certificate();
    if (!certificate.key) return false;
    site_ = std::make_unique<httplib::SSLServer>(certificate.certificate.get(), certificate.key.get());
    streams_v4_ = std::make_unique<httplib::Server>();
    streams_v6_ = std::make_unique<httplib::Server>();

    hosts_.port = options.stream_port == 0 ? streams_v4_->bind_to_any_port("127.0.0.1")
                  : streams_v4_->bind_to_port("127.0.0.1", options.stream_port)
                      ? options.stream_port
                      : -1;
    if (hosts_.port <= 0) return false;
    // IPv6 streams share the port; without IPv6 on loopback they are simply dead.
    serves_ipv6_ = streams_v6_->bind_to_port("::1", hosts_.port);
    entries_ = demo_entries(hosts_);
    add_site_routes();
    add_stream_routes(*streams_v4_);
    add_stream_routes(*streams_v6_);

    port_ = options.port == 0 ? site_->bind_to_any_port(bind_)
            : site_->bind_to_port(bind_, options.port) ? options.port
                                                       : -1;
    if (port_ <= 0) return false;
    run(*site_);
    run(*streams_v4_);
    if (serves_ipv6_) run(*streams_v6_);
    return true;
}

void DemoSite::run(httplib::Server& server) {
    threads_.emplace_back([&server] { server.listen_after_bind(); });
}

void DemoSite::stop() {
    for (auto* server : {site_.get(), streams_v4_.get(), streams_v6_.get()}) {
        if (server != nullptr) server->stop();
    }
    for (auto& thread : threads_) thread.join();
    threads_.clear();
}

std::string DemoSite::base() const {
    const std::string host = bind_.find(':') != std::string::npos ? "[" + bind_ + "]" : bind_;
    return "https://" + host + ":" + std::to_string(port_);
}

std::map<std::string, int> DemoSite::stream_hits() const {
    std::lock_guard lock(hits_mutex_);
    return hits_;
}

void DemoSite::count_hit(const std::string& path) {
    std::lock_guard lock(hits_mutex_);
    ++hits_[path];
}

void DemoSite::add_site_routes() {
    site_->Get("/iptvsearch/", [this](const httplib::Request& request, httplib::Response& response) {
        const std::string keyword = request.get_param_value("s");
        const int page = std::atoi(request.get_param_value("page").c_str());
        response.set_content(result_page_html(find_entries(entries_, keyword), page, keyword),
                             "text/html; charset=utf-8");
    });
    site_->Get("/", [this](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body><h1>Strevo demo search site</h1><p>" +
                                 std::to_string(entries_.size()) +
                                 " sources. Try /iptvsearch/?page=1&amp;s=CCTV</p></body></html>",
                             "text/html; charset=utf-8");
    });
}

void DemoSite::add_stream_routes(httplib::Server& server) {
    server.set_logger([this](const httplib::Request& request, const httplib::Response&) {
        count_hit(request.path);
    });
    server.Get(R"(/live/\d+/index\.m3u8)", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(good_playlist, "application/vnd.apple.mpegurl");
    });
    server.Get(R"(/bad/\d+/index\.m3u8)", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content(error_page, "text/html");
    });
    server.Get(R"(/flv/\d+\.flv)", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(std::string("FLV\x01\x05\0\0\0\x09", 9), "video/x-flv");
    });
    server.Get(R"(/gone/\d+\.flv)", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content(error_page, "text/html");
    });
    server.Get(R"(/ts/\d+)", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(std::string(188 * 8, '\x47'), "video/mp2t");
    });
}

}  // namespace strevo::demo
