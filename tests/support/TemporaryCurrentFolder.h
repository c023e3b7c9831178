#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A fresh temporary folder that is the current directory while this lives,
// as the program's windows look for "help.htm" in the current directory.
class TemporaryCurrentFolder
{
public:
    TemporaryCurrentFolder()
    {
        EXPECT_TRUE(dir.isValid());
        EXPECT_TRUE(QDir::setCurrent(dir.path()));
    }
    ~TemporaryCurrentFolder() { QDir::setCurrent(previous); }
    TemporaryCurrentFolder(const TemporaryCurrentFolder &) = delete;
    TemporaryCurrentFolder &operator=(const TemporaryCurrentFolder &) = delete;

    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }

private:
    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
};
