// The seam through which the single-threaded core lets the window react while it works.
//
// The window installs a pump; without one, processing events does nothing and a wait is a
// plain sleep, which is what tests and tools get.
#pragma once

#include <chrono>
#include <cstdint>

namespace strevo {

class EventPump {
public:
    virtual ~EventPump() = default;
    // Handles whatever events are pending, then returns.
    virtual void process_pending_events() = 0;
    // Returns after `duration`, handling events as they arrive meanwhile.
    virtual void wait_processing_events(std::chrono::milliseconds duration) = 0;
};

// Installs the pump (nullptr removes it); the caller keeps ownership.
void install_event_pump(EventPump* pump);

void process_pending_events();

// Waits duration counts of unit while the window keeps reacting. Units: 0 millisecond,
// 1 second, 2 minute, 3 hour; any other value is itself the milliseconds per count.
// A duration of zero or less ends at once. Always true.
bool delay_pumping(int64_t duration, int unit);

}  // namespace strevo
