#include "search/page_parser.h"

#include <algorithm>

#include "text/code_page.h"
#include "text/text_search.h"

namespace strevo {
namespace {

constexpr std::string_view name_left = "<div style=\"float: left;\"  >";
constexpr std::string_view name_right = "</div>";
constexpr std::string_view address_left = "onclick=copyto(\"";
constexpr std::string_view address_right = "\"";
constexpr std::string_view time_left = "<i>";
constexpr std::string_view blank = " ";

const std::string& resolution_left() {
    static const std::string marker = std::string(35, ' ') + "&#8226;";
    return marker;
}

}  // namespace

const std::string& unknown_text() {
    static const std::string text = gbk("未知");
    return text;
}

ResultLists cut_result_lists(std::string_view page_text) {
    ResultLists lists;
    text_between_all(page_text, name_left, name_right, lists.names);
    text_between_all(page_text, address_left, address_right, lists.addresses);
    text_between_all(page_text, time_left, blank, lists.times);
    text_between_all(page_text, resolution_left(), blank, lists.resolutions);
    return lists;
}

int ResultLists::complete_entry_count() const {
    return static_cast<int>(std::min({names.size(), addresses.size(), times.size()}));
}

SourceEntry ResultLists::entry(int i) const {
    const auto at = static_cast<size_t>(i - 1);
    return {names[at], addresses[at], times[at],
            at < resolutions.size() ? resolutions[at] : unknown_text()};
}

}  // namespace strevo
