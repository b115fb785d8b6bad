// Marker search, replacement, upper case and number reading over code-page-936 texts.
//
// Positions are 1-based byte offsets and -1 means "not found". A search moves one
// character at a time from its start, stepping over a double-byte character (lead byte
// 0x80 or above) as a unit, so a match only ever begins on a character boundary.
// Case-insensitive comparison folds the ASCII letters and nothing else.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace strevo {

// 1-based position of needle in text at or after start, or -1.
int find_text(std::string_view text, std::string_view needle, int start = 1,
              bool case_insensitive = false);

// The text between the first left marker found from start and the first right marker
// after it; empty when either is missing. "#引号" in a marker stands for a double quote.
std::string text_between(std::string_view text, std::string_view left, std::string_view right,
                         int start = 1, bool case_insensitive = false);

struct BetweenAllOptions {
    bool case_insensitive = false;
    int max_length = 0;  // 0: no limit; otherwise keep only items shorter than this
    std::string prefix;
    std::string suffix;
    bool keep_left = false;
    bool keep_right = false;
    int start = 1;
};

// Every text between a left marker and the next right marker, in order, into list (which is
// emptied first); returns the number of items. The next left marker is searched right after
// the previous one. Lets the window process its events three times per item.
int text_between_all(std::string_view text, std::string_view left, std::string_view right,
                     std::vector<std::string>& list, const BetweenAllOptions& options = {});

struct ReplaceOptions {
    std::optional<int> count;  // at most this many replacements per pair; all when empty
    int start = 1;
    bool case_sensitive = false;
};

using ReplacePair = std::pair<std::string_view, std::string_view>;

// Applies the pairs in order, each to the result of the previous one; an empty search
// text leaves the text unchanged.
std::string text_replace_pairs(std::string_view text, std::initializer_list<ReplacePair> pairs,
                               const ReplaceOptions& options = {});

// The ASCII letters in upper case; double-byte characters (whose trail byte may lie in the
// letter range) unchanged. Keeps the length, so it also serves as the case fold of searches.
std::string text_upper(std::string_view text);

// The full-width forms of ASCII characters (code page 936's row A3, the ideographic
// space, ～, ☆ and ★) as their ASCII characters; everything else unchanged.
std::string text_to_half_width(std::string_view text);

// A decimal whole number: full-width ASCII forms read as ASCII, leading white space
// skipped, one optional sign, digits up to the first non-digit; no digits give 0.
int text_to_int(std::string_view text);

}  // namespace strevo
