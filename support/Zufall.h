#pragma once

#include <functional>

// The machine's random draws: Ziehe(n) gives a uniform whole number from 0 to n - 1 (n > 0).
using TZufall = std::function<int(int n)>;

// One generator for the whole program, seeded once from the system's entropy source, so draws
// made in quick succession are independent of each other.
TZufall SystemZufall();
