// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the language Brainloft chooses from this process's environment, for
// TranslationsTest (the system locale is read once per process).

#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    std::puts(qPrintable(Translations::ChooseLanguage(QLocale::system().uiLanguages())));
    return 0;
}
