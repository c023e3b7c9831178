#include "console/Utf8Console.h"

#include <windows.h>

Utf8Console::Utf8Console()
{
    // Only a console is told: output sent to a file or a pipe stays UTF-8
    // bytes as they are.
    DWORD mode = 0;
    if (!GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode))
        return;
    previousCodePage = GetConsoleOutputCP();
    if (previousCodePage == CP_UTF8 || !SetConsoleOutputCP(CP_UTF8))
        previousCodePage = 0;
}

Utf8Console::~Utf8Console()
{
    if (previousCodePage != 0)
        SetConsoleOutputCP(previousCodePage);
}
