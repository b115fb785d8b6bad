#include "results/sorting.h"

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace strevo {
namespace {

using Texts = std::vector<std::string>;

std::string channels_in_order(std::string_view lines, SortRule rule) {
    std::string order;
    for (const auto& record : ordered_records(lines, rule)) order += record.channel + " ";
    return order;
}

TEST(SortTexts, FoldsCaseAndStopsOnEqualTexts) {
    Texts texts{"c", "B", "a"};
    sort_texts(texts, false);
    EXPECT_EQ(texts, (Texts{"a", "B", "c"}));
    sort_texts(texts, true);
    EXPECT_EQ(texts, (Texts{"c", "B", "a"}));

    // Texts equal but for case land where the halving search puts them.
    Texts mixed{"b", "B", "a", "A", "b", "c"};
    sort_texts(mixed, false);
    EXPECT_EQ(mixed, (Texts{"A", "a", "b", "B", "b", "c"}));

    Texts odd{"1", "2", "3"};
    reverse_texts(odd);
    EXPECT_EQ(odd, (Texts{"3", "2", "1"}));
}

TEST(SortTexts, MatchesAStableSortOnDistinctTexts) {
    Texts texts;
    for (int i = 0; i < 500; ++i) texts.push_back(std::to_string((i * 7919) % 1000));
    Texts expected = texts;
    std::stable_sort(expected.begin(), expected.end());
    sort_texts(texts, false);
    EXPECT_EQ(texts, expected);
}

TEST(SplitNonempty, DropsEmptyPieces) {
    EXPECT_EQ(split_nonempty(",a,,b,", ","), (Texts{"a", "b"}));
    EXPECT_EQ(split_nonempty("a;b", ""), (Texts{"a;b"}));
    EXPECT_EQ(split_nonempty("x\r\n\r\ny\r\n", "\r\n"), (Texts{"x", "y"}));
    EXPECT_EQ(split_nonempty("", ","), Texts{});
}

TEST(OrderedRecords, TheFourOrders) {
    const std::string lines =
        "CCTV2,http://b,12-09,720x576\r\n"
        "CCTV10,http://a,12-10,1920x1080\r\n"
        "CCTV1,http://c,12-10," + gbk("未知") + "\r\n"
        "CCTV3,http://d,12-08,1280x720";
    EXPECT_EQ(channels_in_order(lines, SortRule::by_station), "CCTV1 CCTV10 CCTV2 CCTV3 ");
    EXPECT_EQ(channels_in_order(lines, SortRule::by_address), "CCTV10 CCTV2 CCTV1 CCTV3 ");
    EXPECT_EQ(channels_in_order(lines, SortRule::by_resolution), "CCTV3 CCTV10 CCTV2 CCTV1 ");
    // Descending times; equal times ordered by channel, descending too.
    EXPECT_EQ(channels_in_order(lines, SortRule::by_time), "CCTV10 CCTV1 CCTV2 CCTV3 ");
}

TEST(OrderedRecords, ShortAndLongLines) {
    const std::string unknown = gbk("未知");
    const std::string lines =
        "B,http://b,t,r\r\n"
        ",http://x,tx,rx\r\n"             // no channel: three fields
        "C,http://c,,rc\r\n"              // no time: read as a line without a channel
        "D,http://d,td,rd,extra\r\n"      // five fields: the first four count
        "E,,,\r\n"                        // fewer than three fields: left out
        "\r\n";
    const auto records = ordered_records(lines, SortRule::by_station);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], (SourceEntry{unknown, "http://x", "tx", "rx"}));  // "," sorts first
    EXPECT_EQ(records[1], (SourceEntry{"B", "http://b", "t", "r"}));
    EXPECT_EQ(records[2], (SourceEntry{unknown, "C", "http://c", "rc"}));
    EXPECT_EQ(records[3], (SourceEntry{"D", "http://d", "td", "rd"}));
    for (const auto rule : {SortRule::by_address, SortRule::by_time, SortRule::by_resolution}) {
        EXPECT_EQ(ordered_records(lines, rule).size(), 4u);
    }
    EXPECT_TRUE(ordered_records("", SortRule::by_address).empty());
}

TEST(OrderedRecords, ChineseNamesInGbkOrder) {
    // 安 (B0B2) < 北 (B1B1) < 中 (D6D0) in code page 936; in Unicode 中 (4E2D) < 北 (5317)
    // < 安 (5B89). Every Chinese name follows every name in ASCII.
    const std::string lines = gbk("中央,http://1,t,r\r\n北京,http://2,t,r\r\n安徽,http://3,t,r\r\nZ,http://4,t,r");
    EXPECT_EQ(channels_in_order(lines, SortRule::by_station), gbk("Z 安徽 北京 中央 "));
}

}  // namespace
}  // namespace strevo
