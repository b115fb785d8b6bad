#include "app/run_search.h"

#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "app/event_loop_pump.h"
#include "demo_site.h"
#include "support/fake_view.h"
#include "support/test_servers.h"
#include "support/files.h"
#include "text/code_page.h"

namespace strevo {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;

using test::read_file;

std::string utf8(const std::string& text) { return text_to_utf8(text); }

class SearchRun : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(site.start({.bind = "127.0.0.1", .port = 0, .stream_port = 0}));
        run_dir = fs::temp_directory_path() / ("strevo_run_" + std::to_string(getpid()));
        fs::remove_all(run_dir);
        fs::create_directories(run_dir);
        install_event_pump(&pump);
    }
    void TearDown() override {
        install_event_pump(nullptr);
        fs::remove_all(run_dir);
    }

    void run(test::FakeView& v) { run_search(v, site.base(), utf8_to_text(run_dir.string())); }
    fs::path output(const std::string& name) const { return run_dir / "整理好的直播源" / name; }

    // The lines of the TXT file the demo data should give for a keyword.
    std::set<std::string> expected_lines(std::string_view keyword, bool only_alive) const {
        std::set<std::string> lines;
        std::set<std::string> seen;
        for (const auto* entry : demo::find_entries(site.entries(), keyword)) {
            if (!seen.insert(entry->address).second) continue;
            const std::string& a = entry->address;
            const bool refused = a.starts_with("http://127.0.0.1:9/") || a.starts_with("rtsp:") ||
                                 (a.find("[::1]") != std::string::npos && !site.serves_ipv6());
            const bool alive = !refused && (a.find("/live/") != std::string::npos ||
                                            a.find("/flv/") != std::string::npos ||
                                            a.find("/ts/") != std::string::npos);
            if (only_alive && !alive) continue;
            std::string channel = entry->channel;
            std::erase(channel, '-');
            for (auto& c : channel) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
            lines.insert(channel + "," + a);
        }
        return lines;
    }

    static std::set<std::string> lines_of(const std::string& text) {
        std::set<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            EXPECT_TRUE(line.ends_with('\r'));
            line.pop_back();
            lines.insert(line);
        }
        return lines;
    }

    demo::DemoSite site;
    fs::path run_dir;
    EventLoopPump pump;
    test::FakeView view;
};

TEST_F(SearchRun, WithoutProbingKeepsEveryNewAddress) {
    view.check = false;
    run(view);
    // 160 CCTV results: six pages, each announced, then one status per kept entry.
    ASSERT_GE(view.statuses.size(), 9u);
    EXPECT_EQ(view.statuses[0], gbk("软件正在拼命提取总页数，请耐心等待···"));
    EXPECT_EQ(view.statuses[1], gbk("实际有 6 页数据，软件将按照实际页数提取···"));
    EXPECT_EQ(view.statuses[2], gbk("正在提取第 1 页，共 6 页，很慢，请耐心等待···"));
    EXPECT_EQ(view.statuses[7], gbk("正在提取第 6 页，共 6 页，很慢，请耐心等待···"));
    EXPECT_EQ(view.statuses[8], gbk("正在提取第 1 个直播源，共 160 个···"));
    EXPECT_EQ(view.statuses.back(), gbk("已完成，整理好的Excel、TXT及M3U文件已保存在运行目录下。"));
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(lines_of(read_file(output("TXT直播源_CCTV_未检测.txt"))), expected_lines("CCTV", false));
    EXPECT_TRUE(fs::exists(output("Excel直播源_CCTV_未检测.xlsx")));
    EXPECT_TRUE(read_file(output("M3U直播源_CCTV_未检测.m3u")).starts_with("#EXTM3U\r\n#EXTINF:-1 ,"));
    EXPECT_TRUE(site.stream_hits().empty());  // nothing probed
}

TEST_F(SearchRun, ProbingKeepsExactlyTheLiveStreamsAndProbesEachAddressOnce) {
    view.keyword_text = gbk("卫视");
    run(view);
    EXPECT_EQ(view.statuses.back(), gbk("已完成，整理好的Excel、TXT及M3U文件已保存在运行目录下。"));
    const std::string count = std::to_string(demo::find_entries(site.entries(), "卫视").size());
    EXPECT_NE(std::find(view.statuses.begin(), view.statuses.end(),
                        gbk("正在检测有效性并提取第 1 个，共 ") + count + gbk(" 个···")),
              view.statuses.end());
    EXPECT_EQ(lines_of(read_file(output("TXT直播源_卫视_已检测.txt"))), expected_lines("卫视", true));
    // A kept address is never probed again; one that failed its probe is kept out of the
    // lines, so its repetition is probed once more.
    for (const auto& [path, hits] : site.stream_hits()) {
        const bool dead = path.starts_with("/bad/") || path.starts_with("/gone/");
        if (dead) {
            EXPECT_LE(hits, 2) << path;
        } else {
            EXPECT_EQ(hits, 1) << path;
        }
    }
}

TEST_F(SearchRun, EndsWithItsMessages) {
    view.keyword_text = "";
    run(view);
    EXPECT_TRUE(view.statuses.empty());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, gbk("出错了！"));
    EXPECT_EQ(view.messages[0].text, gbk("请注意，关键词不能为空！\r\n请输入关键词后重试。"));
    EXPECT_EQ(view.messages[0].icon, MessageIcon::error);

    test::FakeView none;
    none.keyword_text = "no-such-channel";
    run(none);
    EXPECT_EQ(none.statuses.back(), gbk("等待任务"));
    ASSERT_EQ(none.messages.size(), 1u);
    EXPECT_EQ(none.messages[0].title, gbk("信息提示"));
    EXPECT_EQ(none.messages[0].text, gbk("您输入的关键词没有任何搜索结果，\r\n请换一个后重试。"));

    test::FakeView unreachable;
    const int closed_port = test::refused_port();
    run_search(unreachable, "https://127.0.0.1:" + std::to_string(closed_port), "/nonexistent");
    ASSERT_EQ(unreachable.messages.size(), 1u);
    EXPECT_EQ(unreachable.messages[0].title, gbk("出错了！"));
    EXPECT_EQ(unreachable.messages[0].text, gbk("无法连接搜索网站，请检查网络后重试。"));
    EXPECT_EQ(unreachable.statuses.back(), gbk("等待任务"));
}

TEST_F(SearchRun, PagesTextWithoutDigitsFetchesNothing) {
    view.pages = "abc";
    run(view);
    EXPECT_EQ(view.statuses[1], gbk("实际有 6 页数据，软件将按照您设定的 abc 页提取···"));
    EXPECT_EQ(view.statuses.back(), gbk("等待任务"));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, gbk("抱歉，未筛选出您想要的有效的直播源，\r\n请确保您的关键词是合法的，\r\n然后增大搜索页数再试试吧。"));
    EXPECT_TRUE(fs::is_empty(run_dir / "整理好的直播源"));
}

TEST_F(SearchRun, ASettingChangedDuringAWaitCountsFromItsNextRead) {
    view.check = false;
    view.pages = "2";
    view.on_status = [this](const std::string& status) {
        if (status.starts_with(gbk("实际有"))) {
            QTimer::singleShot(200, [this] {
                view.family = FamilyRule::ipv6_only;
                view.keyword_text = "cctv";
            });
        }
    };
    run(view);
    EXPECT_EQ(view.statuses[1], gbk("实际有 6 页数据，软件将按照您设定的 2 页提取···"));
    const std::set<std::string> lines = lines_of(read_file(output("TXT直播源_cctv_未检测.txt")));
    ASSERT_FALSE(lines.empty());
    for (const auto& line : lines) EXPECT_NE(line.find("[::1]"), std::string::npos) << line;
}

TEST_F(SearchRun, AClickDuringAWaitRunsAWholeSearchFirst) {
    std::vector<std::string> log;
    test::FakeView inner;
    inner.keyword_text = "no-such-channel";
    inner.on_status = [&](const std::string& s) { log.push_back("inner " + utf8(s)); };
    view.check = false;
    view.pages = "1";
    view.on_status = [&](const std::string& s) {
        log.push_back("outer " + utf8(s));
        if (s.starts_with(gbk("实际有"))) QTimer::singleShot(100, [&] { run(inner); });
    };
    run(view);
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[1], "outer 实际有 6 页数据，软件将按照您设定的 1 页提取···");
    EXPECT_EQ(log[2], "inner 软件正在拼命提取总页数，请耐心等待···");
    EXPECT_EQ(log[3], "inner 等待任务");
    EXPECT_EQ(log[4], "outer 正在提取第 1 页，共 1 页，很慢，请耐心等待···");
}

}  // namespace
}  // namespace strevo
