#pragma once

#include <string>
#include <string_view>

namespace strevo {

// Removes every run of empty or white-space-only lines between two lines of a CR LF text,
// then one CR LF at the very start and one at the very end. Equal to removing every match
// of the pattern \n\s*\r (greedy) and trimming one CR LF at each end; a text without
// carriage returns comes back unchanged.
std::string remove_blank_lines(std::string_view text);

}  // namespace strevo
