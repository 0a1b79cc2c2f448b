// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "taking/QuestionClock.h"

#include <QImage>
#include <QList>
#include <QString>

#include <deque>

class CQuestion;
class PictureBox;
class Prompts;
class QEvent;
class QRect;
class QWidget;
class Quiz;
class QuestionTextBox;

// What the two question screens share for the time one question is open:
// the question clock, the picture and text area with the question's font,
// the screen's own message boxes, and the rule that a tick or time-out that
// arrives after its question closed is dropped (the screen objects are
// reused from one question to the next, so such an event would otherwise
// count against the next question).
//
// Time-outs are handled one at a time: one that arrives while a box of the
// screen is open waits until the box is closed, then is handled if its
// question is still open.
class QuestionScreen
{
public:
    QuestionScreen(QWidget &window, Quiz &quiz, Prompts &prompts, PictureBox &picture,
                   QuestionTextBox &text);

    // Opening: from now on the screen takes ticks.
    void begin();
    // Closing: the custom font goes, the picture is released, and events
    // still queued for the question are discarded.
    void end();
    [[nodiscard]] bool isOpen() const { return m_open; }

    // Gives `targets` the question's own font, if it has one.
    void applyQuestionFont(const CQuestion &question, const QList<QWidget *> &targets);
    // Fills the question text box, finds and loads the picture. A picture
    // that cannot be found is reported (the clocks stand still meanwhile);
    // one that cannot be loaded leaves the picture area empty.
    void showQuestion(const CQuestion &question);
    // Places picture and text above `lowerBound` (client coordinates).
    void layoutArea(const QRect &lowerBound);

    // A message box of the screen, owned by it.
    int showBox(const QString &text, const QString &caption, unsigned flags);
    // "Time limit for this quiz/question has expired."
    void showTimeExpired(bool quizLimit);

    // Whether a posted tick is to be handled (its question is still open).
    [[nodiscard]] bool takeTick() const { return m_open; }
    // Whether a posted time-out is to be handled now; one that comes while
    // a box is open is kept for later.
    bool takeTimeout(const QEvent &event);
    void postTimeout(bool quizLimit);

    [[nodiscard]] Quiz &quiz() { return m_quiz; }
    [[nodiscard]] bool hasPicture() const { return m_hasPicture; }
    [[nodiscard]] bool hasText() const { return m_hasText; }
    [[nodiscard]] const QImage &pictureBitmap() const { return m_pictureBitmap; }

    QuestionClock clock;

private:
    QWidget &m_window;
    Quiz &m_quiz;
    Prompts &m_prompts;
    PictureBox &m_picture;
    QuestionTextBox &m_text;

    bool m_open = false;
    bool m_hasPicture = false;
    bool m_hasText = false;
    QImage m_pictureBitmap; // full size; scaled copies are made from it
    QList<QWidget *> m_fontTargets;
    int m_boxDepth = 0;
    std::deque<bool> m_pendingTimeouts;
};
