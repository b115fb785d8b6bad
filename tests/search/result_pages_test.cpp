#include "search/result_pages.h"

#include <gtest/gtest.h>

#include "search/page_parser.h"
#include "text/code_page.h"

namespace strevo {

void PrintTo(const SourceEntry& e, std::ostream* os) {
    *os << "{" << e.channel << "|" << e.address << "|" << e.checked_at << "|" << e.resolution << "}";
}

namespace {

TEST(ResultPages, AddressOfAPage) {
    EXPECT_EQ(page_address("https://site.example", 1, "CCTV"),
              "https://site.example/iptvsearch/?page=1&s=CCTV");
    EXPECT_EQ(page_address("https://site.example", 12, gbk("卫视 1")),
              "https://site.example/iptvsearch/?page=12&s=%E5%8D%AB%E8%A7%86+1");
}

TEST(ResultPages, TotalAndPageCount) {
    const std::pair<const char*, int> totals[] = {
        {"<p>About 1 results</p>", 1},   {"About 29 results", 29}, {"About 1,234 results", 1234},
        {"About 7 result", 0},           {"nothing here", 0},      {"about 7 results", 0},
    };
    for (const auto& [text, total] : totals) EXPECT_EQ(read_total(text), total) << text;

    const std::pair<int, int> counts[] = {{1, 1}, {29, 1}, {30, 2}, {45, 2}, {59, 2},
                                          {60, 3}, {61, 3}, {1234, 42}};
    for (const auto& [total, pages] : counts) EXPECT_EQ(page_count(total), pages) << total;
}

TEST(ResultPages, PageTextJoinsConvertedPagesWithCrLf) {
    std::string page_text;
    append_page(page_text, "\xE5\x8D\xAB\xE8\xA7\x86");
    append_page(page_text, "");  // a failed request adds only its line end
    append_page(page_text, std::string("b\0junk", 6));
    EXPECT_EQ(page_text, gbk("卫视") + "\r\n\r\nb\r\n");
}

// One result in the site's markup; an empty resolution leaves its piece out.
std::string result(const std::string& name, const std::string& address, const std::string& time,
                   const std::string& resolution) {
    std::string html = "<div class=\"channel\"><div style=\"float: left;\"  >" + name +
                       "</div></div>\n<div class=\"m3u8\"><img onclick=copyto(\"" + address +
                       "\") src=\"copy.png\"></div>\n<div class=\"resolution\"><i>" + time + " ";
    if (!resolution.empty()) html += std::string(35, ' ') + "&#8226;" + resolution + " ";
    return html + "</i></div>\n";
}

TEST(PageParser, CutsEntriesFromTheMarkers) {
    std::string page_text;
    append_page(page_text, "<html>About 3 results" + result("CCTV-1", "http://a/1.m3u8", "12-10 08:00", "1920x1080") +
                               result("CCTV-2", "http://a/2", "12-09", ""));
    append_page(page_text, result("湖南卫视", "http://[::1]/3", "12-08", "720x576") + "</html>");
    const ResultLists lists = cut_result_lists(page_text);
    ASSERT_EQ(lists.entry_count(), 3);
    ASSERT_EQ(lists.complete_entry_count(), 3);
    EXPECT_EQ(lists.entry(1), (SourceEntry{"CCTV-1", "http://a/1.m3u8", "12-10", "1920x1080"}));
    // The second result has no resolution: the third's moves up and the third gets "未知".
    EXPECT_EQ(lists.entry(2), (SourceEntry{"CCTV-2", "http://a/2", "12-09", "720x576"}));
    EXPECT_EQ(lists.entry(3), (SourceEntry{gbk("湖南卫视"), "http://[::1]/3", "12-08", gbk("未知")}));

    EXPECT_EQ(cut_result_lists("<html>no markers</html>\r\n").entry_count(), 0);
}

TEST(PageParser, SurplusNamesHaveNoEntry) {
    const std::string page_text = result("A", "http://a/1", "t1", "r") +
                                  "<div style=\"float: left;\"  >B</div>\r\n";
    const ResultLists lists = cut_result_lists(page_text);
    EXPECT_EQ(lists.entry_count(), 2);
    EXPECT_EQ(lists.complete_entry_count(), 1);
}

}  // namespace
}  // namespace strevo
