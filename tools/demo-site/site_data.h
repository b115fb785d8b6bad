// The demo site's built-in data set and its pages, in the markup of a real IPTV search site.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace strevo::demo {

// One listed source. Texts are UTF-8, as the site serves them.
struct DemoEntry {
    std::string channel;
    std::string address;
    std::string verified;    // "2026-12-10 08:31:02"
    std::string resolution;  // empty: the site shows none
};

// Where the stream endpoints live: plain HTTP on loopback, over IPv4 and IPv6.
struct StreamHosts {
    int port = 0;
    std::string ipv4_base() const { return "http://127.0.0.1:" + std::to_string(port); }
    std::string ipv6_base() const { return "http://[::1]:" + std::to_string(port); }
};

// A few hundred entries: CCTV and 卫视 stations, each with addresses of every kind the
// probe knows (good and bad playlists, Flash video, plain streams, dead and rtsp ones),
// some listed twice.
std::vector<DemoEntry> demo_entries(const StreamHosts& hosts);

// The entries whose channel or address contains the keyword, ASCII letters without case.
std::vector<const DemoEntry*> find_entries(const std::vector<DemoEntry>& entries,
                                           std::string_view keyword);

// Result page `page` (from 1) for these matches: 30 results a page under the sentence
// "About N results"; a keyword without matches gets a page without the sentence.
std::string result_page_html(const std::vector<const DemoEntry*>& matches, int page,
                             std::string_view keyword);

}  // namespace strevo::demo
