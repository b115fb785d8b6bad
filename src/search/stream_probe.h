#pragma once

#include <string_view>

namespace strevo {

// Whether a stream address answers, decided by what the address looks like (letters
// compared with case): ".m3u" — the playlist must arrive within the 1-second phase
// time-outs and contain "#EXTM3U"; else ".flv" — a HEAD request must answer 200; else the
// address must open (http, https or ftp; any answer of the server counts).
bool stream_is_valid(std::string_view address);

}  // namespace strevo
