#include "output/run_output.h"

#include "output/output_folder.h"
#include "text/code_page.h"

namespace strevo {
namespace {

struct Texts {
    std::string sheet_name = gbk("直播源数据");
    std::string headers[4] = {gbk("电视台"), gbk("直播源"), gbk("验证时间"), gbk("清晰度")};
    std::string idle = gbk("等待任务");
    std::string info_title = gbk("信息提示");
    std::string error_title = gbk("出错了！");
    std::string nothing_kept = gbk("抱歉，未筛选出您想要的有效的直播源，\r\n请确保您的关键词是合法的，\r\n然后增大搜索页数再试试吧。");
    std::string done = gbk("已完成，整理好的Excel、TXT及M3U文件已保存在运行目录下。");
    std::string save_failed = gbk("保存失败，有文件无法写入。");
    std::string cannot_write = gbk("以下文件无法写入，请检查运行目录是否可写：");
};

const Texts& texts() {
    static const Texts all;
    return all;
}

}  // namespace

void RunOutput::start_workbook() {
    book_.create(1);
    std::string name = texts().sheet_name;
    book_.add_sheet(name);
    sheet_ = book_.get_sheet(0);
    sheet_.set_col("A:A", 11.0);
    sheet_.set_col("B:B", 80.0);
    sheet_.set_col("C:C", 11.0);
    sheet_.set_col("D:D", 20.0);
    for (int col = 0; col < 4; ++col) sheet_.write_str(0, col, texts().headers[col]);
}

void RunOutput::add_record(int i, const SourceEntry& record) {
    sheet_.write_str(i, 0, record.channel);
    sheet_.write_str(i, 1, record.address);
    sheet_.write_str(i, 2, record.checked_at);
    sheet_.write_str(i, 3, record.resolution);
    playlist_ += "#EXTINF:-1 ," + record.channel + "\r\n" + record.address + "\r\n";
    list_ += record.channel + "," + record.address + "\r\n";
}

void RunOutput::add_records(const std::vector<SourceEntry>& records) {
    playlist_ = "#EXTM3U\r\n";
    for (size_t i = 0; i < records.size(); ++i) add_record(static_cast<int>(i) + 1, records[i]);
}

void RunOutput::finish(RunView& view, std::string_view run_dir) {
    const std::string folder = output_folder(run_dir);
    if (!folder_exists(folder)) create_folder_path(folder);
    const std::string keyword = safe_keyword(view.keyword());

    if (list_.empty()) {
        view.set_status(texts().idle);
        view.show_message(texts().info_title, texts().nothing_kept, MessageIcon::information);
        return;
    }

    const OutputPaths paths = output_paths(run_dir, keyword, view.check_validity());
    std::vector<std::string> failed;
    if (book_.save(paths.workbook) == 0) failed.push_back(paths.workbook);
    if (!write_whole_file(paths.playlist, text_to_utf8(playlist_))) failed.push_back(paths.playlist);
    if (!write_whole_file(paths.list, text_to_utf8(list_))) failed.push_back(paths.list);
    book_.release();

    if (failed.empty()) {
        view.set_status(texts().done);
        return;
    }
    std::string message = texts().cannot_write;
    for (const auto& path : failed) message += "\r\n" + path;
    view.set_status(texts().save_failed);
    view.show_message(texts().error_title, message, MessageIcon::error);
}

}  // namespace strevo
