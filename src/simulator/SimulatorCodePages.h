#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// The ANSI code page of the Windows that FS2004 runs on, in which it reads an
// aircraft's aircraft.cfg, and text in that code page. Defined once for each
// system.
class SimulatorCodePages
{
public:
    SimulatorCodePages();
    ~SimulatorCodePages();
    SimulatorCodePages(const SimulatorCodePages &) = delete;
    SimulatorCodePages &operator=(const SimulatorCodePages &) = delete;

    // The code page for the aircraft in `aircraftFolder`. On Windows the
    // system's ANSI code page. On Linux that of the Wine prefix the folder is
    // in (below its drive_c, or below the folder that one of its drives other
    // than the root points to, in WINEPREFIX or the prefixes of the home), or
    // 0 outside any prefix: there text keeps the local 8-bit encoding of the
    // file names. What is learnt of the prefixes is kept for the next aircraft.
    int codePageOf(const QString &aircraftFolder);

    // `text` in `codePage` (0: the local 8-bit encoding; 65001: UTF-8); nothing
    // when the code page has no character for one of its characters.
    static std::optional<QByteArray> encode(const QString &text, int codePage);
    // `bytes` read in `codePage`, as encode() writes them.
    static QString decode(QByteArrayView bytes, int codePage);

private:
    struct Known;
    std::unique_ptr<Known> known;
};
