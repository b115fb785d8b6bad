#include "search/result_pages.h"

#include <cmath>

#include "text/code_page.h"
#include "text/text_search.h"

namespace strevo {

std::string page_address(std::string_view search_base, int page, std::string_view keyword) {
    return std::string(search_base) + "/iptvsearch/?page=" + std::to_string(page) +
           "&s=" + url_encode(keyword, true, true);
}

int read_total(std::string_view first_page_text) {
    // "About 1,234 results" means 1234: the separators belong to the number.
    const std::string count = text_between(first_page_text, "About ", " results");
    return text_to_int(text_replace_pairs(count, {{",", ""}}));
}

int page_count(int total) {
    const double pages = std::floor(static_cast<double>(total) / 30.0);
    return static_cast<int>(static_cast<double>(static_cast<int>(pages)) + 1.0);
}

void append_page(std::string& page_text, std::string_view body) {
    page_text += utf8_to_text(as_text(body));
    page_text += "\r\n";
}

}  // namespace strevo
