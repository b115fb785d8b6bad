#include "search/stream_probe.h"

#include <string>

#include "net/curl_transfer.h"
#include "net/url_check_head.h"
#include "net/web_request_object.h"
#include "text/text_search.h"

namespace strevo {
namespace {

constexpr std::string_view playlist_mark = "#EXTM3U";
// A playlist answer is decided once the mark or a zero byte was read; past this much it
// is not a playlist worth waiting for (a video stream behind a playlist-like address).
constexpr size_t playlist_read_limit = 1 << 20;

bool playlist_decided(std::string_view body) {
    return find_text(as_text(body), playlist_mark) > 0 || body.find('\0') != std::string_view::npos ||
           body.size() > playlist_read_limit;
}

bool playlist_is_valid(std::string_view address) {
    const Bytes body = web_request_object(
        {.url = std::string(address), .method = 0, .timeout_seconds = 1, .body_complete = playlist_decided});
    return find_text(as_text(body), playlist_mark) > 0;
}

// Opens the address the way a browser would start to, and stops as soon as the server has
// answered: the headers of an HTTP answer, or the first byte of anything else.
bool address_opens(std::string_view address) {
    const CurlEasy curl = new_curl_handle();
    if (!curl) return true;  // no client to test with: let the address through
    CURL* h = curl.get();
    const std::string url(address);
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https,ftp");
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, 5'000L);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, 10'000L);
    Transfer transfer;
    transfer.stop_after_headers = true;
    transfer.body_complete = [](std::string_view) { return true; };
    perform_transfer(h, transfer);
    return transfer.succeeded;
}

}  // namespace

bool stream_is_valid(std::string_view address) {
    if (find_text(address, ".m3u") > 0) return playlist_is_valid(address);
    if (find_text(address, ".flv") > 0) return url_check_head(address);
    return address_opens(address);
}

}  // namespace strevo
