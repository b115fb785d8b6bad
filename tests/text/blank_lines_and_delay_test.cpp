#include <gtest/gtest.h>

#include <chrono>

#include "text/blank_lines.h"
#include "text/event_pump.h"

namespace strevo {
namespace {

TEST(RemoveBlankLines, FollowsThePatternRule) {
    const std::pair<const char*, const char*> cases[] = {
        {"a\r\n\r\n  \r\nb\r\n", "a\r\nb"},
        {"\r\nb", "b"},
        {"a\r\n\r\n", "a"},
        {"a\r\n  ", "a\r\n  "},          // a last line of blanks without CR LF stays
        {"  \r\na", "  \r\na"},          // so does a first line of blanks
        {" a \r\n b \r\n", " a \r\n b "},  // blanks around text stay
        {"a\nb\n\n", "a\nb\n\n"},        // no carriage return: unchanged
        {"a\r\n\t\r\n\r\n\r\nb", "a\r\nb"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(remove_blank_lines(text), expected) << testing::PrintToString(text);
    }
}

struct RecordingPump : EventPump {
    std::chrono::milliseconds waited{-1};
    void process_pending_events() override {}
    void wait_processing_events(std::chrono::milliseconds d) override { waited = d; }
};

TEST(DelayPumping, WaitsThroughThePumpInItsUnits) {
    RecordingPump pump;
    install_event_pump(&pump);
    const std::pair<std::pair<int64_t, int>, int64_t> cases[] = {
        {{2, 1}, 2000}, {{1, 0}, 1}, {{1, 2}, 60'000}, {{1, 3}, 3'600'000}, {{3, 7}, 21},
    };
    for (const auto& [args, expected] : cases) {
        pump.waited = std::chrono::milliseconds(-1);
        EXPECT_TRUE(delay_pumping(args.first, args.second));
        EXPECT_EQ(pump.waited.count(), expected);
    }
    pump.waited = std::chrono::milliseconds(-1);
    EXPECT_TRUE(delay_pumping(0, 1));
    EXPECT_TRUE(delay_pumping(-5, 1));
    EXPECT_EQ(pump.waited.count(), -1);  // zero and negative durations end at once
    install_event_pump(nullptr);
}

TEST(DelayPumping, SleepsWithoutAPump) {
    const auto start = std::chrono::steady_clock::now();
    delay_pumping(20, 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

}  // namespace
}  // namespace strevo
