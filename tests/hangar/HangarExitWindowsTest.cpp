// The program as a user runs it: the hangar opened over a few aircraft, then
// Exit. Its reader thread has walked the aircraft folders and ended when the
// hangar closed; the program must still end. It hung there, now and then,
// when the thread had run a regular expression compiled to machine code
// (RegularExpressionEngineWindows.cpp): so it is run several times in a row.

#include "Files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <qt_windows.h>

#include <initializer_list>
#include <vector>

namespace {

constexpr int runs = 5;

struct TitledWindow
{
    DWORD process;
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM searched)
{
    auto *search = reinterpret_cast<TitledWindow *>(searched);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (process != search->process || !IsWindowVisible(window) || search->title != title)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The visible window of `process` titled `title`, once it is shown.
HWND shownWindow(const QProcess &program, const wchar_t *title)
{
    TitledWindow search{DWORD(program.processId()), title};
    QTest::qWaitFor(
        [&search] {
            EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        60'000);
    return search.found;
}

// Presses the keys together in `window`, as the keyboard does, once the
// window has the keyboard.
void press(HWND window, std::initializer_list<WORD> keys)
{
    SetForegroundWindow(window);
    ASSERT_TRUE(QTest::qWaitFor([window] { return GetForegroundWindow() == window; }, 10'000));
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

TEST(HangarExit, TheProgramEndsAfterExitWithTheHangarOpen)
{
    // FS2004's usual folder in the 32-bit Program Files folder, which the
    // program started with this one as its ProgramFiles(x86) finds.
    QTemporaryDir programFiles;
    const QString aircraft = programFiles.filePath("Microsoft Games/Flight Simulator 9/Aircraft");
    for (const QString name : {"Alpha", "Bravo", "Charlie"}) {
        ASSERT_TRUE(QDir().mkpath(aircraft + '/' + name));
        writeBytes(aircraft + '/' + name + '/' + name + ".air", "flight model");
        writeBytes(aircraft + '/' + name + "/aircraft.cfg",
                   "[fltsim.0]\r\ntitle=" + name.toLatin1() + "\r\n");
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ProgramFiles(x86)", QDir::toNativeSeparators(programFiles.path()));
    // Its own windows, on the display, to be driven by the keyboard; its own
    // choice of how to run regular expressions, not this program's.
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("QT_ENABLE_REGEXP_JIT");

    for (int run = 1; run <= runs; ++run) {
        SCOPED_TRACE(testing::Message() << "run " << run);
        QProcess program;
        program.setProcessEnvironment(environment);
        // Beside its help page, so that it starts without a message.
        program.setWorkingDirectory(QFileInfo(SKYLYRE_WINDOW_PROGRAM).path());
        program.start(SKYLYRE_WINDOW_PROGRAM);
        ASSERT_TRUE(program.waitForStarted());
        HWND main = shownWindow(program, L"Skylyre Configurator");
        ASSERT_NE(main, nullptr);
        press(main, {VK_CONTROL, 'L'});
        ASSERT_NE(shownWindow(program, L"All Aircraft"), nullptr);
        // Its reader walks the three aircraft meanwhile.
        QTest::qWait(1'000);
        press(main, {VK_MENU, 'X'});
        HWND question = shownWindow(program, L"Playlist Editor");
        ASSERT_NE(question, nullptr);
        press(question, {'Y'});
        const bool ended = program.waitForFinished(20'000);
        EXPECT_TRUE(ended);
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        if (!ended) {
            program.kill();
            program.waitForFinished();
            return;
        }
    }
}
