// Result pages in the site's markup for benchmarks: `pages` pages of 30 distinct results.
#pragma once

#include <string>
#include <vector>

#include "site_data.h"

namespace strevo::bench {

inline std::vector<std::string> result_pages(int pages) {
    demo::StreamHosts hosts{8080};
    const std::vector<demo::DemoEntry> stations = demo::demo_entries(hosts);
    std::vector<demo::DemoEntry> entries;
    for (int i = 0; i < pages * 30; ++i) {
        demo::DemoEntry entry = stations[static_cast<size_t>(i) % stations.size()];
        entry.address += "?n=" + std::to_string(i);  // every address distinct
        if (i % 10 == 3) entry.address.replace(0, 17, "http://[2409:8087:74f1:21::6]");
        entries.push_back(entry);
    }
    std::vector<const demo::DemoEntry*> matches;
    for (const auto& entry : entries) matches.push_back(&entry);
    std::vector<std::string> html;
    for (int page = 1; page <= pages; ++page) html.push_back(demo::result_page_html(matches, page, "CCTV"));
    return html;
}

}  // namespace strevo::bench
