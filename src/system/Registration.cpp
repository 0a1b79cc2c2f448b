// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/Registration.h"

#include "system/DesktopIntegration.h"
#include "system/XdgPaths.h"
#include "ui/Prompts.h"

#include <QCoreApplication>

namespace {

const QString DOCUMENT_TYPE = QString::fromLatin1(QUIZ_DOCUMENT_TYPE);

// Steps 4 to 8 of the registration: each key whose creation fails is
// skipped with the keys below it, and the steps after it still run.
void writeAssociation(RegistryStore &store, const QString &exe)
{
    const auto extension = store.createKey(RegistryRoot::ClassesRoot, QStringLiteral(".blz"));
    if (!extension)
        return;
    SetDefaultValue(store, *extension, DOCUMENT_TYPE);

    const auto document = store.createKey(RegistryRoot::ClassesRoot, DOCUMENT_TYPE);
    if (!document)
        return;
    SetDefaultValue(store, *document, QStringLiteral("Brainloft"));
    if (const auto icon = store.createKey(*document, QStringLiteral("DefaultIcon")))
        SetDefaultValue(store, *icon, exe + QStringLiteral(",1"));

    const auto shell = store.createKey(*document, QStringLiteral("Shell"));
    if (!shell)
        return;
    SetDefaultValue(store, *shell, QStringLiteral("Open"));
    if (const auto open = store.createKey(*shell, QStringLiteral("Open"))) {
        SetDefaultValue(store, *open, QStringLiteral("&Open"));
        if (const auto command = store.createKey(*open, QStringLiteral("command")))
            SetDefaultValue(store, *command, u'"' + exe + QStringLiteral("\" %1"));
    }
    if (const auto edit = store.createKey(*shell, QStringLiteral("Edit"))) {
        SetDefaultValue(store, *edit, QStringLiteral("&Edit quiz"));
        if (const auto command = store.createKey(*edit, QStringLiteral("command")))
            SetDefaultValue(store, *command, u'"' + exe + QStringLiteral("\" /edit %1"));
    }
}

} // namespace

QString RunningProgramPath()
{
    // Read from /proc/self/exe: the real path, symbolic links resolved.
    return QCoreApplication::applicationFilePath();
}

QString RegistryFilePath(const XdgPaths &paths)
{
    return paths.dataHome + QStringLiteral("/brainloft/registry.reg");
}

void RegisterProgram(Prompts &prompts, const QString &programPath)
{
    const XdgPaths paths = XdgPaths::fromEnvironment();
    RegistryStore store(RegistryFilePath(paths));
    store.load();
    DesktopIntegration desktop(paths);
    const QString &exe = programPath;

    if (const auto uninstall =
            store.createKey(RegistryRoot::LocalMachine, QString::fromLatin1(UNINSTALL_KEY))) {
        store.setStringValue(*uninstall, QStringLiteral("DisplayName"),
                             QStringLiteral("Brainloft"));
        store.setStringValue(*uninstall, QStringLiteral("UninstallString"),
                             u'"' + exe + QStringLiteral("\" /uninstall"));
    }

    const bool associate =
        IsAssociationOurs(store, desktop) ||
        prompts.messageBox(nullptr,
                           QCoreApplication::translate(
                               "Registration", "Do you wish to associate the .BLZ extension with "
                                               "Brainloft?"),
                           QStringLiteral("Brainloft"), MB_YESNO | MB_ICONQUESTION) == IDYES;
    if (associate)
        writeAssociation(store, exe);
    store.save();
    if (associate)
        desktop.apply(store);
}

bool IsAssociationOurs(const RegistryStore &store, const DesktopIntegration &desktop)
{
    if (const auto extension = store.openKey(RegistryRoot::ClassesRoot, QStringLiteral(".blz"))) {
        const auto value = store.queryValue(*extension, {});
        if (!value || !value->isString ||
            value->data.compare(DOCUMENT_TYPE, Qt::CaseInsensitive) != 0)
            return false;
    }
    return desktop.isOursOrFree();
}

bool SetDefaultValue(RegistryStore &store, const RegistryStore::Key &key, const QString &data)
{
    return store.setStringValue(key, QString(), data);
}
