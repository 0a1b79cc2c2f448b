// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by the editor tests.

#include "ScriptedPrompts.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>

// The child of `parent` named `name`; fails the test when there is none.
template<class T> T *child(const QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

// The last message box shown; fails the test (without crashing it) when
// there was none.
inline ScriptedPrompts::Call lastMessage(const ScriptedPrompts &prompts)
{
    const ScriptedPrompts::Call *call = prompts.lastMessage();
    EXPECT_NE(call, nullptr) << "no message box was shown";
    return call ? *call : ScriptedPrompts::Call{};
}

// A file of `length` bytes that starts like a bitmap: `magic`, then the
// declared size as a 32-bit little-endian number.
inline void writeBitmap(const QString &path, std::uint32_t length, std::uint32_t declared,
                        const char *magic = "BM")
{
    QByteArray bytes(qsizetype(length), '\0');
    for (int i = 0; i < 2 && i < bytes.size(); ++i)
        bytes[i] = magic[i];
    for (int i = 0; i < 4 && 2 + i < bytes.size(); ++i)
        bytes[2 + i] = char((declared >> (8 * i)) & 0xFF);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

inline void writeBitmap(const QString &path, std::uint32_t length = 70)
{
    writeBitmap(path, length, length);
}

// Runs a test with a temporary folder as the current directory.
class InTemporaryFolder
{
public:
    InTemporaryFolder()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_folder.path());
    }
    ~InTemporaryFolder() { QDir::setCurrent(m_previous); }
    [[nodiscard]] QString path() const { return m_folder.path(); }
    [[nodiscard]] QString filePath(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
    QString m_previous;
};
