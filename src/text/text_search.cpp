#include "text/text_search.h"

#include <climits>
#include <cstdint>

#include "text/code_page.h"
#include "text/event_pump.h"

namespace strevo {
namespace {

bool is_lead_byte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// Whether pos is a character boundary for a walk that began on the boundary `from`.
// The byte before a run of lead-range bytes always ends a character, so only the length
// of that run matters: inside it every other byte starts a character.
bool on_boundary(std::string_view text, size_t from, size_t pos) {
    size_t run = 0;
    while (pos > from && is_lead_byte(text[pos - 1])) {
        --pos;
        ++run;
    }
    return run % 2 == 0;
}

// 0-based position of needle at or after from (a boundary), or npos.
size_t find_on_boundary(std::string_view text, std::string_view needle, size_t from) {
    if (from > text.size() || text.empty()) return std::string_view::npos;
    size_t pos = text.find(needle, from);
    while (pos != std::string_view::npos && !on_boundary(text, from, pos)) {
        pos = text.find(needle, pos + 1);
    }
    return pos;
}

// Searches that ignore case fold both sides once; folding keeps every length and every
// lead-range byte, so positions and boundaries stay those of the original text.
class Searcher {
public:
    Searcher(std::string_view text, bool case_insensitive)
        : folded_(case_insensitive ? text_upper(text) : std::string()),
          text_(case_insensitive ? std::string_view(folded_) : text),
          case_insensitive_(case_insensitive) {}

    size_t find(std::string_view needle, size_t from) const {
        if (!case_insensitive_) return find_on_boundary(text_, needle, from);
        return find_on_boundary(text_, text_upper(needle), from);
    }

private:
    std::string folded_;
    std::string_view text_;
    bool case_insensitive_;
};

size_t start_index(int start) { return start < 1 ? 0 : static_cast<size_t>(start - 1); }

const std::string& quote_escape() {
    static const std::string escape = gbk("#引号");
    return escape;
}

std::string unescape_quotes(std::string_view marker) {
    return text_replace_pairs(marker, {{quote_escape(), "\""}}, {.case_sensitive = true});
}

}  // namespace

int find_text(std::string_view text, std::string_view needle, int start, bool case_insensitive) {
    const size_t pos = Searcher(text, case_insensitive).find(needle, start_index(start));
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos + 1);
}

std::string text_between(std::string_view text, std::string_view left, std::string_view right,
                         int start, bool case_insensitive) {
    const std::string left_marker = unescape_quotes(left);
    const std::string right_marker = unescape_quotes(right);
    const Searcher searcher(text, case_insensitive);
    const size_t left_at = searcher.find(left_marker, start_index(start));
    if (left_at == std::string_view::npos) return {};
    const size_t content = left_at + left_marker.size();
    const size_t right_at = searcher.find(right_marker, content);
    if (right_at == std::string_view::npos) return {};
    return std::string(text.substr(content, right_at - content));
}

int text_between_all(std::string_view text, std::string_view left, std::string_view right,
                     std::vector<std::string>& list, const BetweenAllOptions& options) {
    list.clear();
    if (left.empty()) return 0;  // an empty marker would be found at the same place forever
    const Searcher searcher(text, options.case_insensitive);
    size_t p = start_index(options.start);
    for (;;) {
        const size_t left_at = searcher.find(left, p);
        if (left_at == std::string_view::npos) break;
        p = left_at + left.size();
        const size_t right_at = searcher.find(right, p);
        if (right_at == std::string_view::npos) break;

        std::string item;
        item.reserve(options.prefix.size() + (right_at - p) + options.suffix.size() +
                     left.size() + right.size());
        if (options.keep_left) item += left;
        item += options.prefix;
        item += text.substr(p, right_at - p);
        item += options.suffix;
        if (options.keep_right) item += right;
        if (options.max_length == 0 || item.size() < static_cast<size_t>(options.max_length)) {
            list.push_back(std::move(item));
        }
        for (int i = 0; i < 3; ++i) process_pending_events();
    }
    return static_cast<int>(list.size());
}

std::string text_replace_pairs(std::string_view text, std::initializer_list<ReplacePair> pairs,
                               const ReplaceOptions& options) {
    std::string result(text);
    for (const auto& [search, replacement] : pairs) {
        if (search.empty()) continue;
        const Searcher searcher(result, !options.case_sensitive);
        std::string replaced;
        size_t copied = 0;
        size_t from = start_index(options.start == 0 ? 1 : options.start);
        int left = options.count.value_or(INT_MAX);
        bool any = false;
        while (left > 0) {
            const size_t at = searcher.find(search, from);
            if (at == std::string_view::npos) break;
            replaced.append(result, copied, at - copied);
            replaced += replacement;
            copied = from = at + search.size();
            --left;
            any = true;
        }
        if (!any) continue;
        replaced.append(result, copied);
        result = std::move(replaced);
    }
    return result;
}

std::string text_upper(std::string_view text) {
    std::string result(text);
    for (size_t i = 0; i < result.size(); ++i) {
        if (is_lead_byte(result[i])) {
            ++i;  // the trail byte is never a letter of its own
        } else if (result[i] >= 'a' && result[i] <= 'z') {
            result[i] = static_cast<char>(result[i] - 'a' + 'A');
        }
    }
    return result;
}

std::string text_to_half_width(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80 || i + 1 >= text.size()) {
            result += text[i];
            continue;
        }
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            result += static_cast<char>(trail - 0x80);
        } else if (lead == 0xA1 && trail == 0xA1) {
            result += ' ';
        } else if (lead == 0xA1 && trail == 0xAB) {
            result += '~';
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            result += '*';
        } else {
            result += text.substr(i, 2);
        }
        ++i;
    }
    return result;
}

namespace {

bool is_white(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

int text_to_int(std::string_view text) {
    const std::string ascii = text_to_half_width(as_text(text));
    size_t i = 0;
    while (i < ascii.size() && is_white(ascii[i])) ++i;
    bool negative = false;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
    int64_t value = 0;
    for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i) {
        value = value * 10 + (ascii[i] - '0');
        if (value > static_cast<int64_t>(INT_MAX) + 1) value = static_cast<int64_t>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

}  // namespace strevo
