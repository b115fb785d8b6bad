#include "app/run_search.h"

#include <string>

#include "net/web_request.h"
#include "output/run_output.h"
#include "results/sorting.h"
#include "results/source_lines.h"
#include "search/page_parser.h"
#include "search/result_pages.h"
#include "search/stream_probe.h"
#include "text/blank_lines.h"
#include "text/code_page.h"
#include "text/event_pump.h"
#include "text/text_search.h"

namespace strevo {
namespace {

constexpr int unit_milliseconds = 0;
constexpr int unit_seconds = 1;

struct RunTexts {
    std::string error_title = gbk("出错了！");
    std::string info_title = gbk("信息提示");
    std::string empty_keyword = gbk("请注意，关键词不能为空！\r\n请输入关键词后重试。");
    std::string counting = gbk("软件正在拼命提取总页数，请耐心等待···");
    std::string idle = gbk("等待任务");
    std::string unreachable = gbk("无法连接搜索网站，请检查网络后重试。");
    std::string no_results = gbk("您输入的关键词没有任何搜索结果，\r\n请换一个后重试。");
    std::string actual = gbk("实际有 ");
    std::string pages_by_site = gbk(" 页数据，软件将按照实际页数提取···");
    std::string pages_by_user = gbk(" 页数据，软件将按照您设定的 ");
    std::string pages_by_user_end = gbk(" 页提取···");
    std::string fetching = gbk("正在提取第 ");
    std::string fetching_of = gbk(" 页，共 ");
    std::string fetching_end = gbk(" 页，很慢，请耐心等待···");
    std::string probing = gbk("正在检测有效性并提取第 ");
    std::string taking = gbk("正在提取第 ");
    std::string entry_of = gbk(" 个，共 ");
    std::string probing_end = gbk(" 个···");
    std::string taking_of = gbk(" 个直播源，共 ");
};

const RunTexts& texts() {
    static const RunTexts all;
    return all;
}

std::string number(int n) { return std::to_string(n); }

// Announces the number of pages to fetch and settles it: the site's count when the user
// wants more, otherwise the user's number as typed, read again after the wait.
int settle_page_count(RunView& view, int site_pages) {
    const RunTexts& t = texts();
    if (site_pages < text_to_int(view.pages_text())) {
        view.set_status(t.actual + number(site_pages) + t.pages_by_site);
        delay_pumping(2, unit_seconds);
        return site_pages;
    }
    view.set_status(t.actual + number(site_pages) + t.pages_by_user + view.pages_text() + t.pages_by_user_end);
    delay_pumping(2, unit_seconds);
    return text_to_int(view.pages_text());
}

std::string fetch_pages(RunView& view, std::string_view search_base, int pages) {
    const RunTexts& t = texts();
    std::string page_text;
    for (int page = 1; page <= pages; ++page) {
        view.set_status(t.fetching + number(page) + t.fetching_of + number(pages) + t.fetching_end);
        delay_pumping(1, unit_milliseconds);
        append_page(page_text, web_request({.url = page_address(search_base, page, view.keyword())}));
    }
    return page_text;
}

// The entries that pass the repeat test, the address family and, when chosen, the probe.
SourceLines keep_entries(RunView& view, const ResultLists& lists) {
    const RunTexts& t = texts();
    const std::string count = number(lists.entry_count());
    SourceLines lines;
    for (int i = 1; i <= lists.complete_entry_count(); ++i) {
        const SourceEntry entry = lists.entry(i);
        if (lines.is_duplicate(entry.address) || !fits_family(entry.address, view.family_rule())) continue;
        if (view.check_validity()) {
            view.set_status(t.probing + number(i) + t.entry_of + count + t.probing_end);
            delay_pumping(1, unit_milliseconds);
            if (!stream_is_valid(entry.address)) continue;
        } else {
            view.set_status(t.taking + number(i) + t.taking_of + count + t.probing_end);
            delay_pumping(1, unit_milliseconds);
        }
        lines.append_line(entry);
    }
    return lines;
}

}  // namespace

void run_search(RunView& view, std::string_view search_base, std::string_view run_dir) {
    const RunTexts& t = texts();
    RunOutput output;
    if (view.keyword().empty()) {
        view.show_message(t.error_title, t.empty_keyword, MessageIcon::error);
        return;
    }

    view.set_status(t.counting);
    delay_pumping(0, unit_seconds);
    std::string headers;
    const Bytes first_page =
        web_request({.url = page_address(search_base, 1, view.keyword()), .headers_out = &headers});
    if (headers.empty()) {  // no answer at all is not the same as no results
        view.set_status(t.idle);
        view.show_message(t.error_title, t.unreachable, MessageIcon::error);
        return;
    }
    const int total = read_total(utf8_to_text(as_text(first_page)));
    if (total == 0) {
        view.set_status(t.idle);
        view.show_message(t.info_title, t.no_results, MessageIcon::information);
        return;
    }

    const int pages = settle_page_count(view, page_count(total));
    const ResultLists lists = cut_result_lists(fetch_pages(view, search_base, pages));
    const std::string source_lines = remove_blank_lines(keep_entries(view, lists).text());

    output.start_workbook();
    const std::optional<SortRule> rule = view.sort_rule();
    output.add_records(rule ? ordered_records(source_lines, *rule) : std::vector<SourceEntry>{});
    output.finish(view, run_dir);
}

}  // namespace strevo
