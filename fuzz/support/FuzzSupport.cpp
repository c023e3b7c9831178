#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void failDiffering(const char *what, const QByteArray &got, const QByteArray &expected)
{
    qsizetype at = 0;
    while (at < got.size() && at < expected.size() && got[at] == expected[at])
        ++at;
    std::fprintf(stderr,
                 "invariant broken: %s\n  sizes: got %lld, expected %lld; first difference at byte %lld\n"
                 "  got:      %s\n  expected: %s\n",
                 what, static_cast<long long>(got.size()), static_cast<long long>(expected.size()),
                 static_cast<long long>(at),
                 got.mid(qMax<qsizetype>(0, at - 20), 60).toPercentEncoding().constData(),
                 expected.mid(qMax<qsizetype>(0, at - 20), 60).toPercentEncoding().constData());
    std::abort();
}

const QString &scratchFolder()
{
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        const QString base = QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
        auto made = std::make_unique<QTemporaryDir>(base + QStringLiteral("/skylyre-fuzz-XXXXXX"));
        require(made->isValid(), "a scratch folder can be made");
        return made;
    }();
    static const QString path = dir->path();
    return path;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the target can write its input file");
    require(file.write(content) == content.size(), "the target can write its input file whole");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly), "the target can read the file back");
    return file.readAll();
}

bool exists(const QString &path)
{
    return QFileInfo::exists(path);
}

void removeIfThere(const QString &path)
{
    QFile::remove(path);
}

QList<QByteArray> referenceLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    QByteArray current;
    bool lineOpen = false; // bytes (or nothing) seen since the last terminator
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            lines.append(current);
            current.clear();
            lineOpen = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current.append(c);
            lineOpen = true;
        }
    }
    if (lineOpen)
        lines.append(current);
    return lines;
}

Dialogs::Answer FuzzDialogs::messageBox(const QString &prompt, Buttons buttons, const QString &title, Icon)
{
    titles.append(title);
    prompts.append(prompt);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    require(!answers.empty(), "every question the program asks has a scripted answer");
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FuzzDialogs::askFileName(const FileDialogSetup &)
{
    require(false, "no file dialog is expected");
    return {};
}

void FuzzDialogs::shellOpen(const QString &)
{
}
