#include "results/sorting.h"

#include <algorithm>
#include <cstdint>

#include "text/text_search.h"

namespace strevo {
namespace {

std::string join4(std::string_view a, std::string_view b, std::string_view c, std::string_view d) {
    std::string key;
    key.reserve(a.size() + b.size() + c.size() + d.size() + 3);
    key.append(a).append(",").append(b).append(",").append(c).append(",").append(d);
    return key;
}

// The insertion order of sort_texts as indexes into texts; moving indexes instead of
// texts keeps the quadratic insertion cheap for tens of thousands of lines.
std::vector<uint32_t> halving_insertion_order(const std::vector<std::string>& texts) {
    std::vector<std::string> folded;
    folded.reserve(texts.size());
    for (const auto& text : texts) folded.push_back(text_upper(text));
    const auto less = [&](uint32_t a, uint32_t b) { return folded[a] < folded[b]; };

    std::vector<uint32_t> result;
    result.reserve(texts.size());
    for (uint32_t x = 0; x < texts.size(); ++x) {
        if (result.empty() || !less(x, result.back())) {
            result.push_back(x);
            continue;
        }
        if (!less(result.front(), x)) {
            result.insert(result.begin(), x);
            continue;
        }
        // Positions are 1-based as in the description of the search.
        size_t low = 1;
        size_t high = result.size();
        size_t mid = (low + high) / 2;
        while (high - low >= 2) {
            if (texts[x] == texts[result[mid - 1]]) break;  // the same bytes: stop here
            if (less(x, result[mid - 1])) {
                high = mid;
            } else {
                low = mid;
            }
            mid = (low + high) / 2;
        }
        const size_t at = less(result[mid - 1], x) ? mid : mid - 1;
        result.insert(result.begin() + static_cast<std::ptrdiff_t>(at), x);
    }
    return result;
}

}  // namespace

std::vector<std::string> split_nonempty(std::string_view text, std::string_view delimiter) {
    if (delimiter.empty()) delimiter = ",";
    std::vector<std::string> pieces;
    int from = 1;
    for (;;) {
        const int at = find_text(text, delimiter, from);
        const size_t begin = static_cast<size_t>(from - 1);
        const size_t end = at < 0 ? text.size() : static_cast<size_t>(at - 1);
        if (begin < text.size() && end > begin) pieces.emplace_back(text.substr(begin, end - begin));
        if (at < 0) return pieces;
        from = at + static_cast<int>(delimiter.size());
    }
}

void sort_texts(std::vector<std::string>& texts, bool descending) {
    const std::vector<uint32_t> order = halving_insertion_order(texts);
    std::vector<std::string> sorted;
    sorted.reserve(texts.size());
    for (const uint32_t i : order) sorted.push_back(std::move(texts[i]));
    texts = std::move(sorted);
    if (descending) reverse_texts(texts);
}

void reverse_texts(std::vector<std::string>& texts) {
    const size_t n = texts.size();
    for (size_t i = 0; i < n / 2; ++i) std::swap(texts[i], texts[n - 1 - i]);
}

std::optional<SourceEntry> record_from_fields(const std::vector<std::string>& fields) {
    if (fields.size() >= 4) return SourceEntry{fields[0], fields[1], fields[2], fields[3]};
    if (fields.size() == 3) return SourceEntry{unknown_text(), fields[0], fields[1], fields[2]};
    return std::nullopt;
}

std::string sort_key(const SourceEntry& r, std::string_view line, SortRule rule) {
    switch (rule) {
        case SortRule::by_station: return std::string(line);
        case SortRule::by_address: return join4(r.address, r.channel, r.checked_at, r.resolution);
        case SortRule::by_time: return join4(r.checked_at, r.channel, r.address, r.resolution);
        case SortRule::by_resolution: return join4(r.resolution, r.channel, r.address, r.checked_at);
    }
    return std::string(line);
}

SourceEntry record_from_key(std::string_view key, SortRule rule) {
    const std::vector<std::string> f = split_nonempty(key, ",");
    if (rule == SortRule::by_station || f.size() < 4) {
        return record_from_fields(f).value_or(SourceEntry{});
    }
    switch (rule) {
        case SortRule::by_address: return {f[1], f[0], f[2], f[3]};
        case SortRule::by_time: return {f[1], f[2], f[0], f[3]};
        case SortRule::by_resolution: return {f[1], f[2], f[3], f[0]};
        case SortRule::by_station: break;
    }
    return {};
}

std::vector<SourceEntry> ordered_records(std::string_view source_lines, SortRule rule) {
    std::vector<std::string> keys;
    for (const auto& line : split_nonempty(source_lines, "\r\n")) {
        const std::optional<SourceEntry> record = record_from_fields(split_nonempty(line, ","));
        if (record) keys.push_back(sort_key(*record, line, rule));
    }
    sort_texts(keys, rule == SortRule::by_time);
    std::vector<SourceEntry> records;
    records.reserve(keys.size());
    for (const auto& key : keys) records.push_back(record_from_key(key, rule));
    return records;
}

}  // namespace strevo
