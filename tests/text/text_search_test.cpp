#include "text/text_search.h"

#include <gtest/gtest.h>

#include "text/code_page.h"
#include "text/event_pump.h"

namespace strevo {
namespace {

TEST(FindText, StepsOverDoubleByteCharacters) {
    // "奖" is B1 BD and "奖A" holds the bytes BD 41: a naive byte search for "\xBD" "A"
    // would match across the character boundary.
    const std::string text = gbk("奖A");
    ASSERT_EQ(text, "\xBD\xB1\x41");
    const std::string tricky = "\xB1\xBD" "A";  // the character B1 BD, then A
    EXPECT_EQ(find_text(tricky, "\xBD" "A"), -1);
    EXPECT_EQ(find_text(tricky, "A"), 3);
    EXPECT_EQ(find_text("xaXa", "a", 3), 4);
    EXPECT_EQ(find_text("xaXa", "XA", 1, true), 1);
    EXPECT_EQ(find_text("xaXa", "XA", 1, false), -1);
    // A trail byte in the letter range is not folded: "\x81" "a" is one character.
    EXPECT_EQ(find_text("\x81" "a", "A", 1, true), -1);
    EXPECT_EQ(find_text("", "a"), -1);
}

TEST(TextBetween, CutsBetweenMarkers) {
    EXPECT_EQ(text_between("x About 7 results y", "About ", " results"), "7");
    EXPECT_EQ(text_between("About 7 result", "About ", " results"), "");
    EXPECT_EQ(text_between("no marker", "About ", " results"), "");
    EXPECT_EQ(text_between("a=\"v\" b", gbk("=#引号"), gbk("#引号")), "v");
}

struct CountingPump : EventPump {
    int processed = 0;
    void process_pending_events() override { ++processed; }
    void wait_processing_events(std::chrono::milliseconds) override {}
};

TEST(TextBetweenAll, CollectsEveryItemAndPumpsEvents) {
    CountingPump pump;
    install_event_pump(&pump);
    std::vector<std::string> list{"old"};
    EXPECT_EQ(text_between_all("<b>1</b><b>2</b><b>3", "<b>", "</b>", list), 2);
    install_event_pump(nullptr);
    EXPECT_EQ(list, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(pump.processed, 6);

    EXPECT_EQ(text_between_all("", "<b>", "</b>", list), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(text_between_all("a</b>", "", "</b>", list), 0);  // ends instead of looping
}

TEST(TextBetweenAll, AppliesItsOptions) {
    std::vector<std::string> list;
    BetweenAllOptions options{.case_insensitive = true,
                              .max_length = 8,
                              .prefix = "[",
                              .suffix = "]",
                              .keep_left = true,
                              .start = 2};
    text_between_all("<B>a</b><b>bc</B><b>long</b>", "<b>", "</b>", list, options);
    EXPECT_EQ(list, (std::vector<std::string>{"<b>[bc]"}));  // "<b>[long]" is too long
    // The next left marker is searched right after the previous one, not after the right.
    text_between_all("(a(b)", "(", ")", list);
    EXPECT_EQ(list, (std::vector<std::string>{"a(b", "b"}));
}

TEST(TextReplacePairs, ReplacesEachPairInTurn) {
    EXPECT_EQ(text_replace_pairs("cctv-1\r\n", {{"-", ""}, {"\r\n", ""}}), "cctv1");
    EXPECT_EQ(text_replace_pairs("xX", {{"x", "y"}}), "yy");
    EXPECT_EQ(text_replace_pairs("xX", {{"x", "y"}}, {.case_sensitive = true}), "yX");
    EXPECT_EQ(text_replace_pairs("aaaa", {{"a", "b"}}, {.count = 2}), "bbaa");
    EXPECT_EQ(text_replace_pairs("aaaa", {{"a", "b"}}, {.count = 0}), "aaaa");
    EXPECT_EQ(text_replace_pairs("aaaa", {{"a", "b"}}, {.start = 3}), "aabb");
    EXPECT_EQ(text_replace_pairs("aa", {{"a", "aa"}}), "aaaa");  // no rescan of replacements
    EXPECT_EQ(text_replace_pairs("abc", {{"", "x"}, {"b", ""}}), "ac");
    // The trail byte 5C of a double-byte character is not a backslash.
    EXPECT_EQ(text_replace_pairs("\x81\x5C\\", {{"\\", ""}}), "\x81\x5C");
}

TEST(TextUpper, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(text_upper("cctv-5+ hd"), "CCTV-5+ HD");
    EXPECT_EQ(text_upper("\x81" "a" "b"), "\x81" "aB");
    EXPECT_EQ(text_upper(""), "");
}

TEST(TextToInt, ReadsNumbersAsTyped) {
    const std::pair<std::string, int> cases[] = {
        {"12abc", 12},     {"1,234", 1},     {gbk("３０"), 30},    {"-5", -5},
        {"", 0},           {" 12 word", 12}, {"abc", 0},          {"\t+7", 7},
        {gbk("　１２"), 12}, {"- 5", 0},       {"99999999999", 2147483647},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text_to_int(text), expected) << text;
}

}  // namespace
}  // namespace strevo
