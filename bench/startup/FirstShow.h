#pragma once

#include <ctime>

class QWidget;

// The clock both the benchmark and the programs it starts read: the system's
// monotonic clock, in nanoseconds.
inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// For the start-up benchmark: once `window` has been shown and painted for
// the first time, prints one line to standard output, the time of that moment
// (monotonicNanoseconds) and the process's resident memory then in bytes
// ("<nanoseconds> <bytes>"), and quits the application.
void reportFirstShowAndQuit(QWidget &window);
