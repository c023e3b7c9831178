#pragma once

// Chooses how Qt runs regular expressions in this program: compiled to
// machine code (PCRE2's JIT) or interpreted. Qt reads the choice when it
// compiles its first pattern: call this first thing in main(), before any
// pattern, in every program, since threads other than the main one run
// patterns (the hangar's reader, Qt's own network thread). Defined once for
// each system.
void chooseRegularExpressionEngine();
