#include "results/source_lines.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace strevo {
namespace {

TEST(SourceLines, FamilyRule) {
    const std::string v6 = "http://[2409:8087::1]:80/live.m3u8";
    const std::string v4 = "http://1.2.3.4:80/live.m3u8";
    EXPECT_TRUE(fits_family(v6, FamilyRule::all));
    EXPECT_TRUE(fits_family(v6, FamilyRule::ipv6_only));
    EXPECT_FALSE(fits_family(v6, FamilyRule::ipv4_only));
    EXPECT_TRUE(fits_family(v4, FamilyRule::all));
    EXPECT_FALSE(fits_family(v4, FamilyRule::ipv6_only));
    EXPECT_TRUE(fits_family(v4, FamilyRule::ipv4_only));
    EXPECT_TRUE(fits_family("http://2409:8087::1/x", FamilyRule::ipv4_only));  // no brackets
}

TEST(SourceLines, LinesAndRepeats) {
    SourceLines lines;
    EXPECT_FALSE(lines.is_duplicate(""));
    lines.append_line({"cctv-5+", "http://a/live/1", "12-10", "1920x1080"});
    lines.append_line({"cc\r\ntv-1", "http://a/live", "12-09", gbk("未知")});
    EXPECT_EQ(lines.text(), "CCTV5+,http://a/live/1,12-10,1920x1080\r\n"
                            "CCTV1,http://a/live,12-09," + gbk("未知") + "\r\n");
    EXPECT_TRUE(lines.is_duplicate("http://a/live/1"));
    EXPECT_TRUE(lines.is_duplicate("http://a/live"));
    // Whole addresses are compared: a prefix of a kept address is a new address, and so is
    // a kept time or an empty address.
    EXPECT_FALSE(lines.is_duplicate("http://a/li"));
    EXPECT_FALSE(lines.is_duplicate("12-10"));
    EXPECT_FALSE(lines.is_duplicate(""));
    EXPECT_FALSE(lines.is_duplicate("HTTP://A/LIVE"));
}

}  // namespace
}  // namespace strevo
