// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/ImageFiles.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs a test inside a folder of its own, as the current directory.
class ImageFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        ASSERT_TRUE(m_cwd.isValid());
        ASSERT_TRUE(m_quizFolder.isValid());
        QDir::setCurrent(m_cwd.path());
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    static void touch(const QString &path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BM");
    }

    // Writes `bytes` to a file of the current folder and returns its path.
    QString write(const char *name, const QByteArray &bytes)
    {
        const QString path = m_cwd.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_cwd;
    QTemporaryDir m_quizFolder;
    QString m_previous;
};

} // namespace

TEST_F(ImageFiles, FindsThePathAsStored)
{
    const QString full = m_quizFolder.filePath(QStringLiteral("cat.bmp"));
    touch(full);
    QString found;
    EXPECT_TRUE(LocateImageFile(full, found));
    EXPECT_EQ(found, full);
}

TEST_F(ImageFiles, FallsBackOnTheBareNameInTheCurrentFolder)
{
    touch(QStringLiteral("cat.bmp"));
    for (const char *stored : {"D:\\pics\\cat.bmp", "/no/such/folder/cat.bmp"}) {
        QString found = QStringLiteral("unchanged");
        EXPECT_TRUE(LocateImageFile(QString::fromLatin1(stored), found)) << stored;
        EXPECT_EQ(found, QStringLiteral("cat.bmp"));
    }
}

TEST_F(ImageFiles, ThenLooksBesideTheQuiz)
{
    touch(m_quizFolder.filePath(QStringLiteral("dog.bmp")));
    QString found;
    EXPECT_TRUE(
        LocateImageFile(QStringLiteral("C:\\Quizzes\\dog.bmp"), found, m_quizFolder.path()));
    EXPECT_EQ(found, m_quizFolder.filePath(QStringLiteral("dog.bmp")));
    EXPECT_TRUE(LocateImageFile(QStringLiteral("dog.bmp"), found, m_quizFolder.path()));
    // The current folder comes first.
    touch(QStringLiteral("dog.bmp"));
    EXPECT_TRUE(
        LocateImageFile(QStringLiteral("C:\\Quizzes\\dog.bmp"), found, m_quizFolder.path()));
    EXPECT_EQ(found, QStringLiteral("dog.bmp"));
}

TEST_F(ImageFiles, MissingPicturesAreNotFound)
{
    QDir(m_cwd.path()).mkdir(QStringLiteral("folder"));
    struct Case
    {
        const char *path;
    } cases[] = {{"cat.bmp"}, {"C:\\pics\\"}, {""}, {"folder"}, {"C:\\x\\folder"}};
    for (const Case &c : cases) {
        QString found = QStringLiteral("unchanged");
        EXPECT_FALSE(LocateImageFile(QString::fromLatin1(c.path), found, m_quizFolder.path()))
            << c.path;
        EXPECT_EQ(found, QStringLiteral("unchanged"));
    }
}

namespace {

void put32(QByteArray &bytes, int offset, qint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((quint32(value) >> (8 * i)) & 0xFF);
}

// A bitmap file header and info header declaring `width` × `height` at 24
// bits, followed by only `dataBytes` bytes of pixels.
QByteArray bitmapHeader(qint32 width, qint32 height, int dataBytes)
{
    QByteArray bytes(54 + dataBytes, '\x7f');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, 54 + dataBytes);
    put32(bytes, 6, 0);
    put32(bytes, 10, 54);
    put32(bytes, 14, 40);
    put32(bytes, 18, width);
    put32(bytes, 22, height);
    bytes[26] = 1;
    bytes[27] = 0;
    bytes[28] = 24;
    bytes[29] = 0;
    for (int offset = 30; offset < 54; offset += 4)
        put32(bytes, offset, 0);
    return bytes;
}

QByteArray savedImage(const char *format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

} // namespace

TEST_F(ImageFiles, LoadsBitmapsAtTheirOwnSize)
{
    const QByteArray bitmap = savedImage("BMP", QSize(120, 45));
    EXPECT_EQ(LoadBitmapFile(write("ok.bmp", bitmap)).size(), QSize(120, 45));
    // Cut in half: nothing or the declared size, never more.
    const QImage cut = LoadBitmapFile(write("cut.bmp", bitmap.left(bitmap.size() / 2)));
    EXPECT_TRUE(cut.isNull() || cut.size() == QSize(120, 45));
}

TEST_F(ImageFiles, BadPicturesLoadAsNothingQuickly)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"text", QByteArray("just some words, not a picture\n")},
        {"png named bmp", savedImage("PNG", QSize(10, 10))},
        {"empty", QByteArray()},
        {"header only", savedImage("BMP", QSize(10, 10)).left(20)},
        {"absurd size", bitmapHeader(60000, 60000, 16)},
        {"absurd top-down size", bitmapHeader(60000, -60000, 16)},
        {"one long row", bitmapHeader(1000000, 1, 16)},
        {"zero size", bitmapHeader(0, 0, 16)},
    };
    for (const Case &c : cases) {
        const QString path = write("bad.bmp", c.bytes);
        QElapsedTimer timer;
        timer.start();
        EXPECT_TRUE(LoadBitmapFile(path).isNull()) << c.name;
        EXPECT_LT(timer.elapsed(), 2000) << c.name;
    }
    EXPECT_TRUE(LoadBitmapFile(m_cwd.filePath(QStringLiteral("missing.bmp"))).isNull());
}
