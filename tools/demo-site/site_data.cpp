#include "site_data.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace strevo::demo {
namespace {

constexpr int per_page = 30;

constexpr std::array cctv = {
    "CCTV-1综合",   "CCTV-2财经",   "CCTV-3综艺",     "CCTV-4中文国际", "CCTV-5体育",
    "CCTV-5+体育赛事", "CCTV-6电影", "CCTV-7国防军事", "CCTV-8电视剧",   "CCTV-9纪录",
    "CCTV-10科教",  "CCTV-11戏曲",  "CCTV-12社会与法", "CCTV-13新闻",   "CCTV-14少儿",
    "CCTV-15音乐",  "CCTV-16奥林匹克", "CCTV-17农业农村",
};
constexpr std::array satellite = {
    "湖南卫视", "浙江卫视", "江苏卫视", "东方卫视", "北京卫视", "广东卫视", "深圳卫视", "天津卫视",
    "山东卫视", "安徽卫视", "湖北卫视", "四川卫视", "重庆卫视", "江西卫视", "河南卫视", "河北卫视",
    "辽宁卫视", "黑龙江卫视", "吉林卫视", "东南卫视", "广西卫视", "云南卫视", "贵州卫视", "海南卫视",
};
constexpr std::array resolutions = {"1920x1080", "1280x720", "720x576", "3840x2160", ""};

// Every station gets one address of each kind; the kind decides what the probe finds.
std::string address_of_kind(int kind, int id, const StreamHosts& hosts) {
    const std::string n = std::to_string(id);
    const std::string v4 = hosts.ipv4_base();
    const std::string v6 = hosts.ipv6_base();
    switch (kind) {
        case 0: return v4 + "/live/" + n + "/index.m3u8";       // playlist: alive
        case 1: return v6 + "/live/" + n + "/index.m3u8";       // playlist over IPv6: alive
        case 2: return v4 + "/bad/" + n + "/index.m3u8";        // an error page: dead
        case 3: return v4 + "/flv/" + n + ".flv";               // HEAD 200: alive
        case 4: return v6 + "/gone/" + n + ".flv";              // HEAD 404: dead
        case 5: return v4 + "/ts/" + n;                         // plain stream: alive
        case 6: return "http://127.0.0.1:9/live/" + n + "/index.m3u8";  // refused: dead
        default: return "rtsp://127.0.0.1:9/live/" + n;          // not http: dead
    }
}
constexpr int kinds = 8;

bool contains_without_case(std::string_view text, std::string_view keyword) {
    const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return std::search(text.begin(), text.end(), keyword.begin(), keyword.end(),
                       [&](char a, char b) { return fold(a) == fold(b); }) != text.end();
}

std::string html_escape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string result_html(const DemoEntry& entry) {
    std::string html;
    html.reserve(1200);
    html += "<div class=\"result\">\n  <div class=\"channel\">\n    <a href=\"/channel.php?ch=";
    html += html_escape(entry.channel);
    html += "\"><div style=\"float: left;\"  >";
    html += html_escape(entry.channel);
    html += "</div></a>\n    <div style=\"float: right; display: none;\"><img src=\"/images/tv.png\" "
            "height=\"18\"></div>\n  </div>\n  <div class=\"m3u8\">\n    <table><tr><td "
            "style=\"padding-left: 6px;\"><img src=\"/images/copy.png\" title=\"Copy to clipboard\" "
            "style=\"cursor: pointer;\" onclick=copyto(\"";
    html += entry.address;
    html += "\")></td><td style=\"padding-left: 6px;\">";
    html += html_escape(entry.address);
    html += "</td></tr></table>\n  </div>\n  <div style=\"float: left;\">\n    <i>";
    html += entry.verified;
    html += " ";
    if (!entry.resolution.empty()) {
        html += std::string(35, ' ') + "&#8226;" + entry.resolution + " ";
    }
    html += "</i>\n  </div>\n  <div style=\"clear: both;\"></div>\n</div>\n";
    return html;
}

}  // namespace

std::vector<DemoEntry> demo_entries(const StreamHosts& hosts) {
    std::vector<DemoEntry> entries;
    std::vector<std::string> stations(cctv.begin(), cctv.end());
    stations.insert(stations.end(), satellite.begin(), satellite.end());
    int id = 0;
    for (size_t s = 0; s < stations.size(); ++s) {
        for (int kind = 0; kind < kinds; ++kind, ++id) {
            char verified[32];
            std::snprintf(verified, sizeof verified, "2026-12-%02d %02d:%02d:%02d",
                          1 + (id * 7) % 10, (id * 5) % 24, (id * 13) % 60, (id * 29) % 60);
            DemoEntry entry{stations[s], address_of_kind(kind, id, hosts), verified,
                            resolutions[static_cast<size_t>(id * 3) % resolutions.size()]};
            // The site writes some names in small letters; the program cleans them.
            if (id % 11 == 0 && entry.channel.starts_with("CCTV")) {
                std::transform(entry.channel.begin(), entry.channel.begin() + 4,
                               entry.channel.begin(), [](char c) { return c + 32; });
            }
            entries.push_back(entry);
            if (id % 9 == 4) entries.push_back(entries.back());  // listed twice
        }
    }
    return entries;
}

std::vector<const DemoEntry*> find_entries(const std::vector<DemoEntry>& entries,
                                           std::string_view keyword) {
    std::vector<const DemoEntry*> found;
    if (keyword.empty()) return found;
    for (const auto& entry : entries) {
        if (contains_without_case(entry.channel, keyword) ||
            contains_without_case(entry.address, keyword)) {
            found.push_back(&entry);
        }
    }
    return found;
}

std::string result_page_html(const std::vector<const DemoEntry*>& matches, int page,
                             std::string_view keyword) {
    std::string html =
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>IPTV search: " +
        html_escape(keyword) +
        "</title>\n<script>function copyto(t){navigator.clipboard.writeText(t);}</script>\n"
        "</head>\n<body>\n<div id=\"content\">\n";
    if (matches.empty()) {
        html += "<p>Your search did not match any channel.</p>\n";
    } else {
        html += "<div class=\"count\">About " + std::to_string(matches.size()) +
                " results</div>\n<div class=\"tables\">\n";
        const size_t first = static_cast<size_t>(std::max(page - 1, 0)) * per_page;
        for (size_t i = first; i < matches.size() && i < first + per_page; ++i) {
            html += result_html(*matches[i]);
        }
        html += "</div>\n";
    }
    html += "</div>\n</body>\n</html>\n";
    return html;
}

}  // namespace strevo::demo
