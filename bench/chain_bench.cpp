#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "bench_pages.h"
#include "results/sorting.h"
#include "results/source_lines.h"
#include "search/page_parser.h"
#include "search/result_pages.h"
#include "text/blank_lines.h"

namespace strevo {
namespace {

// From the fetched pages to the ordered records, as a run without probing does it.
size_t page_text_to_ordered_records(const std::vector<std::string>& pages, SortRule rule) {
    std::string page_text;
    for (const auto& page : pages) append_page(page_text, page);
    const ResultLists lists = cut_result_lists(page_text);
    SourceLines lines;
    for (int i = 1; i <= lists.complete_entry_count(); ++i) {
        const SourceEntry entry = lists.entry(i);
        if (lines.is_duplicate(entry.address) || !fits_family(entry.address, FamilyRule::all)) continue;
        lines.append_line(entry);
    }
    return ordered_records(remove_blank_lines(lines.text()), rule).size();
}

void whole_chain(benchmark::State& state) {
    const auto pages = bench::result_pages(static_cast<int>(state.range(0)));
    const auto rule = static_cast<SortRule>(state.range(1));
    size_t records = 0;
    for (auto _ : state) records = page_text_to_ordered_records(pages, rule);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["records"] = static_cast<double>(records);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(whole_chain)
    ->ArgsProduct({{30, 1000}, {static_cast<int>(SortRule::by_address), static_cast<int>(SortRule::by_time)}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strevo
