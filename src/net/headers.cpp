#include "net/headers.h"

#include <algorithm>

#include "text/text_search.h"

namespace strevo {
namespace {

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view pair_separator = "; ";

bool is_lead_byte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

std::string join(const std::vector<std::string>& pieces, std::string_view separator) {
    std::string result;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) result += separator;
        result += pieces[i];
    }
    return result;
}

// Position of the first colon, 0-based, or npos.
size_t colon_at(std::string_view line) {
    const int at = find_text(line, ":");
    return at < 0 ? std::string_view::npos : static_cast<size_t>(at - 1);
}

std::string capitalise_name(std::string_view line) {
    std::string result(line);
    const size_t colon = colon_at(line);
    bool word_start = true;
    for (size_t i = 0; i < colon; ++i) {
        if (is_lead_byte(result[i])) {
            ++i;
            word_start = false;
            continue;
        }
        if (word_start && result[i] >= 'a' && result[i] <= 'z') result[i] -= 'a' - 'A';
        word_start = result[i] == '-';
    }
    return result;
}

}  // namespace

std::vector<std::string> split_text(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) return {std::string(text)};  // nothing to split at
    int from = 1;
    for (;;) {
        const int at = find_text(text, separator, from);
        if (at < 0) {
            const auto rest = text.substr(static_cast<size_t>(from - 1));
            if (!rest.empty()) pieces.emplace_back(rest);
            return pieces;
        }
        pieces.emplace_back(text.substr(static_cast<size_t>(from - 1),
                                        static_cast<size_t>(at - from)));
        from = at + static_cast<int>(separator.size());
        if (static_cast<size_t>(from - 1) >= text.size()) return pieces;
    }
}

std::string trim_text(std::string_view text) {
    constexpr std::string_view ideographic_blank = "\xA1\xA1";
    size_t begin = 0;
    size_t end = 0;  // end of the last character that is not a blank
    for (size_t i = 0; i < text.size();) {
        const size_t width = is_lead_byte(text[i]) && i + 1 < text.size() ? 2 : 1;
        const auto character = text.substr(i, width);
        const bool blank = character == " " || character == ideographic_blank;
        if (!blank) {
            if (end == 0) begin = i;
            end = i + width;
        }
        i += width;
    }
    return end == 0 ? std::string() : std::string(text.substr(begin, end - begin));
}

bool has_header(std::string_view header_text, std::string_view name_with_colon) {
    return find_text(header_text, name_with_colon, 1, true) > 0;
}

std::string normalize_header_names(std::string_view header_text) {
    std::vector<std::string> lines;
    for (const auto& line : split_text(header_text, crlf)) {
        if (colon_at(line) != std::string_view::npos) lines.push_back(capitalise_name(line));
    }
    return join(lines, crlf);
}

std::string header_name(std::string_view line) {
    const size_t colon = colon_at(line);
    return colon == std::string_view::npos ? std::string() : trim_text(line.substr(0, colon));
}

std::string header_value(std::string_view text) {
    const size_t colon = colon_at(text);
    return colon == std::string_view::npos ? std::string() : trim_text(text.substr(colon + 1));
}

std::string cookies_from_headers(const std::vector<std::string>& lines) {
    constexpr std::string_view prefix = "set-cookie:";
    std::vector<std::string> pairs;
    for (const auto& line : lines) {
        if (line.size() < prefix.size() || find_text(line.substr(0, prefix.size()), prefix, 1, true) != 1) {
            continue;
        }
        const int semicolon = find_text(line, ";", static_cast<int>(prefix.size()) + 1);
        if (semicolon < 0) continue;
        const auto value = std::string_view(line).substr(
            prefix.size(), static_cast<size_t>(semicolon - 1) - prefix.size());
        pairs.push_back(trim_text(value));
    }
    return join(pairs, pair_separator);
}

void deliver_response_cookies(const std::string& header_block, std::string* cookies,
                              std::string* cookies_out, bool complete) {
    std::string response_cookies = cookies_from_headers(split_text(header_block, crlf));
    if (complete && cookies != nullptr) {
        merge_cookies(*cookies, response_cookies);
        response_cookies = *cookies;
    }
    if (cookies_out != nullptr) *cookies_out = std::move(response_cookies);
}

std::string cookie_name(std::string_view pair) {
    const size_t equals = pair.find('=');
    return trim_text(equals == std::string_view::npos ? pair : pair.substr(0, equals));
}

std::string merge_cookies(std::string& cookies, std::string& new_cookies) {
    for (std::string* text : {&cookies, &new_cookies}) {
        *text = trim_text(*text);
        if (text->ends_with(';')) *text += ' ';
    }
    const std::vector<std::string> old_pairs = split_text(cookies, pair_separator);
    std::vector<std::string> merged = split_text(new_cookies, pair_separator);
    for (const auto& old_pair : old_pairs) {
        const std::string name = cookie_name(old_pair);
        const bool replaced = std::any_of(merged.begin(), merged.end(), [&](const std::string& p) {
            return cookie_name(p) == name;
        });
        if (!replaced) merged.push_back(old_pair);
    }

    std::string live;
    for (const auto& pair : merged) {
        if (!pair.ends_with("=deleted")) live += pair + std::string(pair_separator);
    }
    live.resize(live.size() >= 2 ? live.size() - 2 : 0);

    std::vector<std::string> kept;
    for (auto& pair : split_text(live, pair_separator)) {
        if (std::find(kept.begin(), kept.end(), pair) == kept.end()) kept.push_back(std::move(pair));
    }
    cookies = join(kept, pair_separator);
    return cookies;
}

}  // namespace strevo
