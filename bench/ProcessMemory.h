#pragma once

// A memory figure of this process from /proc/self/status, in bytes: "VmRSS"
// (resident now) or "VmHWM" (the most it has been resident); -1 when it
// cannot be read.
long long processMemory(const char *field);
