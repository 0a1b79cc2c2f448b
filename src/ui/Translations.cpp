// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

struct Installed
{
    QString language = QStringLiteral("en");
    std::unique_ptr<QTranslator> brainloft;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed state;
    return state;
}

void remove(std::unique_ptr<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

} // namespace

namespace Translations {

QStringList Offered()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString ChooseLanguage(const QStringList &uiLanguages)
{
    const QStringList offered = Offered();
    for (const QString &name : uiLanguages) {
        // "de-AT", "de_AT.UTF-8", "de_AT@euro" all name German.
        const QString language = name.section(QLatin1Char('.'), 0, 0)
                                     .section(QLatin1Char('@'), 0, 0)
                                     .section(QLatin1Char('_'), 0, 0)
                                     .section(QLatin1Char('-'), 0, 0)
                                     .toLower();
        if (language == QLatin1String("en") || offered.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

bool Install(const QString &language)
{
    Installed &state = installed();
    remove(state.brainloft);
    remove(state.qt);
    state.language = QStringLiteral("en");
    if (!Offered().contains(language))
        return language == QLatin1String("en");

    state.language = language;
    bool complete = true;
    auto brainloft = std::make_unique<QTranslator>();
    if (brainloft->load(QStringLiteral(":/i18n/brainloft_%1.qm").arg(language))) {
        QCoreApplication::installTranslator(brainloft.get());
        state.brainloft = std::move(brainloft);
    } else {
        complete = false;
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    } else {
        complete = false;
    }
    return complete;
}

QString InstallForSystem()
{
    const QString language = ChooseLanguage(QLocale::system().uiLanguages());
    Install(language);
    return language;
}

QString Current()
{
    return installed().language;
}

} // namespace Translations
