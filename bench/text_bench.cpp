#include <benchmark/benchmark.h>

#include "bench_pages.h"
#include "search/result_pages.h"
#include "text/text_search.h"

namespace strevo {
namespace {

// Cutting the address list out of 200 pages' text (several megabytes).
void text_between_all_over_page_text(benchmark::State& state) {
    std::string page_text;
    for (const auto& page : bench::result_pages(200)) append_page(page_text, page);
    std::vector<std::string> list;
    for (auto _ : state) {
        benchmark::DoNotOptimize(text_between_all(page_text, "onclick=copyto(\"", "\"", list));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page_text.size()));
    state.counters["MB"] = static_cast<double>(page_text.size()) / 1e6;
    state.counters["items"] = static_cast<double>(list.size());
}
BENCHMARK(text_between_all_over_page_text)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strevo
