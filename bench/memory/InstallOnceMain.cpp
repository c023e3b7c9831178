// One install in a program of its own, for the install benchmark's memory
// figure: the Reference install with the insertion pass and a backup into
// the aircraft folder given as the argument, as InstallBench.cpp makes it.
// Prints the resident memory just before the install and the most the
// program held during it, in bytes, and the install's time in nanoseconds:
// "<idle bytes> <peak bytes> <nanoseconds>". Exits 1 when the install
// showed an error.

#include "gui/Installer.h"

#include "BenchSupport.h"
#include "ProcessMemory.h"

#include <QFile>

#include <chrono>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    YesDialogs dialogs;
    Installer installer(dialogs);
    chooseBenchAircraft(installer, QFile::decodeName(argv[1]));

    const long long idle = processMemory("VmRSS");
    const auto start = std::chrono::steady_clock::now();
    installer.installNewPage(KneeboardSection::Reference);
    const auto end = std::chrono::steady_clock::now();
    const long long peak = processMemory("VmHWM");
    if (dialogs.errors != 0) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogs.lastError));
        return 1;
    }
    std::printf("%lld %lld %lld\n", idle, peak,
                static_cast<long long>(std::chrono::nanoseconds(end - start).count()));
    return 0;
}
