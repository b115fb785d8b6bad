#include "net/url_check_head.h"

#include <string>

#include "net/curl_transfer.h"

namespace strevo {

bool url_check_head(std::string_view url) {
    if (url.empty()) return false;
    const CurlEasy curl = new_curl_handle();
    if (!curl) return false;
    CURL* h = curl.get();
    const std::string address(url);
    curl_easy_setopt(h, CURLOPT_URL, address.c_str());
    curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, 5'000L);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, 10'000L);
    Transfer transfer;
    perform_transfer(h, transfer);
    return transfer.succeeded && transfer.status == 200;
}

}  // namespace strevo
