// SPDX-License-Identifier: GPL-3.0-or-later

#include "MergedLog.h"

#include "ResultsCsv.h"

#include "log/ResultsLog.h"
#include "model/Quiz.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>

namespace {

// The quiz as the run behind `record` left it, which the writer turns
// into the same entry text.
void restoreRun(const LogRecord &record, Quiz &quiz)
{
    quiz.ClearQuiz();
    quiz.quizType = !record.questions.empty() && record.questions.front().flashCard ? 1 : 0;
    for (const LoggedQuestion &logged : record.questions) {
        auto q = std::make_unique<CQuestion>();
        q->score = logged.score;
        q->earnedPoints = logged.earned;
        q->presented = logged.presented ? 1 : 0;
        for (std::size_t a = 0; a < 5; ++a) {
            q->correct[a] = (logged.correct >> a) & 1;
            q->chosen[a] = (logged.chosen >> a) & 1;
        }
        quiz.AppendQuestion(std::move(q));
    }
}

} // namespace

MergeOutcome WriteMergedLog(const std::vector<LogRecord> &records, const QString &path,
                            const std::vector<std::string> &keep)
{
    MergeOutcome outcome;
    if (IsKeptFile(path, keep)) {
        outcome.error =
            QCoreApplication::translate(
                "MergedLog", "%1 is one of the logs shown; a merged log goes into a new file.")
                .arg(path);
        return outcome;
    }
    // Written beside the target under another name, then put in its place.
    QTemporaryFile temporary(
        QFileInfo(path).absoluteDir().filePath(QStringLiteral(".merged-XXXXXX.blg")));
    temporary.setAutoRemove(true);
    if (!temporary.open()) {
        outcome.error = temporary.errorString();
        return outcome;
    }
    const std::string temporaryPath = pathFromQString(temporary.fileName());
    temporary.close();
    Quiz quiz;
    for (const LogRecord &record : records) {
        if (!record.complete) {
            ++outcome.skipped;
            continue;
        }
        restoreRun(record, quiz);
        quiz.logPathName = temporaryPath;
        if (!RecordResult(quiz, record.comment)) {
            outcome.error =
                QCoreApplication::translate("MergedLog", "The merged log could not be written.");
            return outcome;
        }
        ++outcome.written;
    }
    // rename() replaces an older file of that name in one step.
    if (std::rename(temporaryPath.c_str(), pathFromQString(path).c_str()) != 0) {
        outcome.error =
            QCoreApplication::translate("MergedLog", "The merged log could not be saved as %1.")
                .arg(path);
        return outcome;
    }
    temporary.setAutoRemove(false);
    outcome.ok = true;
    return outcome;
}
