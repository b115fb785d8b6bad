#include "text/code_page.h"

#include <gtest/gtest.h>

namespace strevo {
namespace {

struct EncodeCase {
    const char* utf8;
    bool keep_unreserved;
    bool as_utf8;
    const char* expected;
};

TEST(UrlEncode, EncodesAsTheSearchSiteExpects) {
    const EncodeCase cases[] = {
        {"CCTV", true, true, "CCTV"},
        {"CCTV", false, true, "%43%43%54%56"},
        {"卫视", true, true, "%E5%8D%AB%E8%A7%86"},
        {"卫视", true, false, "%CE%C0%CA%D3"},
        {"CCTV-1 综合", true, true, "CCTV-1+%E7%BB%BC%E5%90%88"},
        {"2409:8087:74F1:0021", true, true, "2409%3A8087%3A74F1%3A0021"},
        {"a!~*'()-._", true, true, "a%21%7E*'()-._"},
        {"a b", false, false, "%61+%62"},
        {"", true, true, ""},
        {"", false, false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(url_encode(gbk(c.utf8), c.keep_unreserved, c.as_utf8), c.expected)
            << c.utf8 << " keep=" << c.keep_unreserved << " utf8=" << c.as_utf8;
    }
}

TEST(CodePages, ConvertsBetweenGbkUtf16AndUtf8) {
    const std::string weishi = gbk("卫视");
    EXPECT_EQ(weishi, "\xCE\xC0\xCA\xD3");
    EXPECT_EQ(text_to_utf8(weishi), "\xE5\x8D\xAB\xE8\xA7\x86");
    EXPECT_EQ(utf8_to_text("\xE5\x8D\xAB\xE8\xA7\x86 ok"), weishi + " ok");

    EXPECT_EQ(text_to_utf16("a"), std::u16string(u"a\0", 2));  // 61 00 00 00
    EXPECT_TRUE(text_to_utf16("").empty());
    EXPECT_TRUE(utf16_to_multibyte(std::u16string(u"\0a", 2), code_page_gbk).empty());
    EXPECT_EQ(utf16_to_multibyte(u"ab", code_page_utf8), "ab");  // no terminating zero byte
    EXPECT_EQ(multibyte_to_utf16(std::string("ab\0cd", 5), code_page_utf8),
              std::u16string(u"ab\0", 3));  // stops at the first zero byte
}

TEST(CodePages, ReplacesWhatCannotBeConverted) {
    // U+1F600 has no code-page-936 form: it becomes "?" and the rest converts unchanged.
    EXPECT_EQ(utf8_to_text("A\xF0\x9F\x98\x80" "B\xE5\x8D\xAB"), "A?B\xCE\xC0");
    // Malformed UTF-8 becomes U+FFFD, which code page 936 writes as "?".
    EXPECT_EQ(multibyte_to_utf16("a\xFF" "b", code_page_utf8), std::u16string(u"a\uFFFDb\0", 4));
}

}  // namespace
}  // namespace strevo
