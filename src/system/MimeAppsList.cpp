// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/MimeAppsList.h"

#include <optional>

namespace {

const QString DEFAULT_GROUP = QStringLiteral("[Default Applications]");

bool isGroupHeader(const QString &line)
{
    return line.trimmed().startsWith(u'[');
}

bool isEntry(const QString &line)
{
    const QString trimmed = line.trimmed();
    return !trimmed.isEmpty() && !trimmed.startsWith(u'#') && !trimmed.startsWith(u'[');
}

// The lines of the text; a final line end gives no extra line.
QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QString textOf(const QStringList &lines)
{
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

// The first and one-past-last line of the group's body, or nothing.
std::optional<std::pair<qsizetype, qsizetype>> defaultGroup(const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed() != DEFAULT_GROUP)
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !isGroupHeader(lines[end]))
            ++end;
        return std::pair{i + 1, end};
    }
    return std::nullopt;
}

bool isEntryFor(const QString &line, const QString &mimeType)
{
    const qsizetype equals = line.indexOf(u'=');
    return isEntry(line) && equals > 0 &&
           line.left(equals).trimmed().compare(mimeType, Qt::CaseInsensitive) == 0;
}

QStringList idsOf(const QString &line)
{
    QStringList ids;
    for (const QString &id : line.mid(line.indexOf(u'=') + 1).split(u';')) {
        if (!id.trimmed().isEmpty())
            ids.append(id.trimmed());
    }
    return ids;
}

} // namespace

QStringList defaultApplications(const QString &text, const QString &mimeType)
{
    const QStringList lines = linesOf(text);
    const auto group = defaultGroup(lines);
    if (!group)
        return {};
    for (qsizetype i = group->first; i < group->second; ++i) {
        if (isEntryFor(lines[i], mimeType))
            return idsOf(lines[i]);
    }
    return {};
}

QString withDefaultApplication(const QString &text, const QString &mimeType,
                               const QString &desktopId)
{
    QStringList lines = linesOf(text);
    const QString entry = mimeType + u'=' + desktopId + u';';
    const auto group = defaultGroup(lines);
    if (!group) {
        if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty())
            lines.append(QString());
        lines.append(DEFAULT_GROUP);
        lines.append(entry);
        return textOf(lines);
    }
    auto [first, end] = *group;
    bool replaced = false;
    for (qsizetype i = first; i < end; ++i) {
        if (!isEntryFor(lines[i], mimeType))
            continue;
        if (replaced) { // a second line for the type would contradict the first
            lines.removeAt(i--);
            --end;
        } else {
            lines[i] = entry;
            replaced = true;
        }
    }
    if (!replaced) {
        // After the group's last entry, before the blank lines that end it.
        qsizetype at = end;
        while (at > first && lines[at - 1].trimmed().isEmpty())
            --at;
        lines.insert(at, entry);
    }
    return textOf(lines);
}

QString withoutDefaultApplications(const QString &text, const QString &mimeType,
                                   const QStringList &desktopIds)
{
    QStringList lines = linesOf(text);
    const auto group = defaultGroup(lines);
    if (!group)
        return text;
    auto [first, end] = *group;
    bool changed = false;
    for (qsizetype i = first; i < end; ++i) {
        if (!isEntryFor(lines[i], mimeType))
            continue;
        QStringList ids = idsOf(lines[i]);
        const qsizetype before = ids.size();
        ids.removeIf([&](const QString &id) { return desktopIds.contains(id); });
        if (ids.size() == before)
            continue;
        changed = true;
        if (ids.isEmpty()) {
            lines.removeAt(i--);
            --end;
        } else {
            lines[i] = mimeType + u'=' + ids.join(u';') + u';';
        }
    }
    if (!changed)
        return text;
    bool groupEmpty = true;
    for (qsizetype i = first; i < end; ++i)
        groupEmpty = groupEmpty && lines[i].trimmed().isEmpty();
    if (groupEmpty) {
        // The header, its blank lines, and the blank line that set it apart.
        qsizetype from = first - 1;
        if (from > 0 && lines[from - 1].trimmed().isEmpty())
            --from;
        lines.remove(from, end - from);
    }
    return textOf(lines);
}
