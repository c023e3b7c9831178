#include "about/RegularExpressionEngine.h"

// Compiled to machine code, Qt's choice: threads here end with their
// thread_local objects destroyed before their storage is freed.
void chooseRegularExpressionEngine()
{
}
