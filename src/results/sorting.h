// The four orders of the kept sources.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/page_parser.h"

namespace strevo {

enum class SortRule { by_address, by_station, by_time, by_resolution };

// The non-empty pieces of text between delimiters ("," when the delimiter is empty).
std::vector<std::string> split_nonempty(std::string_view text, std::string_view delimiter);

// Insertion with a halving search into a growing list, comparing texts with their ASCII
// letters folded to upper case, byte by byte. Texts equal but for case land where the
// search puts them, so the result is not that of a stable sort.
void sort_texts(std::vector<std::string>& texts, bool descending);

// Swaps the first and the last, the second and the one before the last, and so on.
void reverse_texts(std::vector<std::string>& texts);

// The record of a line's fields: four or more give channel, address, time, resolution;
// exactly three are a line without a channel ("未知"); fewer give none.
std::optional<SourceEntry> record_from_fields(const std::vector<std::string>& fields);

// The text a line is ordered by under the rule; `line` is the source line itself.
std::string sort_key(const SourceEntry& record, std::string_view line, SortRule rule);

// The record a key of the rule stands for.
SourceEntry record_from_key(std::string_view key, SortRule rule);

// The source lines (blank lines removed) as records in the order of the rule. Lines with
// fewer than three fields have no record and are left out.
std::vector<SourceEntry> ordered_records(std::string_view source_lines, SortRule rule);

}  // namespace strevo
