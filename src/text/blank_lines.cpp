#include "text/blank_lines.h"

namespace strevo {
namespace {

// The white space of the pattern's \s. No byte of a double-byte character of code page 936
// lies in this range, so the text can be scanned byte by byte.
bool is_pattern_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::string remove_blank_lines(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '\n') {
            result += text[i++];
            continue;
        }
        // A match starts at this line feed and ends at the last carriage return that
        // white space alone reaches from it.
        size_t end = i + 1;
        size_t last_cr = 0;
        bool has_cr = false;
        for (; end < text.size() && is_pattern_space(text[end]); ++end) {
            if (text[end] == '\r') {
                last_cr = end;
                has_cr = true;
            }
        }
        if (has_cr) {
            i = last_cr + 1;
        } else {
            result.append(text, i, end - i);
            i = end;
        }
    }
    if (result.starts_with("\r\n")) result.erase(0, 2);
    if (result.ends_with("\r\n")) result.resize(result.size() - 2);
    return result;
}

}  // namespace strevo
