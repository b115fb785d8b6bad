// Cuts the result pages' text into found sources by the site's fixed markers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace strevo {

// One found live source, as the site shows it.
struct SourceEntry {
    std::string channel;
    std::string address;
    std::string checked_at;  // the site's verification time, up to its first blank
    std::string resolution;  // "未知" when the page gave none

    bool operator==(const SourceEntry&) const = default;
};

// The four lists cut from the page text; their i-th items form entry i.
struct ResultLists {
    std::vector<std::string> names;
    std::vector<std::string> addresses;
    std::vector<std::string> times;
    std::vector<std::string> resolutions;

    // The number of entries the site showed (the length of the name list).
    int entry_count() const { return static_cast<int>(names.size()); }
    // How many entries have an address and a time too; surplus names are dropped.
    int complete_entry_count() const;
    // Entry i, 1-based, for i up to complete_entry_count().
    SourceEntry entry(int i) const;
};

ResultLists cut_result_lists(std::string_view page_text);

// The text "未知" ("unknown") in code page 936.
const std::string& unknown_text();

}  // namespace strevo
