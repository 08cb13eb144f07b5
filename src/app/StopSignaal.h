#pragma once
// The platform layer for a stop the system asks for (logging out, a service
// manager, `kill`): the program then ends as after its last window, with its
// database closed and its folder released, instead of being cut off. Linux:
// SIGTERM, SIGINT and SIGHUP, turned into an event of the window thread
// through a socket pair (a signal handler may do nothing else). Windows:
// nothing yet; the session end reaches the main window as a close.
#include <functional>

namespace StopSignaal {
// Calls `stop` on the window thread when a stop signal arrives.
void Installeer(std::function<void()> stop);
}  // namespace StopSignaal
