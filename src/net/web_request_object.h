// One HTTP or HTTPS exchange through a request object: per-phase time-outs, a named proxy
// with credentials, headers set one by one, and the status number. The stream probe fetches
// playlists with it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/code_page.h"

namespace strevo {

// A request object a caller may hold across calls; it keeps the settings a call gave it.
struct RequestObject {
    std::optional<int> timeout_ms;  // each phase: connect, and a receive stall; unset: defaults
    std::string proxy;
    std::string user;
    std::string password;
    int credential_target = 1;  // 1: the proxy, 0: the server
    bool follow_redirects = true;
};

// The nineteen settings of an object request, in their traditional order, with their
// defaults. Null pointers are arguments the caller did not pass.
struct ObjectRequest {
    std::string url;
    int method = 0;
    std::string body_text;
    std::string* cookies = nullptr;       // in and out: loses every "Cookie:", gets the merge
    std::string* cookies_out = nullptr;
    std::string extra_headers;
    std::string* headers_out = nullptr;   // all response headers
    int* status_out = nullptr;            // the status number, 0 when there is none
    bool no_redirect = false;
    Bytes body_bytes;                     // takes precedence over body_text when not empty
    std::string proxy;                    // empty: the object's default
    int timeout_seconds = 0;              // -1: the object's own; 0 or less: 15 s; else n s
    std::string proxy_user;
    std::string proxy_password;
    int credential_target = 1;
    RequestObject* request_object = nullptr;
    bool complete_cookies = true;
    bool complete_headers = true;
    bool normalize_headers = true;
    // Not a setting of the object: lets a caller that only needs the start of the answer
    // stop reading once the body read so far decides it.
    std::function<bool(std::string_view body)> body_complete;
};

Bytes web_request_object(const ObjectRequest& request);

// The "Basic ..." value of a Proxy-Authorization header for these credentials.
std::string basic_authorization(std::string_view user, std::string_view password);

}  // namespace strevo
