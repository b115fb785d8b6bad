#include "net/curl_transfer.h"

#include <cstdlib>

namespace strevo {
namespace {

struct CurlShareCloser {
    void operator()(CURLSH* share) const { curl_share_cleanup(share); }
};

bool global_init_done() {
    static const bool done = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return done;
}

struct TransferState {
    Transfer& transfer;
    bool ended_on_purpose = false;
};

size_t on_body(char* data, size_t size, size_t count, void* user) {
    auto& state = *static_cast<TransferState*>(user);
    const size_t bytes = size * count;
    state.transfer.body.append(data, bytes);
    if (state.transfer.body_complete && state.transfer.body_complete(state.transfer.body)) {
        state.ended_on_purpose = true;
        return CURL_WRITEFUNC_ERROR;
    }
    return bytes;
}

size_t on_header(char* data, size_t size, size_t count, void* user) {
    auto& state = *static_cast<TransferState*>(user);
    const size_t bytes = size * count;
    const std::string_view line(data, bytes);
    Transfer& transfer = state.transfer;
    if (line.starts_with("HTTP/")) {  // a new response: keep only the last one's block
        transfer.header_block.clear();
        transfer.answered = true;
        const size_t blank = line.find(' ');
        transfer.status = blank == std::string_view::npos ? 0 : std::atol(line.data() + blank + 1);
    }
    transfer.header_block.append(line);
    const bool final_headers_end =
        (line == "\r\n" || line == "\n") && !(transfer.status >= 100 && transfer.status < 200);
    if (transfer.stop_after_headers && final_headers_end) {
        state.ended_on_purpose = true;
        return 0;
    }
    return bytes;
}

}  // namespace

CurlEasy new_curl_handle() {
    if (!global_init_done()) return nullptr;
    CurlEasy handle(curl_easy_init());
    if (!handle) return nullptr;
    CURL* h = handle.get();
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(h, CURLOPT_PROXY_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(h, CURLOPT_PROXY_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(h, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(h, CURLOPT_PROXY, "");  // no proxy from the environment
    return handle;
}

CURLSH* process_cookie_store() {
    static const std::unique_ptr<CURLSH, CurlShareCloser> store = [] {
        global_init_done();
        CURLSH* share = curl_share_init();
        if (share != nullptr) curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        return std::unique_ptr<CURLSH, CurlShareCloser>(share);
    }();
    return store.get();
}

void HeaderList::append(const std::string& line) {
    if (curl_slist* longer = curl_slist_append(list_, line.c_str())) list_ = longer;
}

void perform_transfer(CURL* handle, Transfer& transfer) {
    TransferState state{transfer};
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, on_body);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &state);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, on_header);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &state);
    const CURLcode code = curl_easy_perform(handle);
    transfer.succeeded = code == CURLE_OK || state.ended_on_purpose;
}

}  // namespace strevo
