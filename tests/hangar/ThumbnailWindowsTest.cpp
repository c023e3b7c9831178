#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The hangar shows each aircraft's thumbnail.jpg. On Windows, Qt reads JPEG
// only through its plugin (imageformats\ beside the exe).
TEST(ThumbnailWindows, AJpegThumbnailLoads)
{
    QTemporaryDir dir;
    QImage drawn(64, 48, QImage::Format_RGB32);
    drawn.fill(Qt::darkBlue);
    ASSERT_TRUE(drawn.save(dir.filePath("thumbnail.jpg"), "JPEG"));
    const QImage read(dir.filePath("thumbnail.jpg"));
    EXPECT_EQ(read.size(), QSize(64, 48));
}
