// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/DesktopIntegration.h"

#include "system/DesktopEntry.h"
#include "system/MimeAppsList.h"
#include "system/RegistryStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QResource>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>

#include <fnmatch.h>

namespace {

const QString MIME_TYPE = QStringLiteral("application/x-brainloft-quiz");
const QString OPEN_ENTRY = QStringLiteral("brainloft.desktop");
const QString EDIT_ENTRY = QStringLiteral("brainloft-edit.desktop");
const QString DOCUMENT_TYPE = QStringLiteral("Brainloft.Document");
const QString DOCUMENT_ICON = QStringLiteral("application-x-brainloft-quiz");
const int ICON_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};
// Glob weights of the shared-mime-info database.
const int DEFAULT_GLOB_WEIGHT = 50;
const int MAX_GLOB_WEIGHT = 100;

// What update-mime-database generates beside the packages folder.
const char *const MIME_DATABASE_FILES[] = {
    "aliases",    "generic-icons", "globs",     "globs2", "icons",   "magic",
    "mime.cache", "subclasses",    "treemagic", "types",  "version", "XMLnamespaces"};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file of the program's resources, without a copy when it is stored
// uncompressed (the icons are compared with their copies at every start).
QByteArray resourceBytes(const QString &path)
{
    const QResource resource(path);
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                       resource.size());
    return resource.uncompressedData();
}

// Writes `bytes` unless the file already holds them; true when it wrote.
bool writeIfDifferent(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() == bytes.size() && readAll(path) == bytes)
        return false;
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// Runs a cache tool when it is installed; its output is of no use to us.
void runTool(const QString &name, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        process.kill();
}

std::optional<QString> defaultValue(const RegistryStore &store, const QString &path)
{
    const auto key = store.openKey(RegistryRoot::ClassesRoot, path);
    if (!key)
        return std::nullopt;
    const auto value = store.queryValue(*key, {});
    if (!value || !value->isString)
        return std::nullopt;
    return value->data;
}

// Every file name a desktop id can stand for: its dashes may be folder
// separators below the applications folder.
QStringList desktopIdPaths(const QString &id)
{
    QStringList paths{id};
    for (qsizetype i = 0; i < id.size(); ++i) {
        if (id[i] != u'-')
            continue;
        const qsizetype count = paths.size();
        for (qsizetype k = 0; k < count && paths.size() < 64; ++k) {
            QString variant = paths[k];
            variant[i] = u'/';
            paths.append(variant);
        }
    }
    return paths;
}

bool isOurEntry(const QString &desktopId)
{
    return desktopId == OPEN_ENTRY || desktopId == EDIT_ENTRY;
}

} // namespace

// The globs of the mime database that match a quiz file's name, read from
// the least important folder to the most important one, so that a folder's
// __NOGLOBS__ line drops the globs its type had in the folders before.
// This runs at every start over the system's whole database (a thousand
// lines and more), so lines are taken apart in place, and only a pattern
// whose last character can end a match of the sample goes to fnmatch.
std::vector<DesktopIntegration::GlobMatch> DesktopIntegration::readQuizFileGlobs() const
{
    static const char sample[] = "quiz.blz";
    static const QByteArrayView noGlobs("__NOGLOBS__");
    QStringList folders = QStringList{m_paths.dataHome} + m_paths.dataDirs;
    std::reverse(folders.begin(), folders.end());
    std::vector<GlobMatch> matches;
    for (const QString &folder : folders) {
        const QByteArray globs = readAll(folder + QStringLiteral("/mime/globs2"));
        const char *next = globs.constData();
        const char *const end = next + globs.size();
        while (next < end) {
            // weight:type:pattern[:flags[:...]]
            const char *line = next;
            const char *lineEnd = static_cast<const char *>(std::memchr(line, '\n', end - line));
            if (!lineEnd)
                lineEnd = end;
            next = lineEnd + 1;
            if (*line == '#')
                continue;
            const auto field = [lineEnd](const char *from) {
                const void *colon = std::memchr(from, ':', lineEnd - from);
                return colon ? static_cast<const char *>(colon) : lineEnd;
            };
            const char *typeEnd = nullptr;
            const char *weightEnd = field(line);
            if (weightEnd == lineEnd || (typeEnd = field(weightEnd + 1)) == lineEnd)
                continue;
            const char *patternEnd = field(typeEnd + 1);
            const QByteArrayView pattern(typeEnd + 1, patternEnd - (typeEnd + 1));
            const QByteArrayView type(weightEnd + 1, typeEnd - (weightEnd + 1));
            if (pattern == noGlobs) {
                const QString dropped = QString::fromUtf8(type);
                std::erase_if(matches, [&](const GlobMatch &m) { return m.type == dropped; });
                continue;
            }
            // A literal last character must be the sample's, in either case.
            if (pattern.isEmpty() || !std::strchr("zZ*?]", pattern.back()))
                continue;
            const QByteArray flags =
                patternEnd < lineEnd
                    ? QByteArray(patternEnd + 1, field(patternEnd + 1) - (patternEnd + 1))
                    : QByteArray();
            const bool caseSensitive = flags.split(',').contains("cs");
            if (fnmatch(pattern.toByteArray().constData(), sample,
                        caseSensitive ? 0 : FNM_CASEFOLD) != 0)
                continue;
            bool numeric = false;
            const int weight = QByteArray(line, weightEnd - line).toInt(&numeric);
            if (numeric)
                matches.push_back({weight, int(pattern.size()), QString::fromUtf8(type)});
        }
    }
    return matches;
}

const std::vector<DesktopIntegration::GlobMatch> &DesktopIntegration::quizFileGlobs() const
{
    if (!m_quizFileGlobs)
        m_quizFileGlobs = readQuizFileGlobs();
    return *m_quizFileGlobs;
}

namespace {

// The types the mime database gives *.blz: those of the heaviest globs that
// match a quiz file's name, and of these the longest. Empty when no glob
// matches.
QStringList typesOf(const std::vector<DesktopIntegration::GlobMatch> &matches)
{
    int bestWeight = -1;
    int bestLength = -1;
    QStringList types;
    for (const auto &match : matches) {
        if (match.weight < bestWeight ||
            (match.weight == bestWeight && match.patternLength < bestLength))
            continue;
        if (match.weight > bestWeight || match.patternLength > bestLength)
            types.clear();
        bestWeight = match.weight;
        bestLength = match.patternLength;
        if (!types.contains(match.type))
            types.append(match.type);
    }
    return types;
}

// Our glob's weight: the default, unless another type's glob for quiz files
// is as heavy; then one more than the heaviest of them, so that the mime
// database gives quiz files to us alone (the weights end at 100).
int ourGlobWeight(const std::vector<DesktopIntegration::GlobMatch> &matches)
{
    int heaviest = -1;
    for (const auto &match : matches) {
        if (match.type != MIME_TYPE)
            heaviest = std::max(heaviest, match.weight);
    }
    return heaviest < DEFAULT_GLOB_WEIGHT ? DEFAULT_GLOB_WEIGHT
                                          : std::min(heaviest + 1, MAX_GLOB_WEIGHT);
}

// Our mime package, with our glob's weight.
QByteArray mimePackage(int weight)
{
    QByteArray package = readAll(QStringLiteral(":/desktop/brainloft-mime.xml"));
    if (weight != DEFAULT_GLOB_WEIGHT) {
        package.replace("<glob pattern=\"*.blz\"/>",
                        "<glob pattern=\"*.blz\" weight=\"" + QByteArray::number(weight) + "\"/>");
    }
    return package;
}

QStringList iconSizeFolders()
{
    QStringList folders{QStringLiteral("scalable")};
    for (const int size : ICON_SIZES)
        folders.append(QStringLiteral("%1x%1").arg(size));
    return folders;
}

} // namespace

DesktopIntegration::DesktopIntegration(XdgPaths paths)
    : m_paths(std::move(paths))
{}

bool DesktopIntegration::isOursOrFree() const
{
    const QStringList types = typesOf(quizFileGlobs());
    if (!types.isEmpty() && !types.contains(MIME_TYPE))
        return false;
    for (const QString &path : mimeAppsCandidates()) {
        const QString text = QString::fromUtf8(readAll(path));
        for (const QString &id : defaultApplications(text, MIME_TYPE)) {
            if (isInstalledEntry(id))
                return isOurEntry(id);
        }
    }
    return true;
}

void DesktopIntegration::apply(const RegistryStore &store)
{
    const auto extension = defaultValue(store, QStringLiteral(".blz"));
    if (!extension || extension->compare(DOCUMENT_TYPE, Qt::CaseInsensitive) != 0 ||
        !store.openKey(RegistryRoot::ClassesRoot, DOCUMENT_TYPE))
        return;

    // A cache that was never built (its tool came later) counts as a change.
    const QString mime = m_paths.dataHome + QStringLiteral("/mime");
    const bool mimeChanged =
        writeIfDifferent(mimePackagePath(), mimePackage(ourGlobWeight(quizFileGlobs()))) ||
        !QFileInfo::exists(mime + u'/' + MIME_TYPE + QStringLiteral(".xml"));
    bool entriesChanged =
        !QFileInfo::exists(applicationsFolder() + QStringLiteral("/mimeinfo.cache"));
    bool iconsChanged = false;
    const bool documentIcon =
        store.openKey(RegistryRoot::ClassesRoot, DOCUMENT_TYPE + QStringLiteral("\\DefaultIcon"))
            .has_value();

    // The entry for each command the store holds.
    const auto writeEntry = [&](const QString &verb, const QString &id, const char *placeholder,
                                const QString &templateName) {
        const auto command =
            defaultValue(store, DOCUMENT_TYPE + QStringLiteral("\\Shell\\%1\\command").arg(verb));
        const auto parsed = command ? parseShellCommand(*command) : std::nullopt;
        if (!parsed)
            return false;
        QString text = QString::fromUtf8(readAll(QStringLiteral(":/desktop/") + templateName));
        text.replace(QStringLiteral("@BRAINLOFT_TRYEXEC@"), desktopStringValue(parsed->program));
        text.replace(QString::fromLatin1(placeholder), desktopExecValue(*parsed));
        entriesChanged =
            writeIfDifferent(applicationsFolder() + u'/' + id, text.toUtf8()) || entriesChanged;
        return true;
    };
    const bool open = writeEntry(QStringLiteral("Open"), OPEN_ENTRY, "@BRAINLOFT_OPEN_COMMAND@",
                                 QStringLiteral("brainloft.desktop.in"));
    const bool edit = writeEntry(QStringLiteral("Edit"), EDIT_ENTRY, "@BRAINLOFT_EDIT_COMMAND@",
                                 QStringLiteral("brainloft-edit.desktop.in"));
    for (const IconFile &icon : iconFiles(open || edit, documentIcon))
        iconsChanged = writeIfDifferent(icon.path, resourceBytes(icon.resource)) || iconsChanged;

    // The shell's default verb is the default application.
    const QString verb =
        defaultValue(store, DOCUMENT_TYPE + QStringLiteral("\\Shell")).value_or(QString());
    if (verb.compare(u"Open", Qt::CaseInsensitive) == 0 && open)
        setDefaultApplication(OPEN_ENTRY);
    else if (verb.compare(u"Edit", Qt::CaseInsensitive) == 0 && edit)
        setDefaultApplication(EDIT_ENTRY);

    if (mimeChanged)
        runTool(QStringLiteral("update-mime-database"), {mime});
    if (entriesChanged)
        runTool(QStringLiteral("update-desktop-database"),
                {QStringLiteral("-q"), applicationsFolder()});
    if (iconsChanged)
        refreshIconCache();
    m_quizFileGlobs.reset(); // the mime database may have been rebuilt
}

void DesktopIntegration::remove()
{
    QFile::remove(mimePackagePath());
    QFile::remove(applicationsFolder() + u'/' + OPEN_ENTRY);
    QFile::remove(applicationsFolder() + u'/' + EDIT_ENTRY);
    for (const IconFile &icon : iconFiles(true, true))
        QFile::remove(icon.path);
    removeDefaultApplication();

    cleanMimeDatabase();
    cleanDesktopDatabase();
    refreshIconCache();

    // The folders we write into, deepest first; only empty ones go.
    const QString hicolor = m_paths.dataHome + QStringLiteral("/icons/hicolor");
    QStringList folders;
    for (const QString &size : iconSizeFolders()) {
        folders << hicolor + u'/' + size + QStringLiteral("/apps")
                << hicolor + u'/' + size + QStringLiteral("/mimetypes") << hicolor + u'/' + size;
    }
    folders << hicolor << m_paths.dataHome + QStringLiteral("/icons") << applicationsFolder();
    for (const QString &folder : folders)
        QDir().rmdir(folder);
}

QStringList DesktopIntegration::filePaths() const
{
    QStringList paths{mimePackagePath(), applicationsFolder() + u'/' + OPEN_ENTRY,
                      applicationsFolder() + u'/' + EDIT_ENTRY};
    for (const IconFile &icon : iconFiles(true, true))
        paths.append(icon.path);
    return paths;
}

QString DesktopIntegration::mimePackagePath() const
{
    return m_paths.dataHome + QStringLiteral("/mime/packages/brainloft.xml");
}

QString DesktopIntegration::applicationsFolder() const
{
    return m_paths.dataHome + QStringLiteral("/applications");
}

QString DesktopIntegration::mimeAppsPath() const
{
    return m_paths.configHome + QStringLiteral("/mimeapps.list");
}

// The mimeapps.list files in the order of their precedence.
QStringList DesktopIntegration::mimeAppsCandidates() const
{
    QStringList folders{m_paths.configHome};
    folders += m_paths.configDirs;
    folders.append(applicationsFolder());
    for (const QString &folder : m_paths.dataDirs)
        folders.append(folder + QStringLiteral("/applications"));
    QStringList files;
    for (const QString &folder : folders) {
        for (const QString &desktop : m_paths.currentDesktops)
            files.append(folder + u'/' + desktop + QStringLiteral("-mimeapps.list"));
        files.append(folder + QStringLiteral("/mimeapps.list"));
    }
    return files;
}

bool DesktopIntegration::isInstalledEntry(const QString &desktopId) const
{
    QStringList folders{applicationsFolder()};
    for (const QString &folder : m_paths.dataDirs)
        folders.append(folder + QStringLiteral("/applications"));
    for (const QString &folder : folders) {
        for (const QString &path : desktopIdPaths(desktopId)) {
            if (QFileInfo(folder + u'/' + path).isFile())
                return true;
        }
    }
    return false;
}

std::vector<DesktopIntegration::IconFile> DesktopIntegration::iconFiles(bool program,
                                                                        bool document) const
{
    const QString hicolor = m_paths.dataHome + QStringLiteral("/icons/hicolor/");
    std::vector<IconFile> icons;
    const auto add = [&](const QString &resourceBase, const QString &context, const QString &name) {
        for (const int size : ICON_SIZES) {
            icons.push_back(
                {QStringLiteral(":/icons/%1-%2.png").arg(resourceBase).arg(size),
                 hicolor + QStringLiteral("%1x%1/%2/%3.png").arg(size).arg(context, name)});
        }
        icons.push_back({QStringLiteral(":/icons/%1.svg").arg(resourceBase),
                         hicolor + QStringLiteral("scalable/%1/%2.svg").arg(context, name)});
    };
    if (program)
        add(QStringLiteral("brainloft"), QStringLiteral("apps"), QStringLiteral("brainloft"));
    if (document)
        add(QStringLiteral("brainloft-quiz"), QStringLiteral("mimetypes"), DOCUMENT_ICON);
    return icons;
}

// The user's mimeapps.list, and the lists of the current desktops in the
// same folder, which come before it. A desktop's list that names another
// default for quiz files would win over ours, so it names ours instead;
// one that names none is left alone.
bool DesktopIntegration::setDefaultApplication(const QString &desktopId)
{
    bool changed = false;
    for (const QString &desktop : m_paths.currentDesktops) {
        const QString path = m_paths.configHome + u'/' + desktop + QStringLiteral("-mimeapps.list");
        const QString text = QString::fromUtf8(readAll(path));
        if (defaultApplications(text, MIME_TYPE).isEmpty())
            continue;
        changed =
            writeIfDifferent(path, withDefaultApplication(text, MIME_TYPE, desktopId).toUtf8()) ||
            changed;
    }
    const QString text = QString::fromUtf8(readAll(mimeAppsPath()));
    return writeIfDifferent(mimeAppsPath(),
                            withDefaultApplication(text, MIME_TYPE, desktopId).toUtf8()) ||
           changed;
}

// From mimeapps.list and from every desktop's list beside it, whichever
// desktop was current when ours went in.
void DesktopIntegration::removeDefaultApplication()
{
    QStringList paths{mimeAppsPath()};
    for (const QString &name :
         QDir(m_paths.configHome).entryList({QStringLiteral("*-mimeapps.list")}, QDir::Files))
        paths.append(m_paths.configHome + u'/' + name);
    for (const QString &path : paths) {
        const QString text = QString::fromUtf8(readAll(path));
        const QString rest = withoutDefaultApplications(text, MIME_TYPE, {OPEN_ENTRY, EDIT_ENTRY});
        if (rest == text)
            continue;
        if (rest.trimmed().isEmpty())
            QFile::remove(path);
        else
            writeIfDifferent(path, rest.toUtf8());
    }
}

// With other packages left the database is rebuilt; with none, what the tool
// generated describes nothing and goes.
void DesktopIntegration::cleanMimeDatabase()
{
    const QString mime = m_paths.dataHome + QStringLiteral("/mime");
    if (!QFileInfo(mime).isDir())
        return;
    if (!QDir(mime + QStringLiteral("/packages"))
             .entryList({QStringLiteral("*.xml")}, QDir::Files)
             .isEmpty()) {
        runTool(QStringLiteral("update-mime-database"), {mime});
        return;
    }
    for (const char *name : MIME_DATABASE_FILES)
        QFile::remove(mime + u'/' + QString::fromLatin1(name));
    QFile::remove(mime + u'/' + MIME_TYPE + QStringLiteral(".xml"));
    QDir().rmdir(mime + QStringLiteral("/application"));
    QDir().rmdir(mime + QStringLiteral("/packages"));
    QDir().rmdir(mime);
}

void DesktopIntegration::cleanDesktopDatabase()
{
    const QString folder = applicationsFolder();
    if (!QFileInfo(folder).isDir())
        return;
    // The cache also lists the entries in subfolders.
    QDirIterator entries(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                         QDirIterator::Subdirectories);
    if (!entries.hasNext())
        QFile::remove(folder + QStringLiteral("/mimeinfo.cache"));
    else
        runTool(QStringLiteral("update-desktop-database"), {QStringLiteral("-q"), folder});
}

// An icon cache that does not list the files on disk hides them, so one is
// refreshed when it is there; none is created (the theme works without).
void DesktopIntegration::refreshIconCache()
{
    const QString hicolor = m_paths.dataHome + QStringLiteral("/icons/hicolor");
    if (!QFileInfo::exists(hicolor + QStringLiteral("/icon-theme.cache")))
        return;
    const QStringList arguments{QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("-f"),
                                hicolor};
    if (!QStandardPaths::findExecutable(QStringLiteral("gtk-update-icon-cache")).isEmpty())
        runTool(QStringLiteral("gtk-update-icon-cache"), arguments);
    else
        runTool(QStringLiteral("gtk4-update-icon-cache"), arguments);
}
