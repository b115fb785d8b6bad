// One complete HTTP or HTTPS exchange, returning the response body as bytes: the page
// fetcher of the search run.
#pragma once

#include <string>
#include <string_view>

#include "text/code_page.h"

namespace strevo {

// The fourteen settings of a page request, in their traditional order, with their defaults.
// A null pointer is an argument the caller did not pass: for `cookies` that decides whether
// the process-wide cookie store is used (not passed) or the caller's text alone (passed).
struct PageRequest {
    std::string url;                    // scheme http:// or https://; http:// when missing
    int method = 0;                     // index of method_verb
    std::string body_text;              // body when body_bytes is empty and the verb is not GET
    std::string* cookies = nullptr;     // in and out: receives the merged cookies
    std::string* cookies_out = nullptr;  // cookies the response set
    std::string extra_headers;          // the caller's header lines, CR LF separated
    std::string* headers_out = nullptr;  // raw header block of the last response
    bool no_redirect = false;
    Bytes* body_bytes = nullptr;        // in and out: receives body_text's bytes when empty
    std::string proxy;                  // host:port; empty for a direct connection
    bool complete_cookies = true;
    bool complete_headers = true;
    bool normalize_headers = true;
    bool socks_proxy = false;
};

// The response body, whatever the status; empty when no connection could be made.
// `headers_out` is left as it was when no response arrived at all. Gives up after 30 s
// without a connection or without a byte.
Bytes web_request(const PageRequest& request);

}  // namespace strevo
