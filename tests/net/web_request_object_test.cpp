#include "net/web_request_object.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "support/test_servers.h"

namespace strevo {
namespace {

using test::http_response;
using test::RawServer;
using testing::HasSubstr;
using testing::Not;

TEST(WebRequestObject, ProbeRequestSendsTheFourDefaultHeadersInOrder) {
    RawServer server([](const std::string&) {
        return http_response(200, "#EXTM3U\n", "Set-Cookie: k=v; path=/\r\n");
    });
    const std::string url = server.url("/live/index.m3u8");
    std::string headers_out;
    int status = -1;
    EXPECT_EQ(web_request_object({.url = url, .headers_out = &headers_out, .status_out = &status,
                                  .timeout_seconds = 1}),
              "#EXTM3U\n");
    EXPECT_EQ(status, 200);
    EXPECT_THAT(headers_out, testing::StartsWith("Set-Cookie: k=v; path=/\r\n"));
    EXPECT_EQ(server.requests().at(0),
              "GET /live/index.m3u8 HTTP/1.1\r\n"
              "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n"
              "Accept: */*\r\n"
              "Referer: " + url + "\r\n"
              "Accept-Language: zh-cn\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n\r\n");
}

TEST(WebRequestObject, ProxyWithCredentialsAndHeaderRules) {
    RawServer proxy([](const std::string&) { return http_response(200, "via proxy"); });
    std::string cookies = "Cookie: a=1";
    EXPECT_EQ(web_request_object({.url = "http://stream.example/x.m3u8",
                                  .cookies = &cookies,
                                  .extra_headers = "Connection: keep-alive\r\nX-A: 1\r\n"
                                                   "connection: Keep-Alive",
                                  .proxy = "127.0.0.1:" + std::to_string(proxy.port()),
                                  .proxy_user = "user",
                                  .proxy_password = "pass"}),
              "via proxy");
    const std::string request = proxy.requests().at(0);
    EXPECT_THAT(request, testing::StartsWith("GET http://stream.example/x.m3u8 HTTP/1.1\r\n"));
    EXPECT_THAT(request, HasSubstr("Proxy-Authorization: Basic dXNlcjpwYXNz\r\n"
                                   "Cookie:  a=1\r\n"
                                   "X-A: 1\r\n"
                                   "Connection: Keep-Alive\r\n"
                                   "Accept: */*\r\n"));
    EXPECT_EQ(request.find("Proxy-Authorization", request.find("Cookie")), std::string::npos);
    EXPECT_EQ(cookies, "a=1");  // sent as " a=1", then trimmed by the merge
    EXPECT_EQ(basic_authorization("Aladdin", "open sesame"), "Basic QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
}

TEST(WebRequestObject, PostSendsTheBodyAndFormType) {
    RawServer server([](const std::string&) { return http_response(201, "made"); });
    int status = 0;
    web_request_object({.url = server.url("/p"), .method = 1, .body_text = "a=1", .status_out = &status});
    EXPECT_EQ(status, 201);
    const std::string request = server.requests().at(0);
    EXPECT_THAT(request, testing::StartsWith("POST /p HTTP/1.1\r\n"));
    EXPECT_THAT(request, HasSubstr("Content-Type: application/x-www-form-urlencoded\r\n"));
    EXPECT_THAT(request, testing::EndsWith("\r\n\r\na=1"));
}

TEST(WebRequestObject, SilentServerGivesEmptyAnswerWithinTheTimeOut) {
    RawServer silent([](const std::string&) { return std::nullopt; });
    int status = -1;
    std::string headers = "old";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(web_request_object({.url = silent.url("/x.m3u8"), .headers_out = &headers,
                                  .status_out = &status, .timeout_seconds = 1}),
              "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3500));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(headers, "");
}

TEST(WebRequestObject, HeldObjectKeepsItsSettings) {
    RawServer silent([](const std::string&) { return std::nullopt; });
    RequestObject object;
    web_request_object({.url = silent.url("/a"), .timeout_seconds = 1, .request_object = &object});
    EXPECT_EQ(object.timeout_ms, 1000);
    const auto start = std::chrono::steady_clock::now();
    web_request_object({.url = silent.url("/b"), .timeout_seconds = -1, .request_object = &object});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3500));
    web_request_object({.url = silent.url("/c"), .timeout_seconds = 3, .request_object = &object});
    EXPECT_EQ(object.timeout_ms, 3000);
}

}  // namespace
}  // namespace strevo
