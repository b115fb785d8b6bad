#include "net/web_request.h"

#include "net/curl_transfer.h"
#include "net/headers.h"
#include "net/request_texts.h"
#include "text/text_search.h"

namespace strevo {
namespace {

constexpr long connect_timeout_ms = 30'000;
constexpr long stall_seconds = 30;

std::string agent_for(const std::string& header_text) {
    if (!has_header(header_text, "User-Agent:")) return std::string(default_agent);
    std::string agent = trim_text(text_between(header_text + "\r\n", "User-Agent:", "\r\n"));
    return agent.empty() ? header_value(header_text) : agent;
}

// The default lines the header text lacks, in their fixed order.
void complete_page_headers(std::string& header_text, const PageRequest& request) {
    if (header_text.empty()) header_text = "Accept: */*";
    if (!has_header(header_text, "Accept:")) header_text += accept_line;
    if (!has_header(header_text, "Referer:")) header_text += referer_line(request.url);
    if (!has_header(header_text, "Accept-Language:")) header_text += accept_language_line;
    if (request.method == method_post && !has_header(header_text, "Content-Type:")) {
        header_text += form_type_line;
    }
}

std::string proxy_address(const PageRequest& request) {
    if (request.proxy.empty()) return {};
    return (request.socks_proxy ? "socks4a://" : "http://") + request.proxy;
}

// The header text as lines for libcurl, which adds Accept, Content-Type and Expect of its
// own unless told to leave them out; this request sends only what the text says.
void fill_header_list(HeaderList& list, const std::string& header_text, bool has_body) {
    for (const auto& line : split_text(header_text, "\r\n")) {
        if (!line.empty()) list.append(line);
    }
    if (!has_header(header_text, "Accept:")) list.append("Accept:");
    if (has_body) {
        if (!has_header(header_text, "Content-Type:")) list.append("Content-Type:");
        list.append("Expect:");
    }
}

}  // namespace

Bytes web_request(const PageRequest& request) {
    std::string header_text =
        request.normalize_headers ? normalize_header_names(request.extra_headers) : request.extra_headers;
    const std::string_view verb = method_verb(request.method);
    const bool secure = is_secure_url(request.url);
    const std::string agent = agent_for(header_text);

    const CurlEasy curl = new_curl_handle();
    if (!curl) return {};
    CURL* h = curl.get();

    const std::string address = std::string(secure ? "https://" : "http://") +
                                url_host(request.url) + ":" +
                                std::to_string(url_port(request.url)) + url_path(request.url);
    curl_easy_setopt(h, CURLOPT_URL, address.c_str());
    curl_easy_setopt(h, CURLOPT_USERAGENT, agent.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, request.no_redirect ? 0L : 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, connect_timeout_ms);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, stall_seconds);
    const std::string proxy = proxy_address(request);
    curl_easy_setopt(h, CURLOPT_PROXY, proxy.c_str());
    if (request.cookies == nullptr) {  // the platform's cookie store is in use
        curl_easy_setopt(h, CURLOPT_SHARE, process_cookie_store());
        curl_easy_setopt(h, CURLOPT_COOKIEFILE, "");
    }

    if (request.complete_headers) complete_page_headers(header_text, request);
    const std::string cookie_text = request.cookies != nullptr ? *request.cookies : std::string();
    if (!cookie_text.empty()) {
        header_text += find_text(cookie_text, "Cookie:") > 0 ? "\r\n" + cookie_text
                                                              : "\r\nCookie: " + cookie_text;
    }

    Bytes body;
    const bool sends_body = verb != "GET" && verb != "HEAD";
    if (verb == "GET") {
        curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    } else if (verb == "HEAD") {
        curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    } else {
        Bytes own_bytes;
        Bytes& bytes = request.body_bytes != nullptr ? *request.body_bytes : own_bytes;
        if (bytes.empty()) bytes = request.body_text;
        body = bytes;
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, body.data());
        if (verb != "POST") curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, std::string(verb).c_str());
    }
    HeaderList header_list;
    fill_header_list(header_list, header_text, sends_body);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, header_list.get());

    Transfer transfer;
    perform_transfer(h, transfer);

    if (transfer.answered && request.headers_out != nullptr) {
        *request.headers_out = transfer.header_block;
    }
    deliver_response_cookies(transfer.header_block, request.cookies, request.cookies_out,
                             request.complete_cookies);
    return std::move(transfer.body);
}

}  // namespace strevo
