#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "output/output_folder.h"
#include "output/run_output.h"
#include "support/fake_view.h"
#include "support/files.h"
#include "text/code_page.h"

namespace strevo {
namespace {

namespace fs = std::filesystem;

using test::read_file;

class OutputFiles : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("strevo_out_" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "run dir");
        run_dir = utf8_to_text((root / "run dir").string());
    }
    void TearDown() override { fs::remove_all(root); }

    RunOutput output_with(const std::vector<SourceEntry>& records) {
        RunOutput output;
        output.start_workbook();
        output.add_records(records);
        return output;
    }

    fs::path root;
    std::string run_dir;
    test::FakeView view;
};

TEST(OutputNames, SafeKeywordAndTags) {
    EXPECT_EQ(safe_keyword("a/b:c"), "abc");
    EXPECT_EQ(safe_keyword("<>*|:\"?/\\"), "");
    EXPECT_EQ(safe_keyword(gbk("卫视 Ｘ")), gbk("卫视 Ｘ"));
    EXPECT_EQ(safe_keyword("\x81\x5C|x"), "\x81\x5Cx");  // a trail byte 5C is no backslash
    const OutputPaths checked = output_paths("/r", "CCTV", true);
    EXPECT_EQ(checked.workbook, gbk("/r/整理好的直播源/Excel直播源_CCTV_已检测.xlsx"));
    EXPECT_EQ(checked.playlist, gbk("/r/整理好的直播源/M3U直播源_CCTV_已检测.m3u"));
    EXPECT_EQ(checked.list, gbk("/r/整理好的直播源/TXT直播源_CCTV_已检测.txt"));
    EXPECT_EQ(output_paths("/r", "", false).workbook, gbk("/r/整理好的直播源/Excel直播源__未检测.xlsx"));
}

TEST_F(OutputFiles, ARunLeavesItsThreeFiles) {
    view.keyword_text = gbk("卫视/a:b");
    RunOutput output = output_with({{gbk("湖南卫视"), "http://a/1.m3u8", "12-10", "1920x1080"},
                                    {gbk("未知"), "http://b/2", "12-09", gbk("未知")}});
    output.finish(view, run_dir);
    EXPECT_EQ(view.statuses, std::vector<std::string>{gbk("已完成，整理好的Excel、TXT及M3U文件已保存在运行目录下。")});
    EXPECT_TRUE(view.messages.empty());
    const fs::path folder = root / "run dir" / "整理好的直播源";
    EXPECT_EQ(read_file(folder / "M3U直播源_卫视ab_已检测.m3u"),
              "#EXTM3U\r\n#EXTINF:-1 ,湖南卫视\r\nhttp://a/1.m3u8\r\n#EXTINF:-1 ,未知\r\nhttp://b/2\r\n");
    EXPECT_EQ(read_file(folder / "TXT直播源_卫视ab_已检测.txt"), "湖南卫视,http://a/1.m3u8\r\n未知,http://b/2\r\n");
    EXPECT_TRUE(fs::exists(folder / "Excel直播源_卫视ab_已检测.xlsx"));

    view.check = false;  // the other tag writes a second set beside the first
    output_with({{"A", "http://a", "t", "r"}}).finish(view, run_dir);
    EXPECT_EQ(read_file(folder / "TXT直播源_卫视ab_未检测.txt"), "A,http://a\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 6);
}

TEST_F(OutputFiles, NothingFoundWritesNoFileButMakesTheFolder) {
    RunOutput output = output_with({});
    EXPECT_EQ(output.playlist_text(), "#EXTM3U\r\n");
    output.finish(view, run_dir);
    const fs::path folder = root / "run dir" / "整理好的直播源";
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(view.statuses, std::vector<std::string>{gbk("等待任务")});
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, gbk("信息提示"));
    EXPECT_EQ(view.messages[0].icon, MessageIcon::information);
    EXPECT_EQ(view.messages[0].text, gbk("抱歉，未筛选出您想要的有效的直播源，\r\n请确保您的关键词是合法的，\r\n然后增大搜索页数再试试吧。"));
}

TEST_F(OutputFiles, UnwritableFolderIsReportedNotHidden) {
    std::ofstream(root / "run dir" / "整理好的直播源") << "a file where the folder belongs";
    output_with({{"A", "http://a", "t", "r"}}).finish(view, run_dir);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, gbk("出错了！"));
    EXPECT_EQ(view.messages[0].icon, MessageIcon::error);
    EXPECT_NE(view.messages[0].text.find(gbk("TXT直播源_CCTV_已检测.txt")), std::string::npos);
    EXPECT_EQ(view.statuses, std::vector<std::string>{gbk("保存失败，有文件无法写入。")});
}

TEST_F(OutputFiles, FailedWriteKeepsTheEarlierFile) {
    const fs::path target = root / "list.txt";
    const std::string path = utf8_to_text(target.string());
    ASSERT_TRUE(write_whole_file(path, "earlier"));
    EXPECT_TRUE(write_whole_file(path, ""));  // an empty buffer leaves an empty file
    EXPECT_EQ(read_file(target), "");
    ASSERT_TRUE(write_whole_file(path, "earlier"));

    // A file-size limit makes the next write fail half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit small = old_limit;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = write_whole_file(path, std::string(1000, 'x'));
    setrlimit(RLIMIT_FSIZE, &old_limit);

    EXPECT_FALSE(written);
    EXPECT_EQ(read_file(target), "earlier");
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 2);  // no leftovers
    EXPECT_FALSE(write_whole_file("", "x"));
}

}  // namespace
}  // namespace strevo
