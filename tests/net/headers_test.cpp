#include "net/headers.h"

#include <gtest/gtest.h>

#include "net/request_texts.h"

namespace strevo {
namespace {

TEST(HeaderTexts, NormaliseNamesAndReadLines) {
    EXPECT_EQ(normalize_header_names("content-type: text/html\r\nx-requested-with: a-b"),
              "Content-Type: text/html\r\nX-Requested-With: a-b");
    EXPECT_EQ(normalize_header_names("GET / HTTP/1.1\r\naccept: */*"), "Accept: */*");
    EXPECT_EQ(normalize_header_names(""), "");
    EXPECT_EQ(header_name("Connection :  keep-alive "), "Connection");
    EXPECT_EQ(header_value("Connection :  keep-alive "), "keep-alive");
    EXPECT_EQ(header_name("no colon"), "");
    EXPECT_EQ(trim_text("\xA1\xA1 a b \xA1\xA1"), "a b");
    EXPECT_EQ(trim_text("\ta "), "\ta");
}

TEST(HeaderTexts, SplitKeepsInnerEmptyPiecesOnly) {
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(split_text("a; ; b; ", "; "), (Pieces{"a", "", "b"}));
    EXPECT_EQ(split_text("; a", "; "), (Pieces{"", "a"}));
    EXPECT_EQ(split_text("", "; "), Pieces{});
    EXPECT_EQ(split_text("a; b", ""), Pieces{"a; b"});
}

TEST(Cookies, TakenFromResponseLines) {
    EXPECT_EQ(cookies_from_headers({"HTTP/1.1 200 OK", "Set-Cookie: sid=abc; path=/",
                                    "SET-COOKIE: lang=zh; expires=x", "Set-Cookie: flag=1"}),
              "sid=abc; lang=zh");
}

TEST(Cookies, Merged) {
    struct Case {
        std::string cookies, fresh, expected;
    };
    const Case cases[] = {
        {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1"},
        {"a=1; b=2", "b=deleted", "a=1"},
        {"a=1;", "", "a=1"},
        {"a=1; a=1", "", "a=1"},
        {"", "", ""},
        {" a=1 ", "\xA1\xA1" "c=3", "c=3; a=1"},
    };
    for (auto c : cases) {
        EXPECT_EQ(merge_cookies(c.cookies, c.fresh), c.expected);
        EXPECT_EQ(c.cookies, c.expected);  // the caller's cookies receive the merge
    }
}

TEST(AddressParts, HostPortAndPath) {
    struct Case {
        const char* url;
        const char* host;
        int port;
        const char* path;
        bool secure;
    };
    const Case cases[] = {
        {"https://site.example/iptvsearch/?page=1&s=CCTV", "site.example", 443,
         "/iptvsearch/?page=1&s=CCTV", true},
        {"http://site.example/a", "site.example", 80, "/a", false},
        {"HTTPS://SITE.EXAMPLE", "site.example", 443, "/", true},
        {"host.example:8080/a?b=1", "host.example", 8080, "/a?b=1", false},
        {"http://h/x", "h", 80, "/x", false},          // host also in the scheme's letters
        {"http://tp:81/y/Z", "tp", 81, "/y/Z", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(url_host(c.url), c.host) << c.url;
        EXPECT_EQ(url_port(c.url), c.port) << c.url;
        EXPECT_EQ(url_path(c.url), c.path) << c.url;
        EXPECT_EQ(is_secure_url(c.url), c.secure) << c.url;
    }
    EXPECT_EQ(method_verb(9), "GET");
    EXPECT_EQ(method_verb(-1), "GET");
    EXPECT_EQ(method_verb(7), "CONNECT");
}

}  // namespace
}  // namespace strevo
