// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Choice
{
    QStringList uiLanguages;
    const char *language;
};

// Puts English back whatever a test installed.
struct EnglishAfterwards
{
    ~EnglishAfterwards() { Translations::Install(QStringLiteral("en")); }
};

} // namespace

TEST(Translations, TheFirstLanguageSpokenWinsWhateverItsRegion)
{
    const Choice choices[] = {
        {{}, "en"},
        {{"de"}, "de"},
        {{"de-AT", "en-US"}, "de"},
        {{"de_AT.UTF-8"}, "de"},
        {{"fr-CA", "de"}, "fr"},
        {{"es-MX"}, "es"},
        {{"ES"}, "es"},
        {{"pt-BR"}, "en"},
        {{"pt-BR", "de-CH"}, "de"},
        {{"en-GB", "de"}, "en"},
        {{"C"}, "en"},
        {{"sr@latin", "fr_FR@euro"}, "fr"},
    };
    for (const Choice &choice : choices)
        EXPECT_EQ(Translations::ChooseLanguage(choice.uiLanguages), QLatin1String(choice.language))
            << qPrintable(choice.uiLanguages.join(u','));
}

TEST(Translations, TheSystemLanguageFollowsTheLocaleVariables)
{
    struct Case
    {
        std::vector<std::pair<const char *, const char *>> variables;
        const char *language;
    };
    const Case cases[] = {
        {{}, "en"},
        {{{"LANG", "C"}}, "en"},
        {{{"LANG", "de_AT.UTF-8"}}, "de"},
        {{{"LANG", "pt_BR.UTF-8"}}, "en"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:de"}}, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:es"}}, "es"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}},
         "es"},
    };
    for (const Case &test : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(QLatin1String(name));
        QString shown;
        for (const auto &[name, value] : test.variables) {
            environment.insert(QLatin1String(name), QLatin1String(value));
            shown += QStringLiteral("%1=%2 ").arg(QLatin1String(name), QLatin1String(value));
        }
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(LANGUAGE_PROBE), {});
        ASSERT_TRUE(probe.waitForFinished(10000));
        EXPECT_EQ(QString::fromLatin1(probe.readAllStandardOutput()).trimmed(),
                  QLatin1String(test.language))
            << qPrintable(shown);
    }
}

TEST(Translations, InstallsBrainloftsCatalogueAndQtsOwn)
{
    EnglishAfterwards english;
    for (const QString &language : Translations::Offered()) {
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/brainloft_%1.qm").arg(language)))
            << qPrintable(language);
        EXPECT_TRUE(Translations::Install(language)) << qPrintable(language);
        EXPECT_EQ(Translations::Current(), language);
    }
    // Qt's own buttons in the language chosen (qtbase_de), and English again after.
    ASSERT_TRUE(Translations::Install(QStringLiteral("de")));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    ASSERT_TRUE(Translations::Install(QStringLiteral("fr")));
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    EXPECT_TRUE(Translations::Install(QStringLiteral("en")));
    EXPECT_EQ(Translations::Current(), QStringLiteral("en"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    EXPECT_FALSE(Translations::Install(QStringLiteral("pt")));
    EXPECT_EQ(Translations::Current(), QStringLiteral("en"));
}
