#pragma once

// Maps in the whole pages of [begin, end) for writing, in one call, where the
// system can: each page fault of memory written for the first time stops the
// program, and on some virtual machines a fault costs more than writing its
// page. Advice only: elsewhere the pages come one fault at a time, and nothing
// else changes. Defined once for each system.
void mapInForWriting(char *begin, char *end);
