#include "console/Utf8Console.h"

// A terminal shows the bytes as its locale says; UTF-8 is the norm.
Utf8Console::Utf8Console() = default;

Utf8Console::~Utf8Console() = default;
