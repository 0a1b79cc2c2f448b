#include "taking/ImageFiles.h"

#include <QDir>
#include <QFile>
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
