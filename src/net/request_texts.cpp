#include "net/request_texts.h"

#include <array>

#include "text/text_search.h"

namespace strevo {
namespace {

// The host part of the address, still with its port.
std::string host_and_port(std::string_view url) {
    std::string lowered(url);
    for (size_t i = 0; i < lowered.size(); ++i) {
        if (static_cast<unsigned char>(lowered[i]) >= 0x80) {
            ++i;
        } else if (lowered[i] >= 'A' && lowered[i] <= 'Z') {
            lowered[i] = static_cast<char>(lowered[i] - 'A' + 'a');
        }
    }
    if (!lowered.ends_with('/')) lowered += '/';
    std::string_view scheme = "https://";
    if (!lowered.starts_with(scheme)) {
        scheme = "http://";
        if (find_text(lowered, scheme) < 0) lowered.insert(0, scheme);
    }
    const int scheme_at = find_text(lowered, scheme);
    const int host_at = scheme_at + static_cast<int>(scheme.size());
    const int slash_at = find_text(lowered, "/", host_at);
    return lowered.substr(static_cast<size_t>(host_at - 1), static_cast<size_t>(slash_at - host_at));
}

}  // namespace

std::string_view method_verb(int method) {
    static constexpr std::array<std::string_view, 8> verbs = {
        "GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE", "CONNECT"};
    return method >= 0 && method < 8 ? verbs[static_cast<size_t>(method)] : verbs[0];
}

bool is_secure_url(std::string_view url) {
    return url.size() >= 8 && find_text(url.substr(0, 8), "https://", 1, true) == 1;
}

std::string url_host(std::string_view url) {
    std::string host = host_and_port(url);
    const size_t colon = host.find(':');
    if (colon != std::string::npos) host.resize(colon);
    return host;
}

int url_port(std::string_view url) {
    const std::string host = host_and_port(url);
    const size_t colon = host.rfind(':');
    if (colon != std::string::npos) return text_to_int(host.substr(colon + 1));
    return find_text(url.substr(0, 5), "https", 1, true) == 1 ? 443 : 80;
}

std::string url_path(std::string_view url) {
    // The host is looked for after the scheme, so a host that also occurs in the scheme's
    // letters ("h", "tp") still gives the right path.
    const size_t scheme_end = url.find("://");
    const int search_from = scheme_end == std::string_view::npos ? 1 : static_cast<int>(scheme_end) + 4;
    const int host_at = find_text(url, url_host(url), search_from, true);
    if (host_at < 0) return "/";
    const int slash_at = find_text(url, "/", host_at);
    if (slash_at < 0) return "/";
    return std::string(url.substr(static_cast<size_t>(slash_at - 1)));
}

}  // namespace strevo
