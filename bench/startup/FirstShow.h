#pragma once

class QWidget;

// For the start-up benchmark: once `window` has been shown and painted for
// the first time, prints one line to standard output, the time of that moment
// on the system's monotonic clock in nanoseconds and the process's resident
// memory then in bytes ("<nanoseconds> <bytes>"), and quits the application.
void reportFirstShowAndQuit(QWidget &window);
