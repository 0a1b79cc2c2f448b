// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/DesktopEntry.h"

#include <QStringList>

std::optional<ShellCommand> parseShellCommand(const QString &command)
{
    const QString text = command.trimmed();
    const qsizetype close = text.lastIndexOf(u'"');
    if (!text.startsWith(u'"') || close <= 1)
        return std::nullopt;
    ShellCommand result;
    result.program = text.mid(1, close - 1);
    result.arguments = text.mid(close + 1).split(u' ', Qt::SkipEmptyParts);
    return result;
}

QString desktopExecArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    QString escaped;
    for (const QChar c : argument) {
        needsQuotes = needsQuotes || reserved.contains(c);
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            escaped += u'\\';
        escaped += c;
        if (c == u'%')
            escaped += u'%';
    }
    if (needsQuotes)
        return u'"' + escaped + u'"';
    // Unquoted, only '%' needs its escape.
    return QString(argument).replace(u'%', QStringLiteral("%%"));
}

QString desktopStringValue(const QString &value)
{
    QString escaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else if (c == u' ' && i == 0)
            escaped += QStringLiteral("\\s");
        else
            escaped += c;
    }
    return escaped;
}

QString desktopExecValue(const ShellCommand &command)
{
    QStringList parts{desktopExecArgument(command.program)};
    for (const QString &argument : command.arguments) {
        if (argument == u"%1")
            parts.append(QStringLiteral("%f"));
        else if (argument.compare(u"/edit", Qt::CaseInsensitive) == 0)
            parts.append(QStringLiteral("--edit"));
        else if (argument.compare(u"/uninstall", Qt::CaseInsensitive) == 0)
            parts.append(QStringLiteral("--uninstall"));
        else
            parts.append(desktopExecArgument(argument));
    }
    return desktopStringValue(parts.join(u' '));
}
