#include "results/source_lines.h"

#include "text/text_search.h"

namespace strevo {

bool fits_family(std::string_view address, FamilyRule rule) {
    const bool bracketed = find_text(address, "[") > 0;
    switch (rule) {
        case FamilyRule::ipv6_only: return bracketed;
        case FamilyRule::ipv4_only: return !bracketed;
        case FamilyRule::all: break;
    }
    return true;
}

std::string clean_channel(std::string_view channel) {
    return text_replace_pairs(text_upper(channel), {{"-", ""}, {"\r\n", ""}});
}

bool SourceLines::is_duplicate(std::string_view address) const {
    return addresses_.contains(std::string(address));
}

void SourceLines::append_line(const SourceEntry& entry) {
    text_ += clean_channel(entry.channel);
    text_ += ',';
    text_ += entry.address;
    text_ += ',';
    text_ += entry.checked_at;
    text_ += ',';
    text_ += entry.resolution;
    text_ += "\r\n";
    addresses_.insert(entry.address);
}

}  // namespace strevo
