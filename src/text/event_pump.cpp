#include "text/event_pump.h"

#include <cmath>
#include <thread>

namespace strevo {
namespace {

EventPump* installed_pump = nullptr;

double milliseconds_per_count(int unit) {
    switch (unit) {
        case 0: return 1.0;
        case 1: return 1000.0;
        case 2: return 60'000.0;
        case 3: return 3'600'000.0;
        default: return unit;
    }
}

}  // namespace

void install_event_pump(EventPump* pump) { installed_pump = pump; }

void process_pending_events() {
    if (installed_pump != nullptr) installed_pump->process_pending_events();
}

bool delay_pumping(int64_t duration, int unit) {
    const double milliseconds = std::trunc(static_cast<double>(duration) * milliseconds_per_count(unit));
    if (!(milliseconds > 0)) return true;
    const std::chrono::milliseconds wait(static_cast<int64_t>(milliseconds));
    if (installed_pump != nullptr) {
        installed_pump->wait_processing_events(wait);
    } else {
        std::this_thread::sleep_for(wait);
    }
    return true;
}

}  // namespace strevo
