// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Brainloft speaks German, French, Spanish or English. The language follows the
// desktop's preferred languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as
// QLocale::system().uiLanguages() reports them): the first one Brainloft
// speaks wins, whatever its region, and English when none is.
namespace Translations {

// "de", "fr", "es" or "en" for a list of preferred languages such as
// {"fr-CA", "de"}; English comes first only when it is preferred first.
[[nodiscard]] QString ChooseLanguage(const QStringList &uiLanguages);

// Installs Brainloft's catalogue (compiled in, under ":/i18n/") and Qt's own
// (for file dialogs, the font chooser, the print dialog) for `language` on
// the running application; the catalogues of an earlier call are removed
// first. English installs none. Returns false when a catalogue that should
// exist could not be loaded (the texts stay English then).
bool Install(const QString &language);

// Install(ChooseLanguage(QLocale::system().uiLanguages())); before any text is made.
QString InstallForSystem();

// The language installed last ("en" before any).
[[nodiscard]] QString Current();

// The languages Brainloft has catalogues for, besides English.
[[nodiscard]] QStringList Offered();

} // namespace Translations
