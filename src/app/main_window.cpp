#include "app/main_window.h"

#include <QCloseEvent>
#include <QMessageBox>

#include "app/run_search.h"
#include "text/code_page.h"

namespace strevo {
namespace {

// The window reads its settings from the controls at the moment a run asks for them.
class WindowView : public RunView {
public:
    explicit WindowView(MainWindow& window) : w_(window) {}

    std::string keyword() override { return from_qt(w_.编辑框_关键词->text()); }
    std::string pages_text() override { return from_qt(w_.编辑框_欲取页数->text()); }
    FamilyRule family_rule() override {
        if (w_.单选框_只取IPV6源->isChecked()) return FamilyRule::ipv6_only;
        if (w_.单选框_只取IPV4源->isChecked()) return FamilyRule::ipv4_only;
        return FamilyRule::all;
    }
    bool check_validity() override { return w_.单选框_检测->isChecked(); }
    std::optional<SortRule> sort_rule() override {
        if (w_.单选框_按直播源排序->isChecked()) return SortRule::by_address;
        if (w_.单选框_按电视台排序->isChecked()) return SortRule::by_station;
        if (w_.单选框_按验证时间排序->isChecked()) return SortRule::by_time;
        if (w_.单选框_按清晰度排序->isChecked()) return SortRule::by_resolution;
        return std::nullopt;
    }
    void set_status(const std::string& text) override {
        w_.标签_工作状态显示->setText(to_qt(text));
        // Painted now: the next step may block on the network before events run again.
        w_.标签_工作状态显示->repaint();
    }
    void show_message(const std::string& title, const std::string& text, MessageIcon icon) override {
        QMessageBox box(icon == MessageIcon::error ? QMessageBox::Critical : QMessageBox::Information,
                        to_qt(title), to_qt(text).replace("\r\n", "\n"), QMessageBox::Ok, &w_);
        box.exec();
    }

private:
    MainWindow& w_;
};

template <typename Widget>
Widget* place(QWidget* parent, const char* name, int x, int y, int width, int height) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(x, y, width, height);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const char* text, int x, int y, int w, int h) {
    auto* l = place<QLabel>(parent, name, x, y, w, h);
    l->setText(QString::fromUtf8(text));
    return l;
}

template <typename Widget>
Widget* titled(QWidget* parent, const char* name, const char* text, int x, int y, int w, int h) {
    auto* widget = place<Widget>(parent, name, x, y, w, h);
    widget->setText(QString::fromUtf8(text));
    return widget;
}

QGroupBox* group(QWidget* parent, const char* name, const char* title, int x, int y, int w, int h) {
    auto* box = place<QGroupBox>(parent, name, x, y, w, h);
    box->setTitle(QString::fromUtf8(title));
    return box;
}

}  // namespace

QString to_qt(const std::string& text) { return QString::fromStdString(text_to_utf8(text)); }

std::string from_qt(const QString& text) { return utf8_to_text(text.toStdString()); }

MainWindow::MainWindow(std::string search_base, std::string run_dir, QWidget* parent)
    : QWidget(parent), search_base_(std::move(search_base)), run_dir_(std::move(run_dir)) {
    setObjectName("MainWindow");
    setWindowTitle("Strevo1.6");
    setGeometry(50, 50, 494, 350);
    setFixedSize(494, 350);

    透明标签_工作状态 = label(this, "透明标签_工作状态", "工作状态：", 7, 8, 56, 26);
    标签_工作状态显示 = label(this, "标签_工作状态显示", "等待任务···", 67, 8, 420, 26);
    透明标签_关键词 = label(this, "透明标签_关键词", "关 键 词：", 7, 42, 57, 26);
    编辑框_关键词 = titled<QLineEdit>(this, "编辑框_关键词", "CCTV", 68, 42, 204, 26);
    透明标签_搜索页数 = label(this, "透明标签_搜索页数", "搜索页数：", 279, 42, 52, 26);
    编辑框_欲取页数 = titled<QLineEdit>(this, "编辑框_欲取页数", "30", 340, 42, 50, 26);
    按钮_一键取直播源 = titled<QPushButton>(this, "按钮_一键取直播源", "一键取直播源", 397, 42, 90, 81);

    分组框_搜索规则 = group(this, "分组框_搜索规则", "搜索规则", 7, 75, 264, 48);
    单选框_取全部源 = titled<QRadioButton>(分组框_搜索规则, "单选框_取全部源", "取全部源", 10, 18, 71, 20);
    单选框_只取IPV6源 = titled<QRadioButton>(分组框_搜索规则, "单选框_只取IPV6源", "只取IPV6源", 83, 18, 80, 20);
    单选框_只取IPV4源 = titled<QRadioButton>(分组框_搜索规则, "单选框_只取IPV4源", "只取IPV4源", 168, 18, 80, 20);
    单选框_取全部源->setChecked(true);

    分组框_是否检测有效性 = group(this, "分组框_是否检测有效性", "是否检测有效性", 280, 75, 110, 48);
    单选框_检测 = titled<QRadioButton>(分组框_是否检测有效性, "单选框_检测", "是", 10, 18, 30, 20);
    单选框_不检测 = titled<QRadioButton>(分组框_是否检测有效性, "单选框_不检测", "否", 66, 18, 30, 20);
    单选框_检测->setChecked(true);

    分组框_排序规则 = group(this, "分组框_排序规则", "排序规则", 7, 128, 480, 48);
    单选框_按直播源排序 = titled<QRadioButton>(分组框_排序规则, "单选框_按直播源排序", "按直播源排序", 10, 18, 95, 20);
    单选框_按电视台排序 = titled<QRadioButton>(分组框_排序规则, "单选框_按电视台排序", "按电视台排序", 123, 18, 95, 20);
    单选框_按验证时间排序 = titled<QRadioButton>(分组框_排序规则, "单选框_按验证时间排序", "按验证时间排序", 244, 18, 105, 20);
    单选框_按清晰度排序 = titled<QRadioButton>(分组框_排序规则, "单选框_按清晰度排序", "按清晰度排序", 372, 18, 95, 20);
    单选框_按直播源排序->setChecked(true);

    分组框_小技巧 = group(this, "分组框_小技巧", "小技巧", 7, 181, 480, 77);
    透明标签 = label(分组框_小技巧, "透明标签",
                    "1.如输入“CCTV”即可搜索出所有央视频道，如输入“卫视”即可搜索出所有卫视频道。", 10, 15, 462, 20);
    透明标签2 = label(分组框_小技巧, "透明标签2",
                     "2.还可输入直播源网址的一部分如IPV6网址前半部分“2409:8087:74F1:0021”即可搜索", 10, 33, 462, 20);
    透明标签3 = label(分组框_小技巧, "透明标签3", "出包含此网址的一组直播源。", 22, 51, 220, 20);

    分组框_免责声明 = group(this, "分组框_免责声明", "免责声明", 7, 263, 480, 80);
    透明标签5 = label(分组框_免责声明, "透明标签5",
                     "1.本工具仅供技术交流使用，请遵守相关法律，全部使用责任由使用者本人承担！", 10, 15, 462, 20);
    透明标签4 = label(分组框_免责声明, "透明标签4",
                     "2.本软件基于网络开放平台制作，承诺为VIP用户提供永久免费更新服务，但由于不可抗", 10, 33, 462, 20);
    透明标签1 = label(分组框_免责声明, "透明标签1",
                     "力包括不限于搜索平台倒闭等原因，本软件可停止服务并免于被追责，特此声明。", 22, 51, 430, 20);

    view_ = std::make_unique<WindowView>(*this);
    connect(按钮_一键取直播源, &QPushButton::clicked, this, &MainWindow::start_run);
}

MainWindow::~MainWindow() = default;

void MainWindow::start_run() { run_search(*view_, search_base_, run_dir_); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (on_closing_) on_closing_();
    event->accept();
}

}  // namespace strevo
