// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test program: widget tests need a QApplication, and run
// headless on the offscreen platform with a fixed code page and locale.
// The program registers itself in the user's folders at every start, so each
// test program gets a home of its own, removed when it ends: nothing a test
// runs can touch the real user's files.

#include "OrdinaryUser.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char **argv)
{
    // Before anything is created: the process may be a test case run again
    // as an ordinary user.
    if (!DropToTheUserAskedFor()) {
        std::fputs("cannot change to an ordinary user\n", stderr);
        return 1;
    }
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/brainloft-test-home-XXXXXX"));
    if (!home.isValid()) {
        std::fputs("cannot create a temporary home folder\n", stderr);
        return 1;
    }
    const QByteArray root = QFile::encodeName(home.path());
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_STATE_HOME", root + "/.local/state");

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("BRAINLOFT_CODEPAGE", "windows-1252");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brainloft"));
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
