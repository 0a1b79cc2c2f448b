// SPDX-License-Identifier: GPL-3.0-or-later

#include "OrdinaryUser.h"
#include "QuizFixtures.h"

#include "model/AtomicFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

int filesIn(const QTemporaryDir &dir)
{
    return static_cast<int>(
        QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size());
}

} // namespace

TEST(AtomicFile, TargetChangesOnlyOnCommit)
{
    QTemporaryDir dir;
    const std::string path = pathIn(dir, "file");
    writeFile(path, {1, 2, 3});
    {
        AtomicFile file(path);
        ASSERT_TRUE(file.open());
        const std::vector<std::uint8_t> big(100000, 7);
        ASSERT_TRUE(file.write(big.data(), big.size()));
        EXPECT_EQ(readFile(path), (std::vector<std::uint8_t>{1, 2, 3}));
        // Destroyed without commit: the old file stays, the temporary goes.
    }
    EXPECT_EQ(readFile(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(filesIn(dir), 1);

    AtomicFile file(path);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("ab", 2));
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(readFile(path), (std::vector<std::uint8_t>{'a', 'b'}));
    EXPECT_EQ(filesIn(dir), 1);
}

TEST(AtomicFile, KeepsThePermissionsOfTheFileItReplaces)
{
    QTemporaryDir dir;
    const std::string path = pathIn(dir, "file");
    writeFile(path, {1});
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    AtomicFile file(path);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.commit());
    struct stat info
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(AtomicFile, RefusesAReadOnlyTargetAndAFolder)
{
    if (RunAsOrdinaryUser())
        return; // root writes read-only files
    QTemporaryDir dir;
    AtomicFile folder(QDir(dir.path()).absolutePath().toStdString());
    EXPECT_FALSE(folder.open());
    const std::string path = pathIn(dir, "locked");
    writeFile(path, {1});
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    AtomicFile file(path);
    EXPECT_FALSE(file.open());
}

TEST(AtomicFile, SavesThroughALinkIntoItsTarget)
{
    QTemporaryDir dir;
    const std::string target = pathIn(dir, "real.blz");
    const std::string link = pathIn(dir, "link.blz");
    writeFile(target, {1});
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    AtomicFile file(link);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("z", 1));
    ASSERT_TRUE(file.commit());
    struct stat info
    {
    };
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(readFile(target), (std::vector<std::uint8_t>{'z'}));
}
