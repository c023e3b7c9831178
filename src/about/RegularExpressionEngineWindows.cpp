#include "about/RegularExpressionEngine.h"

#include <QByteArray>

// Interpreted. A thread that runs a pattern compiled to machine code (the
// hangar's reader, through the folder walk's "*.air" filter, and Qt's own
// calls) gets a thread_local holder of PCRE2's JIT stack. When such a thread
// ends, winpthreads runs its keys in order: libgcc's emulated thread-local
// storage frees the thread's storage (key 0) before libstdc++ runs the
// thread_local destructors (key 1), so the holder's destructor reads freed
// memory. Under Wine the fault is swallowed with winpthreads' key lock held,
// and the program hangs at its exit in pthread_key_delete. Without machine
// code no such holder is made; the patterns the program runs are short.
void chooseRegularExpressionEngine()
{
    qputenv("QT_ENABLE_REGEXP_JIT", QByteArrayLiteral("0"));
}
