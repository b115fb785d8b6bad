#pragma once

#include <string_view>

#include "output/run_view.h"

namespace strevo {

// One search run, from the button press to the last status text: the first page for the
// total, every result page, the entries filtered (and probed when chosen), ordered, and
// the three files written. Each setting is read from the view when it is used; every wait
// lets the window react, so a click during a wait runs a whole further search first.
void run_search(RunView& view, std::string_view search_base, std::string_view run_dir);

}  // namespace strevo
