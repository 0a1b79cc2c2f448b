// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuizTexts.h"

#include <QCoreApplication>

namespace {

// This file's texts, under "QuizTexts" in the catalogues.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(QuizTexts)
};

} // namespace

std::int64_t Percent(std::int64_t points, std::int64_t total)
{
    return total == 0 ? 0 : points * 100 / total;
}

QString FormatQuizTimeLeft(std::int32_t quizSecondsLeft)
{
    const std::int32_t left = quizSecondsLeft < 0 ? 0 : quizSecondsLeft;
    const std::int32_t hours = left / 3600;
    const std::int32_t rest = left - hours * 3600;
    const std::int32_t minutes = rest / 60;
    const std::int32_t seconds = rest - minutes * 60;
    auto two = [](std::int32_t value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    if (hours > 0)
        //: A fixed-width status line of the quiz screens: keep to about 34 characters.
        return Texts::tr("Time left for this quiz: %1:%2:%3")
            .arg(two(hours), two(minutes), two(seconds));
    //: A fixed-width status line of the quiz screens: keep to about 34 characters.
    return Texts::tr("Time left for this quiz: %1:%2").arg(two(minutes), two(seconds));
}

QString WorthLine(std::int32_t worth)
{
    if (worth == 1)
        //: A fixed-width status line of the quiz screens: keep to about 37 characters.
        return Texts::tr("This question is worth 1 point.");
    //: A fixed-width status line of the quiz screens: keep to about 37 characters.
    return Texts::tr("This question is worth %1 points.").arg(worth);
}

QString ScoreLine(std::int32_t earned, std::int32_t possible, bool none)
{
    if (none || possible == 0)
        //: A fixed-width status line of the quiz screens: keep to about 37 characters.
        return Texts::tr("Score so far: none.");
    //: A fixed-width status line of the quiz screens: keep to about 37 characters.
    return Texts::tr("Score so far: %1 of %2 points (%3%)")
        .arg(earned)
        .arg(possible)
        .arg(Percent(earned, possible));
}

QString QuestionTimeLine(std::int32_t secondsLeft)
{
    //: A fixed-width status line of the quiz screens: keep to about 34 characters.
    return Texts::tr("Time left for this question: %1 seconds").arg(secondsLeft);
}

QString TimeExpiredText(bool quizLimit)
{
    return quizLimit ? Texts::tr("Time limit for this quiz has expired.")
                     : Texts::tr("Time limit for this question has expired.");
}

QString TimeExpiredReport(std::int32_t answeredCount, std::int32_t earned, std::int32_t possible,
                          std::int64_t all)
{
    return Texts::tr("For the %1 question(s) you answered, you scored %2 of %3 points (%4%).\n"
                     "For the entire quiz, you scored %5 of %6 points (%7%).")
        .arg(answeredCount)
        .arg(earned)
        .arg(possible)
        .arg(Percent(earned, possible))
        .arg(earned)
        .arg(all)
        .arg(Percent(earned, all));
}

QString FinalReport(std::int32_t earned, std::int32_t possible)
{
    return Texts::tr("Final score: %1 of %2 points (%3%)")
        .arg(earned)
        .arg(possible)
        .arg(Percent(earned, possible));
}
