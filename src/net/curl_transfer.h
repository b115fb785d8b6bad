// RAII owners for libcurl's handles and the one place that runs a transfer and turns its
// outcome into what the request functions report.
#pragma once

#include <curl/curl.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "text/code_page.h"

namespace strevo {

struct CurlEasyCloser {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using CurlEasy = std::unique_ptr<CURL, CurlEasyCloser>;

// A new easy handle with the settings every request of the program shares (no signals,
// HTTP/1.1, certificate errors ignored), or nullptr when libcurl cannot give one.
CurlEasy new_curl_handle();

// The process-wide cookie store used by page requests whose caller passes no cookies.
CURLSH* process_cookie_store();

class HeaderList {
public:
    HeaderList() = default;
    HeaderList(const HeaderList&) = delete;
    HeaderList& operator=(const HeaderList&) = delete;
    ~HeaderList() { curl_slist_free_all(list_); }

    void append(const std::string& line);
    curl_slist* get() const { return list_; }

private:
    curl_slist* list_ = nullptr;
};

// What one transfer delivered.
struct Transfer {
    // Optional early ends: once the body read so far settles the answer, or as soon as the
    // final response's headers are complete. Either counts as a successful transfer.
    std::function<bool(std::string_view body)> body_complete;
    bool stop_after_headers = false;

    Bytes body;
    std::string header_block;  // of the last response: status line, lines, empty line
    bool answered = false;     // a status line arrived
    long status = 0;
    bool succeeded = false;    // completed, or ended early on purpose
};

// Runs the transfer on a prepared handle and fills `transfer`.
void perform_transfer(CURL* handle, Transfer& transfer);

}  // namespace strevo
