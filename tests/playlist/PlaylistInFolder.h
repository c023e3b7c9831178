#pragma once

#include "playlist/Playlist.h"

#include "Files.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Lines = QList<QByteArray>;

// A playlist whose files live in a fresh temporary folder; it reports through
// scripted dialogs.
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

    // One message, titled "Error" with the stop icon, naming the file and the reason.
    void expectOneErrorNaming(const QString &filePath, const QString &reason) const
    {
        ASSERT_FALSE(reason.isEmpty()) << "a test names the reason it expects";
        const std::vector<DialogCall> messages = dialogs.messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, "Error");
        EXPECT_EQ(messages[0].style, errorBox);
        EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(filePath)))
            << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.contains(reason, Qt::CaseInsensitive)) << messages[0].text.toStdString();
    }

    void expectEntries(const Lines &names, const Lines &paths) const
    {
        EXPECT_EQ(playlist.displayNames(), names);
        EXPECT_EQ(playlist.paths(), paths);
        EXPECT_EQ(playlist.count(), paths.size());
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Playlist playlist{dialogs};
};
