#pragma once
// Lets the test's events run, blocking until the next one, until done() holds or the
// hang guard runs out. True when done() held.
#include <functional>

bool pump_until(const std::function<bool()>& done, int guard_ms = 20000);

// Lets events run for ms milliseconds.
void pump_for(int ms);
