// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CodePage.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QString normalised(QString codePage)
{
    codePage = codePage.trimmed();
    bool numeric = false;
    codePage.toInt(&numeric);
    return numeric ? QStringLiteral("windows-") + codePage : codePage;
}

QString initialCodePage()
{
    const QString fromEnvironment = normalised(qEnvironmentVariable("BRAINLOFT_CODEPAGE"));
    if (!fromEnvironment.isEmpty() &&
        QStringDecoder(fromEnvironment.toLatin1().constData()).isValid())
        return fromEnvironment;
    return CodePage::forLocale(QLocale::system().name());
}

QString &current()
{
    static QString codePage = initialCodePage();
    return codePage;
}

} // namespace

namespace CodePage {

QString name()
{
    return current();
}

bool setName(const QString &codePage)
{
    const QString candidate = normalised(codePage);
    if (candidate.isEmpty() || !QStringDecoder(candidate.toLatin1().constData()).isValid())
        return false;
    current() = candidate;
    return true;
}

QString forLocale(const QString &localeName)
{
    const QString lower = localeName.toLower();
    const QString language = lower.section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('-'), 0, 0);
    struct Mapping
    {
        const char *codePage;
        std::initializer_list<const char *> languages;
    };
    static const Mapping mappings[] = {
        {"windows-1250", {"cs", "hu", "pl", "ro", "sk", "sl", "hr", "sq", "bs"}},
        {"windows-1251", {"ru", "uk", "be", "bg", "mk", "sr", "kk", "ky", "mn", "tt"}},
        {"windows-1253", {"el"}},
        {"windows-1254", {"tr", "az", "uz"}},
        {"windows-1255", {"he", "yi"}},
        {"windows-1256", {"ar", "fa", "ur"}},
        {"windows-1257", {"et", "lv", "lt"}},
        {"windows-1258", {"vi"}},
        {"windows-874", {"th"}},
        {"windows-932", {"ja"}},
        {"windows-949", {"ko"}},
    };
    if (language == QLatin1String("zh")) {
        const bool traditional = lower.contains(QLatin1String("tw")) ||
                                 lower.contains(QLatin1String("hk")) ||
                                 lower.contains(QLatin1String("hant"));
        return traditional ? QStringLiteral("windows-950") : QStringLiteral("windows-936");
    }
    // Serbian in Latin script writes with the Central European page.
    if (language == QLatin1String("sr") && lower.contains(QLatin1String("latin")))
        return QStringLiteral("windows-1250");
    for (const Mapping &mapping : mappings) {
        for (const char *candidate : mapping.languages) {
            if (language == QLatin1String(candidate))
                return QString::fromLatin1(mapping.codePage);
        }
    }
    return QStringLiteral("windows-1252");
}

QString toUnicode(std::string_view bytes)
{
    QStringDecoder decoder(current().toLatin1().constData());
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::optional<std::string> fromUnicode(const QString &text)
{
    QStringEncoder encoder(current().toLatin1().constData());
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes.toStdString();
}

QString unrepresentable(const QString &text)
{
    QString bad;
    const auto codePoints = text.toUcs4();
    for (const char32_t codePoint : codePoints) {
        const QString one = QString::fromUcs4(&codePoint, 1);
        QStringEncoder encoder(current().toLatin1().constData());
        const QByteArray bytes = encoder.encode(one); // encoding happens on conversion
        Q_UNUSED(bytes);
        if (encoder.hasError() && !bad.contains(one))
            bad += one;
    }
    return bad;
}

} // namespace CodePage
