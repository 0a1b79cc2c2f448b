// SPDX-License-Identifier: GPL-3.0-or-later
// Logs a result and exports the log as the program does, in whatever
// language and locale the environment asks for, for LanguagesTest:
//
//   language_log_helper LOG EXPORT
//
// Starts the application and its translators, appends two entries of a
// mixed quiz to LOG with the comments from the comment dialog (as it offers
// it, then left empty: "No comment") and exports LOG to EXPORT. Prints the language chosen and the
// C library's decimal point, so the caller can tell the environment took effect. Exit 0 when both
// files were written.

#include "LogFixtures.h"

#include "log/LogCommentDialog.h"
#include "log/ResultsLog.h"
#include "ui/Prompts.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <clocale>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    QApplication application(argc, argv);
    const QString language = Translations::InstallForSystem();
    std::printf("%s %s\n", qPrintable(language), std::localeconv()->decimal_point);

    Quiz quiz;
    fillMixedQuiz(quiz, 6, 7);
    quiz.logResults = 1;
    quiz.logPathName = argv[1];
    QtPrompts prompts;
    // The comment as the dialog offers it ("Comment"), then left empty.
    for (const bool cleared : {false, true}) {
        LogCommentDialog dialog(prompts);
        if (cleared)
            dialog.findChild<QLineEdit *>(QStringLiteral("commentEdit"))->clear();
        dialog.findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        if (!RecordResult(quiz, dialog.comment()))
            return 1;
    }
    if (ExportLogFile(quiz.logPathName, argv[2]) != ExportResult::Ok)
        return 1;
    return 0;
}
