// The playlist editor at its limit: opening a playlist of 32,767 songs into
// the real playlist window, shown offscreen, until the list is laid out and
// painted, and saving it again, through the menu commands with the file
// dialogs answered.
//
// Its baseline: filling a bare QListWidget, shown the same way, with the same
// display names, until it is laid out and painted, in the same run.

#include "gui/PlaylistWindow.h"
#include "playlist/Playlist.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QListWidget>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int songs = Playlist::maxEntries;

// A playlist of `songs` full paths, as a large music folder gives them.
QByteArray generatedPlaylist()
{
    QByteArray text;
    for (int i = 0; i < songs; ++i) {
        text += "C:\\Documents and Settings\\Pilot\\My Documents\\My Music\\Artist "
            + QByteArray::number(i / 120) + "\\Album " + QByteArray::number(i / 12) + "\\"
            + QByteArray::number(i % 12 + 1).rightJustified(2, '0') + " - Song number "
            + QByteArray::number(i) + (i % 7 ? ".mp3" : " (live).mp3") + "\r\n";
    }
    return text;
}

const QByteArray &playlistText()
{
    static const QByteArray text = generatedPlaylist();
    return text;
}

// What a user sees once the list is filled: its items laid out and the
// visible ones painted.
void layOutAndPaint(QWidget *window)
{
    QCoreApplication::processEvents();
    window->repaint();
}

void openAndSave(benchmark::State &state)
{
    const QString folder = benchFolder(QStringLiteral("playlist"));
    const QString opened = folder + QStringLiteral("/big.m3u");
    const QString saved = folder + QStringLiteral("/saved.m3u");
    writeDurably(opened, playlistText());
    QPixmap iconPicture(32, 32);
    iconPicture.fill(Qt::darkCyan);
    const QIcon icon(iconPicture);

    YesDialogs dialogs;
    for (auto _ : state) {
        QFile::remove(saved);
        const auto window = std::make_unique<PlaylistWindow>(dialogs, icon);
        window->show();
        layOutAndPaint(window.get());
        dialogs.files = {opened, saved};

        const auto start = Clock::now();
        window->openPlaylist();
        layOutAndPaint(window.get());
        window->savePlaylist();
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());

        if (dialogs.errors != 0)
            benchFailure(dialogs.lastError);
        if (window->playlist().count() != songs || QFile(saved).size() != playlistText().size())
            benchFailure(QStringLiteral("the playlist window did not open and save every song"));
    }
}

void fillBareList(benchmark::State &state)
{
    QStringList names;
    for (const QByteArray &line : playlistText().split('\n')) {
        if (!line.isEmpty())
            names.append(QString::fromLocal8Bit(Playlist::displayNameOfLine(line.chopped(1))));
    }

    for (auto _ : state) {
        const auto list = std::make_unique<QListWidget>();
        list->resize(265, 160);
        list->show();
        layOutAndPaint(list.get());

        const auto start = Clock::now();
        list->addItems(names);
        layOutAndPaint(list.get());
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());

        if (list->count() != songs)
            benchFailure(QStringLiteral("the bare list did not take every name"));
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark("playlist/open_save", openAndSave)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("playlist/bare_list", fillBareList)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
