#pragma once

#include <functional>

namespace strevo {

// Runs `stop` on the window's thread when the program is asked to end by SIGTERM, SIGINT
// or SIGHUP (a logout, a kill, Ctrl+C), so it ends as if its window were closed.
void on_stop_signal(std::function<void()> stop);

}  // namespace strevo
