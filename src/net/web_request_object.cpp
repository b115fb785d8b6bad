#include "net/web_request_object.h"

#include <algorithm>

#include "net/curl_transfer.h"
#include "net/headers.h"
#include "net/request_texts.h"
#include "text/text_search.h"

namespace strevo {
namespace {

// A new object's own time-outs: 60 s to connect, 30 s without a byte.
constexpr long default_connect_ms = 60'000;
constexpr long default_stall_ms = 30'000;

std::string base64(std::string_view bytes) {
    static constexpr char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
        out += alphabet[(group >> 18) & 63];
        out += alphabet[(group >> 12) & 63];
        out += i + 1 < bytes.size() ? alphabet[(group >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? alphabet[group & 63] : '=';
    }
    return out;
}

// Request headers as the object keeps them: in the order first set, a later set of the
// same name replacing the value.
class RequestHeaders {
public:
    // An empty value removes the header; a header without a name is refused.
    void set(const std::string& name, const std::string& value) {
        if (name.empty()) return;
        const auto same = std::find_if(headers_.begin(), headers_.end(), [&](const auto& h) {
            return text_upper(h.first) == text_upper(name);
        });
        if (value.empty()) {
            if (same != headers_.end()) headers_.erase(same);
        } else if (same != headers_.end()) {
            same->second = value;
        } else {
            headers_.emplace_back(name, value);
        }
    }
    bool has(std::string_view name) const {
        return std::any_of(headers_.begin(), headers_.end(),
                           [&](const auto& h) { return text_upper(h.first) == text_upper(name); });
    }
    void fill(HeaderList& list) const {
        for (const auto& [name, value] : headers_) {
            list.append(name + ": " + value);
        }
    }

private:
    std::vector<std::pair<std::string, std::string>> headers_;
};

void complete_object_headers(std::string& header_text, const ObjectRequest& request) {
    if (!has_header(header_text, "Accept:")) header_text += accept_line;
    if (!has_header(header_text, "Referer:")) header_text += referer_line(request.url);
    if (!has_header(header_text, "Accept-Language:")) header_text += accept_language_line;
    if (!has_header(header_text, "User-Agent:")) {
        header_text += "\r\nUser-Agent: " + std::string(default_agent);
    }
    if (request.method == method_post && !has_header(header_text, "Content-Type:")) {
        header_text += form_type_line;
    }
}

void hand_over_header_text(RequestHeaders& headers, const std::string& header_text) {
    if (header_text.find("\r\n") == std::string::npos) {
        headers.set(header_name(header_text), header_value(header_text));
        return;
    }
    for (const auto& line : split_text(header_text, "\r\n")) {
        if (line.empty()) continue;
        const std::string name = header_name(line);
        const std::string value = header_value(line);
        if (name == "Connection" && value == "keep-alive") continue;
        headers.set(name, value);
    }
}

void apply_object_settings(CURL* h, const RequestObject& object) {
    const long connect_ms = object.timeout_ms.value_or(default_connect_ms);
    const long stall_ms = object.timeout_ms.value_or(default_stall_ms);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, connect_ms);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, std::max(1L, (stall_ms + 999) / 1000));
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, object.follow_redirects ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_PROXY, object.proxy.c_str());
    if (object.user.empty() || object.proxy.empty()) return;
    if (object.credential_target == 1) {
        curl_easy_setopt(h, CURLOPT_PROXYUSERNAME, object.user.c_str());
        curl_easy_setopt(h, CURLOPT_PROXYPASSWORD, object.password.c_str());
    } else {
        curl_easy_setopt(h, CURLOPT_USERNAME, object.user.c_str());
        curl_easy_setopt(h, CURLOPT_PASSWORD, object.password.c_str());
        curl_easy_setopt(h, CURLOPT_HTTPAUTH, CURLAUTH_ANY);
    }
}

// The header lines of the answer without its status line, as the object reports them.
std::string response_header_lines(const Transfer& transfer) {
    const size_t first_line_end = transfer.header_block.find("\r\n");
    if (first_line_end == std::string::npos) return {};
    return transfer.header_block.substr(first_line_end + 2);
}

}  // namespace

std::string basic_authorization(std::string_view user, std::string_view password) {
    return "Basic " + base64(std::string(user) + ":" + std::string(password));
}

Bytes web_request_object(const ObjectRequest& request) {
    const std::string_view verb = method_verb(request.method);

    RequestObject own_object;
    RequestObject& object = request.request_object != nullptr ? *request.request_object : own_object;
    const CurlEasy curl = new_curl_handle();
    if (!curl) return {};
    CURL* h = curl.get();

    if (request.timeout_seconds != -1) {
        object.timeout_ms = request.timeout_seconds < 1 ? 15'000 : request.timeout_seconds * 1000;
    }
    if (!request.proxy.empty()) object.proxy = request.proxy;
    if (request.no_redirect) object.follow_redirects = false;

    std::string header_text = request.extra_headers;
    if (request.complete_headers) complete_object_headers(header_text, request);
    if (request.normalize_headers) header_text = normalize_header_names(header_text);

    RequestHeaders headers;
    if (!request.proxy.empty() && !request.proxy_user.empty()) {
        object.user = request.proxy_user;
        object.password = request.proxy_password;
        object.credential_target = request.credential_target;
        if (request.credential_target == 1) {
            headers.set("Proxy-Authorization",
                        basic_authorization(request.proxy_user, request.proxy_password));
        }
    }
    if (request.cookies != nullptr) {
        std::string& cookies = *request.cookies;
        if (!cookies.empty() && has_header(cookies, "Cookie:")) {
            cookies = text_replace_pairs(cookies, {{"Cookie:", ""}});
        }
        headers.set("Cookie", cookies);
    }
    hand_over_header_text(headers, header_text);
    apply_object_settings(h, object);

    curl_easy_setopt(h, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    const Bytes& body = request.body_bytes.empty() ? request.body_text : request.body_bytes;
    if (verb == "HEAD") {
        curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    } else if (!body.empty()) {
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, body.data());
    }
    if (verb != "GET" || !body.empty()) {
        curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, std::string(verb).c_str());
    }

    HeaderList header_list;
    headers.fill(header_list);
    // libcurl's own Accept, Content-Type and Expect would otherwise join the set headers.
    if (!headers.has("Accept")) header_list.append("Accept:");
    if (!headers.has("Content-Type")) header_list.append("Content-Type:");
    header_list.append("Expect:");
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, header_list.get());
    HeaderList proxy_headers;  // a tunnelled (https) request shows the proxy its own header
    if (headers.has("Proxy-Authorization") && is_secure_url(request.url)) {
        proxy_headers.append("Proxy-Authorization: " +
                             basic_authorization(request.proxy_user, request.proxy_password));
        curl_easy_setopt(h, CURLOPT_PROXYHEADER, proxy_headers.get());
    }

    Transfer transfer;
    transfer.body_complete = request.body_complete;
    perform_transfer(h, transfer);
    if (!transfer.succeeded) transfer = Transfer{};  // a failed exchange reads as empty

    if (request.headers_out != nullptr) *request.headers_out = response_header_lines(transfer);
    if (request.status_out != nullptr) *request.status_out = static_cast<int>(transfer.status);
    deliver_response_cookies(transfer.header_block, request.cookies, request.cookies_out,
                             request.complete_cookies);
    return std::move(transfer.body);
}

}  // namespace strevo
