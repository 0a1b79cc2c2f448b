// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "system/XdgPaths.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <optional>

// A home of its own for one test: HOME, the XDG base folders (the system
// data and config folders too) and the current desktop point into a fresh
// temporary folder and are restored afterwards.
class TemporaryHome
{
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    [[nodiscard]] QString path(const QString &relative = {}) const;
    [[nodiscard]] QString dataHome() const { return path(QStringLiteral(".local/share")); }
    [[nodiscard]] QString configHome() const { return path(QStringLiteral(".config")); }
    // The one system data folder ($XDG_DATA_DIRS) and config folder.
    [[nodiscard]] QString systemData() const { return path(QStringLiteral("usr/share")); }
    [[nodiscard]] QString systemConfig() const { return path(QStringLiteral("etc/xdg")); }
    [[nodiscard]] XdgPaths xdgPaths() const { return XdgPaths::fromEnvironment(); }

    void setVariable(const char *name, const QByteArray &value);

    // Writes a file below the home, creating its folders; with `executable`
    // it gets the mode of a program.
    QString writeFile(const QString &relative, const QByteArray &content, bool executable = false);
    [[nodiscard]] static QByteArray read(const QString &path);
    // Every file below the home with its content, by relative path.
    [[nodiscard]] std::map<QString, QByteArray> snapshot(const QString &relative = {}) const;

private:
    QTemporaryDir m_dir;
    std::map<QByteArray, std::optional<QByteArray>> m_saved;
};

// The registry store's text as the program writes it on a first start.
[[nodiscard]] QString registeredText(const QString &exe);
