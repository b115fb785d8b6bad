// The texts every request of the program sends unless its caller says otherwise.
#pragma once

#include <string>
#include <string_view>

namespace strevo {

inline constexpr std::string_view default_agent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
inline constexpr std::string_view accept_line = "\r\nAccept: */*";
inline constexpr std::string_view accept_language_line = "\r\nAccept-Language: zh-cn";
inline constexpr std::string_view form_type_line =
    "\r\nContent-Type: application/x-www-form-urlencoded";

// The verb of a method number: 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE, 6 TRACE,
// 7 CONNECT; any other number is GET.
std::string_view method_verb(int method);
inline constexpr int method_get = 0;
inline constexpr int method_post = 1;

inline std::string referer_line(std::string_view url) {
    return "\r\nReferer: " + std::string(url);
}

// Host in small letters, without the port.
std::string url_host(std::string_view url);
// The port after the host's last colon, else 443 for https and 80 otherwise.
int url_port(std::string_view url);
// From the "/" after the host to the end, query included; "/" when there is none.
std::string url_path(std::string_view url);
// Whether the address begins with "https://", letters compared without case.
bool is_secure_url(std::string_view url);

}  // namespace strevo
