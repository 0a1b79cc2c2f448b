// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/Uninstall.h"

#include "system/DesktopIntegration.h"
#include "system/Registration.h"
#include "system/RegistryStore.h"
#include "system/XdgPaths.h"
#include "ui/Prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// The association's keys, each removed once nothing is left below it.
QStringList associationKeys()
{
    const QString document = QString::fromLatin1(QUIZ_DOCUMENT_TYPE);
    QStringList keys;
    for (const char *format : {"%1\\DefaultIcon", "%1\\Shell\\Open\\Command", "%1\\Shell\\Open",
                               "%1\\Shell\\Edit\\Command", "%1\\Shell\\Edit", "%1\\Shell"})
        keys.append(QString::fromLatin1(format).arg(document));
    keys << document << QStringLiteral(".blz");
    return keys;
}

bool packageManagerLists(const QString &path)
{
    const QString query = QStandardPaths::findExecutable(QStringLiteral("dpkg-query"));
    if (query.isEmpty())
        return false;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(query, {QStringLiteral("--search"), path});
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

QStringList ComponentFiles(const QString &programPath)
{
    const QFileInfo program(programPath);
    const QString base = program.absolutePath() + u'/' + program.completeBaseName();
    QStringList files{programPath};
    for (const char *extension : {".hlp", ".cnt", ".fts", ".gid"})
        files.append(base + QString::fromLatin1(extension));
    return files;
}

bool IsManagedBySystem(const QString &programPath)
{
    const QString folder = QFileInfo(programPath).absolutePath();
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        return true;
    const bool localPrefix = programPath.startsWith(u"/usr/local/");
    for (const char *prefix : {"/usr/", "/bin/", "/sbin/", "/lib/"}) {
        if (programPath.startsWith(QString::fromLatin1(prefix)) && !localPrefix)
            return true;
    }
    return packageManagerLists(programPath);
}

void UninstallProgram(Prompts &prompts, const QString &programPath)
{
    const XdgPaths paths = XdgPaths::fromEnvironment();
    RegistryStore store(RegistryFilePath(paths));
    store.load();
    DesktopIntegration desktop(paths);

    if (IsAssociationOurs(store, desktop)) {
        for (const QString &key : associationKeys())
            store.deleteKey(RegistryRoot::ClassesRoot, key);
        desktop.remove();
    }
    // Linux lets a running program's files go at once, so nothing waits for
    // the next system start.
    if (!programPath.isEmpty() && !IsManagedBySystem(programPath)) {
        for (const QString &file : ComponentFiles(programPath))
            QFile::remove(file);
    }
    store.deleteKey(RegistryRoot::LocalMachine, QString::fromLatin1(UNINSTALL_KEY));
    store.save();

    prompts.messageBox(nullptr,
                       QCoreApplication::translate(
                           "Uninstall", "Brainloft's data has been removed from the Registry.\n"
                                        "Component files will be removed the next time you start "
                                        "the system."),
                       QCoreApplication::translate("Uninstall", "Brainloft Uninstall"),
                       MB_OK | MB_ICONINFORMATION);
}
