// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenTestSupport.h"

#include "model/Quiz.h"
#include "ui/QuizEvents.h"

#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

void deliverPosted()
{
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void tickScreen(Quiz &quiz, QObject &screen, int seconds)
{
    for (int i = 0; i < seconds; ++i) {
        if (quiz.overallTimeLimitOn)
            quiz.quizSecondsLeft -= 1;
        QCoreApplication::postEvent(&screen, new QEvent(QuizTickEvent));
        deliverPosted();
    }
}

void writeBitmap(const QString &path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(path, "BMP")) << path.toStdString();
}
