// The demo search site: result pages over HTTPS and the stream endpoints their addresses
// point at over plain HTTP, all on loopback.
#pragma once

#include <httplib.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "site_data.h"

namespace strevo::demo {

struct SiteOptions {
    std::string bind = "127.0.0.1";
    int port = 8443;      // 0: any free port
    int stream_port = 0;  // 0: any free port
};

class DemoSite {
public:
    DemoSite();
    ~DemoSite();
    DemoSite(const DemoSite&) = delete;
    DemoSite& operator=(const DemoSite&) = delete;

    // Starts listening; false when the site's port cannot be bound.
    bool start(const SiteOptions& options);
    void stop();

    int port() const { return port_; }
    std::string base() const;  // "https://host:port", the search base of the program
    const StreamHosts& stream_hosts() const { return hosts_; }
    // Whether the streams answer on [::1] too (not on a machine without IPv6 loopback).
    bool serves_ipv6() const { return serves_ipv6_; }
    const std::vector<DemoEntry>& entries() const { return entries_; }

    // How often each stream path was asked for, by any method.
    std::map<std::string, int> stream_hits() const;

private:
    void add_site_routes();
    void add_stream_routes(httplib::Server& server);
    void count_hit(const std::string& path);
    void run(httplib::Server& server);

    std::string bind_;
    int port_ = 0;
    StreamHosts hosts_;
    bool serves_ipv6_ = false;
    std::vector<DemoEntry> entries_;
    std::unique_ptr<httplib::Server> site_;
    std::unique_ptr<httplib::Server> streams_v4_;
    std::unique_ptr<httplib::Server> streams_v6_;
    std::vector<std::thread> threads_;
    mutable std::mutex hits_mutex_;
    std::map<std::string, int> hits_;
};

}  // namespace strevo::demo
