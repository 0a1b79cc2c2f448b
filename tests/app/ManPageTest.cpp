// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page cannot fall behind the options --help lists.

#include "app/CommandLine.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// The long options named in a text ("--results", "--takers-csv", ...).
QSet<QString> longOptions(const QString &text)
{
    static const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*[a-z]"));
    QSet<QString> options;
    for (const QRegularExpressionMatch &match : option.globalMatch(text))
        options.insert(match.captured());
    return options;
}

QString manPage()
{
    QFile file(QStringLiteral(BRAINLOFT_MAN_PAGE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << BRAINLOFT_MAN_PAGE;
    // roff writes a plain dash as "\-".
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

} // namespace

TEST(ManPage, NamesEveryOptionOfTheUsageAndNoOther)
{
    const QSet<QString> usage = longOptions(QString::fromStdString(UsageText("brainloft")));
    const QSet<QString> page = longOptions(manPage());
    EXPECT_GE(usage.size(), 18); // the parser's options at the time of writing
    for (const QString &option : usage)
        EXPECT_TRUE(page.contains(option)) << "the manual page lacks " << option.toStdString();
    for (const QString &option : page)
        EXPECT_TRUE(usage.contains(option)) << "--help lacks " << option.toStdString();
}

TEST(ManPage, FormatsWithoutWarnings)
{
    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (groff.isEmpty())
        GTEST_SKIP() << "groff is not installed (Debian package groff-base)";
    QProcess run;
    run.start(groff, {QStringLiteral("-man"), QStringLiteral("-ww"), QStringLiteral("-z"),
                      QStringLiteral("-Tutf8"), QStringLiteral(BRAINLOFT_MAN_PAGE)});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_EQ(run.readAllStandardError().toStdString(), "");
}
