// SPDX-License-Identifier: GPL-3.0-or-later

#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

} // namespace

PdfInfo ReadPdfInfo(const QString &path)
{
    PdfInfo info;
    const QString text = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {path}));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char(':'), 1).trimmed();
        if (line.startsWith(QLatin1String("Pages:")))
            info.pages = value.toInt();
        else if (line.startsWith(QLatin1String("Title:")))
            info.title = value;
        else if (line.startsWith(QLatin1String("Creator:")))
            info.creator = value;
        else if (line.startsWith(QLatin1String("Page size:"))) {
            const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() >= 3) {
                info.width = parts[0].toDouble();
                info.height = parts[2].toDouble();
            }
        }
    }
    // pdffonts: two header lines, then one line per font with "emb" yes/no.
    const QStringList fonts =
        QString::fromUtf8(run(QStringLiteral("pdffonts"), {path})).split(QLatin1Char('\n'));
    int listed = 0, embedded = 0;
    static const QRegularExpression flags(QStringLiteral("\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s"));
    for (qsizetype i = 2; i < fonts.size(); ++i) {
        const QRegularExpressionMatch match = flags.match(fonts[i]);
        if (!match.hasMatch())
            continue;
        ++listed;
        embedded += match.captured(1) == QLatin1String("yes");
    }
    info.fontsEmbedded = listed > 0 && listed == embedded;
    return info;
}

QStringList PdfPageTexts(const QString &path, bool layout)
{
    QStringList arguments{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (layout)
        arguments << QStringLiteral("-layout");
    arguments << path << QStringLiteral("-");
    QStringList pages =
        QString::fromUtf8(run(QStringLiteral("pdftotext"), arguments)).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast(); // after the last page's form feed
    return pages;
}

std::vector<PdfWord> PdfWords(const QString &path)
{
    std::vector<PdfWord> words;
    QXmlStreamReader xml(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
    int page = -1;
    double width = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            ++page;
            width = a.value(QLatin1String("width")).toDouble();
        } else if (xml.name() == QLatin1String("word")) {
            PdfWord word;
            word.page = page;
            word.pageWidth = width;
            word.xMin = a.value(QLatin1String("xMin")).toDouble();
            word.yMin = a.value(QLatin1String("yMin")).toDouble();
            word.xMax = a.value(QLatin1String("xMax")).toDouble();
            word.yMax = a.value(QLatin1String("yMax")).toDouble();
            word.text = xml.readElementText();
            words.push_back(std::move(word));
        }
    }
    return words;
}
