// The event pump of the window: pending events handled now, or for a while in a nested
// event loop, so a wait keeps the window painted and responsive.
#pragma once

#include "text/event_pump.h"

namespace strevo {

class EventLoopPump : public EventPump {
public:
    void process_pending_events() override;
    void wait_processing_events(std::chrono::milliseconds duration) override;
};

}  // namespace strevo
