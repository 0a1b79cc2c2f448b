// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string dataOf(const RegistryStore &store, RegistryRoot root, const char *key,
                   const char *name = "")
{
    const auto opened = store.openKey(root, QString::fromUtf8(key));
    if (!opened)
        return "<no key>";
    const auto value = store.queryValue(*opened, QString::fromUtf8(name));
    if (!value)
        return "<no value>";
    return (value->isString ? "" : "<other>") + value->data.toStdString();
}

ino_t inodeOf(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

TEST(RegistryStore, TextRoundTripsQuotesBackslashesAndOtherValueTypes)
{
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\n"
                                        "\n"
                                        "[HKEY_CLASSES_ROOT\\Type\\Shell\\Open\\command]\n"
                                        "@=\"\\\"C:\\\\Program Files\\\\x.exe\\\" %1\"\n"
                                        "\"Flags\"=dword:00000001\n"
                                        "\"a=b\"=\"\"\n");
    RegistryStore store(QString{});
    store.setText(text);
    EXPECT_EQ(dataOf(store, RegistryRoot::ClassesRoot, "type\\shell\\open\\COMMAND"),
              "\"C:\\Program Files\\x.exe\" %1");
    EXPECT_EQ(dataOf(store, RegistryRoot::ClassesRoot, "Type\\Shell\\Open\\command", "flags"),
              "<other>dword:00000001");
    EXPECT_EQ(dataOf(store, RegistryRoot::ClassesRoot, "Type\\Shell\\Open\\command", "a=b"), "");
    EXPECT_EQ(store.text().toStdString(), text.toStdString());
}

TEST(RegistryStore, KeysAreFoundInAnyCaseAndKeepTheirFirstSpelling)
{
    RegistryStore store(QString{});
    const auto created = store.createKey(RegistryRoot::ClassesRoot, QStringLiteral("Doc\\Shell"));
    ASSERT_TRUE(created);
    const auto again = store.createKey(RegistryRoot::ClassesRoot, QStringLiteral("DOC\\shell"));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->path.toStdString(), "Doc\\Shell");
    EXPECT_TRUE(store.setStringValue(*again, QStringLiteral("Name"), QStringLiteral("1")));
    EXPECT_TRUE(store.setStringValue(*created, QStringLiteral("NAME"), QStringLiteral("2")));
    EXPECT_EQ(store.text().toStdString(),
              "Windows Registry Editor Version 5.00\n\n[HKEY_CLASSES_ROOT\\Doc\\Shell]\n"
              "\"Name\"=\"2\"\n");
    // The same path under the other root is another key.
    EXPECT_FALSE(store.openKey(RegistryRoot::LocalMachine, QStringLiteral("Doc\\Shell")));
}

TEST(RegistryStore, KeysAboveCreatedOnesExistButAreNotWrittenOrDeletable)
{
    RegistryStore store(QString{});
    ASSERT_TRUE(store.createKey(RegistryRoot::LocalMachine, QStringLiteral("A\\B\\C")));
    EXPECT_TRUE(store.openKey(RegistryRoot::LocalMachine, QStringLiteral("a\\b")));
    EXPECT_FALSE(store.openKey(RegistryRoot::LocalMachine, QStringLiteral("A\\B\\C\\D")));
    EXPECT_FALSE(store.deleteKey(RegistryRoot::LocalMachine, QStringLiteral("A\\B")));
    EXPECT_FALSE(store.text().contains(QStringLiteral("[HKEY_LOCAL_MACHINE\\A\\B]")));

    ASSERT_TRUE(store.createKey(RegistryRoot::LocalMachine, QStringLiteral("A\\B")));
    EXPECT_FALSE(store.deleteKey(RegistryRoot::LocalMachine, QStringLiteral("A\\B")))
        << "a key with a subkey stays";
    EXPECT_TRUE(store.deleteKey(RegistryRoot::LocalMachine, QStringLiteral("a\\b\\c")));
    EXPECT_TRUE(store.deleteKey(RegistryRoot::LocalMachine, QStringLiteral("A\\B")));
    EXPECT_FALSE(store.deleteKey(RegistryRoot::LocalMachine, QStringLiteral("A\\B")));
    EXPECT_TRUE(store.isEmpty());
}

TEST(RegistryStore, SaveWritesOnlyChangesAndRemovesAnEmptyStore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brainloft/registry.reg"));
    RegistryStore store(path);
    store.load();
    const auto key = store.createKey(RegistryRoot::ClassesRoot, QStringLiteral(".blz"));
    ASSERT_TRUE(key);
    ASSERT_TRUE(store.setStringValue(*key, QString(), QStringLiteral("Brainloft.Document")));
    ASSERT_TRUE(store.save());
    const ino_t written = inodeOf(path);
    ASSERT_NE(written, 0u);

    RegistryStore reread(path);
    reread.load();
    EXPECT_EQ(reread.text().toStdString(), store.text().toStdString());
    ASSERT_TRUE(reread.save());
    EXPECT_EQ(inodeOf(path), written) << "an unchanged store is not rewritten";

    ASSERT_TRUE(reread.deleteKey(RegistryRoot::ClassesRoot, QStringLiteral(".blz")));
    ASSERT_TRUE(reread.save());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("brainloft"))));
}
