// The one window: the search settings, the status line and the button that starts a run.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "output/run_view.h"

namespace strevo {

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // search_base and run_dir are handed to every run; on_closing runs when the window is
    // about to go away (it ends the program).
    MainWindow(std::string search_base, std::string run_dir, QWidget* parent = nullptr);
    ~MainWindow() override;

    RunView& view() { return *view_; }
    void set_closing_handler(std::function<void()> handler) { on_closing_ = std::move(handler); }

    QLabel* 透明标签_工作状态;
    QLabel* 标签_工作状态显示;
    QLabel* 透明标签_关键词;
    QLineEdit* 编辑框_关键词;
    QLabel* 透明标签_搜索页数;
    QLineEdit* 编辑框_欲取页数;
    QPushButton* 按钮_一键取直播源;
    QGroupBox* 分组框_搜索规则;
    QRadioButton* 单选框_取全部源;
    QRadioButton* 单选框_只取IPV6源;
    QRadioButton* 单选框_只取IPV4源;
    QGroupBox* 分组框_是否检测有效性;
    QRadioButton* 单选框_检测;
    QRadioButton* 单选框_不检测;
    QGroupBox* 分组框_排序规则;
    QRadioButton* 单选框_按直播源排序;
    QRadioButton* 单选框_按电视台排序;
    QRadioButton* 单选框_按验证时间排序;
    QRadioButton* 单选框_按清晰度排序;
    QGroupBox* 分组框_小技巧;
    QLabel* 透明标签;
    QLabel* 透明标签2;
    QLabel* 透明标签3;
    QGroupBox* 分组框_免责声明;
    QLabel* 透明标签5;
    QLabel* 透明标签4;
    QLabel* 透明标签1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void start_run();

    std::string search_base_;
    std::string run_dir_;
    std::unique_ptr<RunView> view_;
    std::function<void()> on_closing_;
};

// Texts between the window (QString) and the program (code page 936).
QString to_qt(const std::string& text);
std::string from_qt(const QString& text);

}  // namespace strevo
