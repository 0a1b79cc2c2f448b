// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "system/XdgPaths.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class RegistryStore;

// The quiz-file association as the Linux desktop sees it, derived from what
// the registry store records, all of it in the user's own folders:
//   - the shared-mime-info type application/x-brainloft-quiz for *.blz,
//   - brainloft.desktop, whose Exec is the Open command (take the quiz),
//   - brainloft-edit.desktop, hidden from menus, the Edit command ("Edit
//     quiz" under Open With),
//   - the default application for the type in mimeapps.list,
//   - the program and quiz-document icons in the hicolor theme.
// Caches (mime database, desktop database, icon cache) are rebuilt with
// their tools when those exist and something changed. Nothing is reported:
// a file that cannot be written is simply missing.
class DesktopIntegration
{
public:
    explicit DesktopIntegration(XdgPaths paths);

    // True when *.blz is ours or free where a file manager looks: the mime
    // database gives the pattern to our type or to none, and the first
    // installed default application for our type is one of our entries or
    // there is none.
    [[nodiscard]] bool isOursOrFree() const;

    // Writes what the association keys of `store` describe. Files that
    // already hold the right content are left alone.
    void apply(const RegistryStore &store);

    // Removes every file apply() writes and our default from mimeapps.list,
    // then refreshes the caches, or removes them when nothing else of the
    // user's is left in them, and the folders that end up empty.
    void remove();

    // The files apply() may write, mimeapps.list excluded.
    [[nodiscard]] QStringList filePaths() const;

    // A glob of the mime database that matches a quiz file's name.
    struct GlobMatch
    {
        int weight;
        int patternLength;
        QString type;
    };

private:
    struct IconFile
    {
        QString resource;
        QString path;
    };
    [[nodiscard]] std::vector<GlobMatch> readQuizFileGlobs() const;
    // Read once: the check and the mime package's weight both need them.
    [[nodiscard]] const std::vector<GlobMatch> &quizFileGlobs() const;
    [[nodiscard]] QString mimePackagePath() const;
    [[nodiscard]] QString applicationsFolder() const;
    [[nodiscard]] QString mimeAppsPath() const;
    [[nodiscard]] QStringList mimeAppsCandidates() const;
    [[nodiscard]] bool isInstalledEntry(const QString &desktopId) const;
    [[nodiscard]] std::vector<IconFile> iconFiles(bool program, bool document) const;
    bool setDefaultApplication(const QString &desktopId);
    void removeDefaultApplication();
    void cleanMimeDatabase();
    void cleanDesktopDatabase();
    void refreshIconCache();

    XdgPaths m_paths;
    mutable std::optional<std::vector<GlobMatch>> m_quizFileGlobs;
};
