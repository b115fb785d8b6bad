// strevo-measure-run: one probed search run over the demo site's results for a keyword,
// with where its time goes: the fixed waits, the page requests, and the probes.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/run_search.h"
#include "demo_site.h"
#include "support/fake_view.h"
#include "text/code_page.h"

using namespace strevo;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
    set_program_code_page(code_page_gbk);
    const std::string keyword = argc > 1 ? argv[1] : "CCTV";
    demo::DemoSite site;
    if (!site.start({.bind = "127.0.0.1", .port = 0, .stream_port = 0})) return 1;
    const auto run_dir = std::filesystem::temp_directory_path() / "strevo_measure_run";
    std::filesystem::create_directories(run_dir);

    // Each status starts a phase that lasts until the next status.
    std::string phase;
    Clock::time_point phase_start = Clock::now();
    double fetching = 0, probing = 0, waiting_for_pages = 0;
    int pages = 0, probes = 0;
    const std::string fetch_mark = gbk("正在提取第 ");
    const std::string page_mark = gbk(" 页");
    const std::string probe_mark = gbk("正在检测有效性");
    const std::string count_mark = gbk("实际有");
    test::FakeView view;
    view.keyword_text = utf8_to_text(keyword);
    view.on_status = [&](const std::string& status) {
        const double spent = seconds(Clock::now() - phase_start);
        if (phase.starts_with(probe_mark)) probing += spent;
        if (phase.starts_with(fetch_mark) && phase.find(page_mark) != std::string::npos) fetching += spent;
        if (phase.starts_with(count_mark)) waiting_for_pages += spent;
        if (status.starts_with(probe_mark)) ++probes;
        if (status.starts_with(fetch_mark) && status.find(page_mark) != std::string::npos) ++pages;
        phase = status;
        phase_start = Clock::now();
    };

    const auto start = Clock::now();
    run_search(view, site.base(), utf8_to_text(run_dir.string()));
    const double total = seconds(Clock::now() - start);

    int kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(run_dir / "整理好的直播源")) {
        if (entry.path().extension() == ".txt") {
            std::FILE* f = std::fopen(entry.path().c_str(), "rb");
            for (int c; (c = std::fgetc(f)) != EOF;) kept += c == '\n';
            std::fclose(f);
        }
    }
    std::printf("keyword %s: %.3f s in all; %d pages fetched in %.3f s; %d probes in %.3f s "
                "(%.1f ms each); the fixed 2-second wait %.3f s; %d entries kept\n",
                keyword.c_str(), total, pages, fetching, probes, probing,
                probes > 0 ? probing * 1000 / probes : 0.0, waiting_for_pages, kept);
    std::filesystem::remove_all(run_dir);
    return 0;
}
