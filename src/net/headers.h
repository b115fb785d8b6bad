// Header texts and cookie texts as the request functions keep them: plain texts, header
// lines separated by CR LF, cookie pairs separated by "; ".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace strevo {

// Pieces between separators, left to right; an empty piece before the first or between two
// adjacent separators counts, an empty piece after a separator that ends the text is
// dropped, and an empty text gives none. Never matches across a double-byte character.
std::vector<std::string> split_text(std::string_view text, std::string_view separator);

// Without blanks and ideographic blanks (A1 A1) at both ends; tabs, CR and LF stay.
std::string trim_text(std::string_view text);

// Whether "Name:" occurs anywhere in the header text, letters compared without case.
bool has_header(std::string_view header_text, std::string_view name_with_colon);

// Capitalised header names (first letter and every letter after a hyphen), lines without
// a colon dropped.
std::string normalize_header_names(std::string_view header_text);
std::string header_name(std::string_view line);
std::string header_value(std::string_view text);

// The first pair of every Set-Cookie line, joined by "; ".
std::string cookies_from_headers(const std::vector<std::string>& lines);

// What a request tells its caller of the cookies its response set (the header block's
// Set-Cookie pairs): into cookies_out, merged into the caller's cookies first when the caller
// passed them and complete is set.
void deliver_response_cookies(const std::string& header_block, std::string* cookies,
                              std::string* cookies_out, bool complete);

// The name of a cookie pair: the text before its first "=", trimmed.
std::string cookie_name(std::string_view pair);

// New pairs replace old ones of the same name, deleted ("=deleted") pairs vanish, exact
// repeats are kept once. Both arguments are trimmed in place; cookies receives the result.
std::string merge_cookies(std::string& cookies, std::string& new_cookies);

}  // namespace strevo
