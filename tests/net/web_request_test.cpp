#include "net/web_request.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "net/url_check_head.h"
#include "support/files.h"
#include "support/test_servers.h"

namespace strevo {
namespace {

using test::http_response;
using test::RawServer;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

RawServer::Responder answer(int status, const std::string& body,
                            const std::string& extra_headers = "") {
    return [=](const std::string&) { return http_response(status, body, extra_headers); };
}

TEST(WebRequest, FirstRequestOfARunSendsOnlyTheDefaults) {
    RawServer server(answer(200, "About 7 results"));
    const std::string url = server.url("/iptvsearch/?page=1&s=CCTV");
    std::string headers_out;
    EXPECT_EQ(web_request({.url = url, .headers_out = &headers_out}), "About 7 results");
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0],
              "GET /iptvsearch/?page=1&s=CCTV HTTP/1.1\r\n"
              "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n"
              "Accept: */*\r\n"
              "Referer: " + url + "\r\n"
              "Accept-Language: zh-cn\r\n\r\n");
    EXPECT_THAT(headers_out, StartsWith("HTTP/1.1 200 Status\r\n"));
    EXPECT_THAT(headers_out, testing::EndsWith("\r\n\r\n"));
}

TEST(WebRequest, MethodBodyHeadersAndCookies) {
    RawServer server(answer(200, "ok"));
    web_request({.url = server.url("/m"), .method = 9});
    web_request({.url = server.url("/m"), .method = -1});
    Bytes body_bytes;
    web_request({.url = server.url("/p"), .method = 1, .body_text = "a=1", .body_bytes = &body_bytes});
    web_request({.url = server.url("/u"), .extra_headers = "user-agent: X"});
    std::string cookies = "a=1";
    web_request({.url = server.url("/c"), .cookies = &cookies});
    std::string raw_cookie = "Cookie: b=2";
    web_request({.url = server.url("/c"), .cookies = &raw_cookie});

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 6u);
    EXPECT_THAT(requests[0], StartsWith("GET /m HTTP/1.1\r\n"));
    EXPECT_THAT(requests[1], StartsWith("GET /m HTTP/1.1\r\n"));
    EXPECT_THAT(requests[2], StartsWith("POST /p HTTP/1.1\r\n"));
    EXPECT_THAT(requests[2], HasSubstr("Accept-Language: zh-cn\r\n"
                                       "Content-Type: application/x-www-form-urlencoded\r\n"));
    EXPECT_THAT(requests[2], testing::EndsWith("\r\n\r\na=1"));
    EXPECT_EQ(body_bytes, "a=1");
    EXPECT_THAT(requests[3], HasSubstr("\r\nUser-Agent: X\r\n"));
    EXPECT_THAT(requests[3], Not(HasSubstr("Mozilla")));
    EXPECT_THAT(requests[4], HasSubstr("Accept-Language: zh-cn\r\nCookie: a=1\r\n"));
    EXPECT_THAT(requests[5], HasSubstr("Accept-Language: zh-cn\r\nCookie: b=2\r\n"));
}

TEST(WebRequest, StoreKeepsCookiesWhenTheCallerPassesNone) {
    RawServer server(answer(200, "ok", "Set-Cookie: store_test=41; path=/\r\n"));
    std::string cookies_out;
    web_request({.url = server.url("/first"), .cookies_out = &cookies_out});
    EXPECT_EQ(cookies_out, "store_test=41");
    web_request({.url = server.url("/second")});
    std::string own = "mine=1";
    web_request({.url = server.url("/third"), .cookies = &own});
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_THAT(requests[1], HasSubstr("Cookie: store_test=41\r\n"));
    EXPECT_THAT(requests[2], Not(HasSubstr("store_test")));  // passed cookies only
    EXPECT_EQ(own, "store_test=41; mine=1");                // and the answer merged into them
}

TEST(WebRequest, RedirectsFollowedUnlessSwitchedOff) {
    RawServer server([](const std::string& request) -> std::optional<std::string> {
        if (request.starts_with("GET /from ")) {
            return http_response(302, "moved", "Location: /to\r\n");
        }
        return http_response(200, "arrived");
    });
    std::string headers;
    EXPECT_EQ(web_request({.url = server.url("/from"), .headers_out = &headers}), "arrived");
    EXPECT_THAT(headers, StartsWith("HTTP/1.1 200"));  // the last response's block only
    EXPECT_EQ(headers.find("302"), std::string::npos);
    EXPECT_EQ(web_request({.url = server.url("/from"), .no_redirect = true}), "moved");
}

TEST(WebRequest, ThroughAnHttpProxy) {
    RawServer proxy(answer(200, "via proxy"));
    const std::string proxy_address = "127.0.0.1:" + std::to_string(proxy.port());
    EXPECT_EQ(web_request({.url = "http://stream.example/a?b=1", .proxy = proxy_address}), "via proxy");
    EXPECT_THAT(proxy.requests().at(0), StartsWith("GET http://stream.example/a?b=1 HTTP/1.1\r\n"));
}

TEST(WebRequest, HttpsWithASelfSignedCertificate) {
    test::HttpFixture site(true);
    site.server().Get("/iptvsearch/", [](const httplib::Request& request, httplib::Response& response) {
        response.set_content("page " + request.get_param_value("page"), "text/html");
    });
    site.start();
    EXPECT_EQ(web_request({.url = site.base() + "/iptvsearch/?page=2&s=x"}), "page 2");
}

TEST(WebRequest, FailuresGiveAnEmptyBodyAndNoHeaders) {
    const int unused_port = test::refused_port();
    std::string headers = "";
    EXPECT_EQ(web_request({.url = "http://127.0.0.1:" + std::to_string(unused_port) + "/",
                           .headers_out = &headers}),
              "");
    EXPECT_EQ(headers, "");
}

TEST(WebRequest, ServerThatNeverAnswersEndsAfterTheStallTimeOut) {
    RawServer silent([](const std::string&) { return std::nullopt; });
    const auto start = std::chrono::steady_clock::now();
    std::string headers;
    EXPECT_EQ(web_request({.url = silent.url("/"), .headers_out = &headers}), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(45));
    EXPECT_EQ(headers, "");
}

TEST(UrlCheckHead, YesOnlyForStatus200) {
    RawServer server([](const std::string& request) -> std::optional<std::string> {
        const int status = std::atoi(request.c_str() + request.find('/') + 1);
        if (!request.starts_with("HEAD ")) return http_response(200, "get");
        return "HTTP/1.1 " + std::to_string(status) + " S\r\nContent-Length: 0\r\n\r\n";
    });
    EXPECT_TRUE(url_check_head(server.url("/200")));
    for (const char* path : {"/204", "/206", "/403", "/404", "/405"}) {
        EXPECT_FALSE(url_check_head(server.url(path))) << path;
    }
    const int unused_port = test::refused_port();
    EXPECT_FALSE(url_check_head("http://127.0.0.1:" + std::to_string(unused_port) + "/200"));
    EXPECT_FALSE(url_check_head(""));
}

}  // namespace
}  // namespace strevo
