#pragma once

#include "playlist/Playlist.h"

#include "Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Lines = QList<QByteArray>;

// Passes when the playlist did what it was asked; else says why not.
inline testing::AssertionResult succeeded(const PlaylistResult &result)
{
    if (!result.failed())
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << result.failureMessage().toStdString();
}

// A playlist whose files live in a fresh temporary folder.
class PlaylistTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const QString &name) const { return dir.filePath(name); }
    QString file(const QString &name, const QByteArray &content) const
    {
        writeBytes(path(name), content);
        return path(name);
    }

    // A file's failure, naming the file and the reason.
    static void expectFileErrorNaming(const PlaylistResult &result, const QString &filePath,
                                      const QString &reason)
    {
        ASSERT_FALSE(reason.isEmpty()) << "a test names the reason it expects";
        ASSERT_TRUE(result.failure) << "no file's failure: " << result.failureMessage().toStdString();
        EXPECT_TRUE(result.refusal.isEmpty()) << result.refusal.toStdString();
        const QString message = result.failureMessage();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(filePath))) << message.toStdString();
        EXPECT_TRUE(message.contains(reason, Qt::CaseInsensitive)) << message.toStdString();
    }

    void expectEntries(const Lines &names, const Lines &paths) const
    {
        EXPECT_EQ(playlist.displayNames(), names);
        EXPECT_EQ(playlist.paths(), paths);
        EXPECT_EQ(playlist.count(), paths.size());
    }

    QTemporaryDir dir;
    Playlist playlist;
};
