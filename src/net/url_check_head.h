#pragma once

#include <string_view>

namespace strevo {

// Whether the address answers a HEAD request with status 200. Every failure is no; gives up
// after 5 s without a connection and after 10 s in all.
bool url_check_head(std::string_view url);

}  // namespace strevo
