// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Desktop integration: at every start the program records its uninstall
// entry and the quiz-file association in its registry store (RegistryStore,
// the .reg text under $XDG_DATA_HOME/brainloft/), with the keys, values and
// order of operations of a system registry; DesktopIntegration derives the
// real desktop files from what the store holds. UninstallProgram removes
// both and the program's own files. Nothing here reports a failure: the only
// boxes are the association question and the uninstall's closing message.

#include "system/RegistryStore.h"

#include <QString>

class DesktopIntegration;
class Prompts;
struct XdgPaths;

// The document type that quiz files are registered under.
inline constexpr char QUIZ_DOCUMENT_TYPE[] = "Brainloft.Document";
// The uninstall entry under HKEY_LOCAL_MACHINE.
inline constexpr char UNINSTALL_KEY[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brainloft";

// The real path of the running program, its letter case kept.
[[nodiscard]] QString RunningProgramPath();
// The registry store's file in the user's data folder.
[[nodiscard]] QString RegistryFilePath(const XdgPaths &paths);

// Records the uninstall entry and, when *.blz is ours or free or the user
// agrees to take it over, the association; then brings the desktop files up
// to date. Runs at every start; files already right are not rewritten.
void RegisterProgram(Prompts &prompts, const QString &programPath);

// True when the .blz extension is ours or free: the store's .blz key is
// missing or names our document type in any letter case, and the desktop
// (mime database, default application) gives *.blz to us or to no one.
[[nodiscard]] bool IsAssociationOurs(const RegistryStore &store, const DesktopIntegration &desktop);

// Sets the key's unnamed value.
bool SetDefaultValue(RegistryStore &store, const RegistryStore::Key &key, const QString &data);
