// The search site's result pages: their addresses, the count sentence and the page count.
#pragma once

#include <string>
#include <string_view>

namespace strevo {

// The site lists 30 results per page.
inline constexpr int results_per_page = 30;

// search_base + "/iptvsearch/?page=" + page + "&s=" + the keyword as percent-encoded UTF-8.
std::string page_address(std::string_view search_base, int page, std::string_view keyword);

// The number in the first page's sentence "About N results", thousands separators
// included; 0 when the sentence is missing.
int read_total(std::string_view first_page_text);

// floor(total / 30) + 1: an exact multiple of 30 gives one page more than it fills.
int page_count(int total);

// Appends a fetched page (bytes up to the first zero byte, UTF-8) to the page text as a
// code-page-936 text, followed by CR LF.
void append_page(std::string& page_text, std::string_view body);

}  // namespace strevo
