// The run's kept sources as text: one line "channel,address,time,resolution" CR LF each.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "search/page_parser.h"

namespace strevo {

enum class FamilyRule { all, ipv6_only, ipv4_only };

// An IPv6 literal host is written in square brackets; anything else counts as IPv4.
bool fits_family(std::string_view address, FamilyRule rule);

// Upper case, without "-" and without CR LF: "cctv-5+" becomes "CCTV5+".
std::string clean_channel(std::string_view channel);

class SourceLines {
public:
    // Whether the address was kept already, compared as a whole address with the kept
    // addresses (a prefix of a longer kept address is not a repeat).
    bool is_duplicate(std::string_view address) const;
    void append_line(const SourceEntry& entry);
    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::unordered_set<std::string> addresses_;
};

}  // namespace strevo
