#pragma once

#include <functional>

// Runs the Qt event loop of the calling thread until `done` holds or the time
// is up; answers whether `done` held.
bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMilliseconds);
// Runs the event loop for the given time.
void ProcessEventsFor(int milliseconds);
