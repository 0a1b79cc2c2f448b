// SPDX-License-Identifier: GPL-3.0-or-later

#include "TemporaryHome.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TemporaryHome::TemporaryHome()
{
    EXPECT_TRUE(m_dir.isValid());
    const QByteArray root = QFile::encodeName(m_dir.path());
    setVariable("HOME", root);
    setVariable("XDG_DATA_HOME", root + "/.local/share");
    setVariable("XDG_CONFIG_HOME", root + "/.config");
    setVariable("XDG_DATA_DIRS", root + "/usr/share");
    setVariable("XDG_CONFIG_DIRS", root + "/etc/xdg");
    setVariable("XDG_CURRENT_DESKTOP", QByteArray());
}

TemporaryHome::~TemporaryHome()
{
    for (const auto &[name, value] : m_saved) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}

QString TemporaryHome::path(const QString &relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

void TemporaryHome::setVariable(const char *name, const QByteArray &value)
{
    if (m_saved.find(name) == m_saved.end()) {
        m_saved[name] =
            qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }
    if (value.isEmpty())
        qunsetenv(name);
    else
        qputenv(name, value);
}

QString TemporaryHome::writeFile(const QString &relative, const QByteArray &content,
                                 bool executable)
{
    const QString file = path(relative);
    EXPECT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << file.toStdString();
    out.write(content);
    if (executable)
        out.setPermissions(out.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return file;
}

QByteArray TemporaryHome::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::map<QString, QByteArray> TemporaryHome::snapshot(const QString &relative) const
{
    std::map<QString, QByteArray> files;
    const QDir root(m_dir.path());
    QDirIterator it(path(relative), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files[root.relativeFilePath(file)] = read(file);
    }
    return files;
}

QString registeredText(const QString &exe)
{
    QString escaped = exe;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return QStringLiteral(
               "Windows Registry Editor Version 5.00\n"
               "\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
               "Brainloft]\n"
               "\"DisplayName\"=\"Brainloft\"\n"
               "\"UninstallString\"=\"\\\"<exe>\\\" /uninstall\"\n"
               "\n"
               "[HKEY_CLASSES_ROOT\\.blz]\n"
               "@=\"Brainloft.Document\"\n"
               "\n"
               "[HKEY_CLASSES_ROOT\\Brainloft.Document]\n"
               "@=\"Brainloft\"\n"
               "\n"
               "[HKEY_CLASSES_ROOT\\Brainloft.Document\\DefaultIcon]\n"
               "@=\"<exe>,1\"\n"
               "\n"
               "[HKEY_CLASSES_ROOT\\Brainloft.Document\\Shell]\n"
               "@=\"Open\"\n"
               "\n"
               "[HKEY_CLASSES_ROOT\\Brainloft.Document\\Shell\\Open]\n"
               "@=\"&Open\"\n"
               "\n"
               "[HKEY_CLASSES_ROOT\\Brainloft.Document\\Shell\\Open\\command]\n"
               "@=\"\\\"<exe>\\\" %1\"\n"
               "\n"
               "[HKEY_CLASSES_ROOT\\Brainloft.Document\\Shell\\Edit]\n"
               "@=\"&Edit quiz\"\n"
               "\n"
               "[HKEY_CLASSES_ROOT\\Brainloft.Document\\Shell\\Edit\\command]\n"
               "@=\"\\\"<exe>\\\" /edit %1\"\n")
        .replace(QStringLiteral("<exe>"), escaped);
}
