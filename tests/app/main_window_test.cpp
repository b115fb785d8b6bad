#include "app/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/event_loop_pump.h"
#include "demo_site.h"
#include "text/code_page.h"

namespace strevo {
namespace {

namespace fs = std::filesystem;

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the next modal message box with OK, remembering what it said.
void answer_next_message_box(Seen& seen) {
    QTimer::singleShot(50, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return answer_next_message_box(seen);
        seen = {box->windowTitle(), box->text(), box->icon()};
        box->button(QMessageBox::Ok)->click();
    });
}

TEST(MainWindow, ControlsTextsDefaultsAndPlaces) {
    MainWindow window("https://127.0.0.1:1", "/tmp");
    EXPECT_EQ(window.windowTitle(), "Strevo1.6");
    EXPECT_EQ(window.size(), QSize(494, 350));
    struct Control {
        const char* name;
        const char* text;
        QRect place;
    };
    const Control controls[] = {
        {"透明标签_工作状态", "工作状态：", {7, 8, 56, 26}},
        {"标签_工作状态显示", "等待任务···", {67, 8, 420, 26}},
        {"透明标签_关键词", "关 键 词：", {7, 42, 57, 26}},
        {"编辑框_关键词", "CCTV", {68, 42, 204, 26}},
        {"透明标签_搜索页数", "搜索页数：", {279, 42, 52, 26}},
        {"编辑框_欲取页数", "30", {340, 42, 50, 26}},
        {"按钮_一键取直播源", "一键取直播源", {397, 42, 90, 81}},
        {"分组框_搜索规则", "搜索规则", {7, 75, 264, 48}},
        {"单选框_取全部源", "取全部源", {10, 18, 71, 20}},
        {"单选框_只取IPV6源", "只取IPV6源", {83, 18, 80, 20}},
        {"单选框_只取IPV4源", "只取IPV4源", {168, 18, 80, 20}},
        {"分组框_是否检测有效性", "是否检测有效性", {280, 75, 110, 48}},
        {"单选框_检测", "是", {10, 18, 30, 20}},
        {"单选框_不检测", "否", {66, 18, 30, 20}},
        {"分组框_排序规则", "排序规则", {7, 128, 480, 48}},
        {"单选框_按直播源排序", "按直播源排序", {10, 18, 95, 20}},
        {"单选框_按电视台排序", "按电视台排序", {123, 18, 95, 20}},
        {"单选框_按验证时间排序", "按验证时间排序", {244, 18, 105, 20}},
        {"单选框_按清晰度排序", "按清晰度排序", {372, 18, 95, 20}},
        {"分组框_小技巧", "小技巧", {7, 181, 480, 77}},
        {"透明标签", "1.如输入“CCTV”即可搜索出所有央视频道，如输入“卫视”即可搜索出所有卫视频道。", {10, 15, 462, 20}},
        {"透明标签2", "2.还可输入直播源网址的一部分如IPV6网址前半部分“2409:8087:74F1:0021”即可搜索", {10, 33, 462, 20}},
        {"透明标签3", "出包含此网址的一组直播源。", {22, 51, 220, 20}},
        {"分组框_免责声明", "免责声明", {7, 263, 480, 80}},
        {"透明标签5", "1.本工具仅供技术交流使用，请遵守相关法律，全部使用责任由使用者本人承担！", {10, 15, 462, 20}},
        {"透明标签4", "2.本软件基于网络开放平台制作，承诺为VIP用户提供永久免费更新服务，但由于不可抗", {10, 33, 462, 20}},
        {"透明标签1", "力包括不限于搜索平台倒闭等原因，本软件可停止服务并免于被追责，特此声明。", {22, 51, 430, 20}},
    };
    for (const auto& c : controls) {
        auto* widget = window.findChild<QWidget*>(QString::fromUtf8(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.place) << c.name;
        QString text = widget->property("text").toString();
        if (auto* box = qobject_cast<QGroupBox*>(widget)) text = box->title();
        EXPECT_EQ(text, QString::fromUtf8(c.text)) << c.name;
    }

    RunView& view = window.view();
    EXPECT_EQ(view.keyword(), "CCTV");
    EXPECT_EQ(view.pages_text(), "30");
    EXPECT_EQ(view.family_rule(), FamilyRule::all);
    EXPECT_TRUE(view.check_validity());
    EXPECT_EQ(view.sort_rule(), SortRule::by_address);
    window.单选框_只取IPV4源->click();
    window.单选框_不检测->click();
    window.单选框_按清晰度排序->click();
    EXPECT_FALSE(window.单选框_取全部源->isChecked());
    EXPECT_EQ(view.family_rule(), FamilyRule::ipv4_only);
    EXPECT_FALSE(view.check_validity());
    EXPECT_EQ(view.sort_rule(), SortRule::by_resolution);
    window.编辑框_关键词->setText(QString::fromUtf8("卫视"));
    EXPECT_EQ(view.keyword(), gbk("卫视"));
}

TEST(MainWindow, EmptyKeywordIsRefusedWithABox) {
    MainWindow window("https://127.0.0.1:1", "/tmp");
    window.show();
    window.编辑框_关键词->clear();
    Seen seen;
    answer_next_message_box(seen);
    window.按钮_一键取直播源->click();
    EXPECT_EQ(seen.title, QString::fromUtf8("出错了！"));
    EXPECT_EQ(seen.text, QString::fromUtf8("请注意，关键词不能为空！\n请输入关键词后重试。"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(window.标签_工作状态显示->text(), QString::fromUtf8("等待任务···"));
}

TEST(MainWindow, AClickRunsASearchToItsFiles) {
    demo::DemoSite site;
    ASSERT_TRUE(site.start({.bind = "127.0.0.1", .port = 0, .stream_port = 0}));
    const fs::path run_dir = fs::temp_directory_path() / ("strevo_window_" + std::to_string(getpid()));
    fs::remove_all(run_dir);
    fs::create_directories(run_dir);
    EventLoopPump pump;
    install_event_pump(&pump);

    MainWindow window(site.base(), utf8_to_text(run_dir.string()));
    window.show();
    window.编辑框_欲取页数->setText("2");
    window.按钮_一键取直播源->click();
    install_event_pump(nullptr);

    EXPECT_EQ(window.标签_工作状态显示->text(),
              QString::fromUtf8("已完成，整理好的Excel、TXT及M3U文件已保存在运行目录下。"));
    for (const char* name : {"Excel直播源_CCTV_已检测.xlsx", "M3U直播源_CCTV_已检测.m3u", "TXT直播源_CCTV_已检测.txt"}) {
        EXPECT_TRUE(fs::exists(run_dir / "整理好的直播源" / name)) << name;
    }
    fs::remove_all(run_dir);
}

}  // namespace
}  // namespace strevo
