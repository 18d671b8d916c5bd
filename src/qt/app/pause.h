#pragma once

namespace vantorelle {

// Waits this many real seconds while the event loop keeps running. It sleeps
// until the deadline or the next event and never spins. 0 lets pending events
// run once.
void qtPause(double seconds);

// Sleeps until an event arrives, then runs it.
void qtWaitForEvents();

} // namespace vantorelle
