// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/UsageTexts.h"

#include "app/CommandLine.h"

#include <QCoreApplication>

#include <iterator>

namespace {

// The reasons ParseCommandLine gives, as patterns; %1 stands for the option,
// format or argument it names.
const char *const REASONS[] = {
    QT_TRANSLATE_NOOP("CommandLine", "an empty argument names no file"),
    QT_TRANSLATE_NOOP("CommandLine", "%1 takes no value"),
    QT_TRANSLATE_NOOP("CommandLine", "%1 needs a value"),
    QT_TRANSLATE_NOOP("CommandLine", "unknown option %1"),
    QT_TRANSLATE_NOOP("CommandLine", "%1 is given twice"),
    QT_TRANSLATE_NOOP("CommandLine", "--results needs the quiz file"),
    QT_TRANSLATE_NOOP("CommandLine", "--import needs the file to read"),
    QT_TRANSLATE_NOOP("CommandLine", "--import reads one file"),
    QT_TRANSLATE_NOOP("CommandLine", "--import needs --output NEW.blz"),
    QT_TRANSLATE_NOOP("CommandLine", "unknown import format %1"),
    QT_TRANSLATE_NOOP("CommandLine", "--export needs a format, the quiz and the file to write"),
    QT_TRANSLATE_NOOP("CommandLine", "unknown export format %1"),
    QT_TRANSLATE_NOOP("CommandLine", "--print-pdf needs the quiz and the PDF file to write"),
    QT_TRANSLATE_NOOP("CommandLine", "--answer-key and --key-only exclude each other"),
    QT_TRANSLATE_NOOP("CommandLine", "--versions takes a number from 1 to 26"),
    QT_TRANSLATE_NOOP("CommandLine",
                      "only one of --results, --import, --export and --print-pdf at a time"),
    QT_TRANSLATE_NOOP("CommandLine", "%1 does not go with --edit or --uninstall"),
};

} // namespace

std::string TranslatedUsageText(const std::string &programName)
{
    return UsageText(programName, [](const char *english) {
        return QCoreApplication::translate("CommandLine", english).toStdString();
    });
}

QString TranslatedArgumentError(const std::string &english)
{
    const QString reason = QString::fromStdString(english);
    for (const char *pattern : REASONS) {
        const QString text = QString::fromLatin1(pattern);
        const qsizetype at = text.indexOf(QLatin1String("%1"));
        if (at < 0) {
            if (reason == text)
                return QCoreApplication::translate("CommandLine", pattern);
            continue;
        }
        const QString before = text.left(at);
        const QString after = text.mid(at + 2);
        if (reason.size() > before.size() + after.size() && reason.startsWith(before) &&
            reason.endsWith(after))
            return QCoreApplication::translate("CommandLine", pattern)
                .arg(reason.mid(before.size(), reason.size() - before.size() - after.size()));
    }
    return reason;
}
