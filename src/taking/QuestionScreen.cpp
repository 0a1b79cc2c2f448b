// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuestionScreen.h"

#include "model/Quiz.h"
#include "taking/ImageFiles.h"
#include "taking/PictureBox.h"
#include "taking/QuestionAreaGeometry.h"
#include "taking/QuestionTextBox.h"
#include "taking/QuizTexts.h"
#include "ui/CodePage.h"
#include "ui/FontConversion.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

const QString BRAINLOFT = QStringLiteral("Brainloft");

} // namespace

QuestionScreen::QuestionScreen(QWidget &window, Quiz &quiz, Prompts &prompts, PictureBox &picture,
                               QuestionTextBox &text)
    : m_window(window)
    , m_quiz(quiz)
    , m_prompts(prompts)
    , m_picture(picture)
    , m_text(text)
{}

void QuestionScreen::begin()
{
    m_open = true;
    m_boxDepth = 0;
    m_pendingTimeouts.clear();
    m_hasPicture = m_hasText = false;
    m_pictureBitmap = QImage();
    m_picture.clear();
}

void QuestionScreen::end()
{
    m_open = false;
    m_pendingTimeouts.clear();
    for (QWidget *target : std::as_const(m_fontTargets))
        target->setFont(QFont()); // back to the window's font
    m_fontTargets.clear();
    m_pictureBitmap = QImage();
    m_picture.clear();
    QCoreApplication::removePostedEvents(&m_window, QuizTickEvent);
    QCoreApplication::removePostedEvents(&m_window, QuizTimeoutEvent);
}

void QuestionScreen::applyQuestionFont(const CQuestion &question, const QList<QWidget *> &targets)
{
    if (!question.useCustomFont || !question.font)
        return;
    const QFont font = fontFromLogFont(*question.font);
    for (QWidget *target : targets)
        target->setFont(font);
    m_fontTargets = targets;
}

void QuestionScreen::showQuestion(const CQuestion &question)
{
    m_hasText = !question.text.empty();
    m_hasPicture = !question.imageFile.empty();
    m_text.showQuestionText(CodePage::toUnicode(question.text));
    if (!m_hasPicture)
        return;
    const QString stored = CodePage::toUnicode(question.imageFile);
    QString found;
    if (LocateImageFile(stored, found, quizFolderOf(pathToQString(m_quiz.pathName)))) {
        m_pictureBitmap = LoadBitmapFile(found);
        return;
    }
    const bool wasPaused = clock.paused;
    clock.paused = true;
    showBox(QCoreApplication::translate("QuestionScreen",
                                        "Error:\nCould not find or open image file %1")
                .arg(stored),
            BRAINLOFT, MB_ICONINFORMATION);
    clock.paused = wasPaused;
}

void QuestionScreen::layoutArea(const QRect &lowerBound)
{
    const QuestionAreaLayout layout =
        LayoutQuestionArea(m_window.rect(), lowerBound, m_hasPicture, m_hasText);
    m_text.setVisible(layout.textVisible);
    if (layout.textVisible)
        m_text.setGeometry(layout.textBox);
    m_picture.setVisible(layout.pictureVisible);
    if (!layout.pictureVisible)
        return;
    m_picture.setGeometry(layout.pictureArea);
    if (FitBitmapToControl(m_picture, m_pictureBitmap))
        m_picture.setGeometry(CentredBox(layout.pictureArea, m_picture.size()));
}

int QuestionScreen::showBox(const QString &text, const QString &caption, unsigned flags)
{
    ++m_boxDepth;
    const int result = m_prompts.messageBox(&m_window, text, caption, flags);
    if (--m_boxDepth == 0 && m_open) {
        // Time-outs that came meanwhile are handled once this handler is done.
        for (const bool quizLimit : m_pendingTimeouts)
            postTimeout(quizLimit);
        m_pendingTimeouts.clear();
    }
    return result;
}

void QuestionScreen::showTimeExpired(bool quizLimit)
{
    showBox(TimeExpiredText(quizLimit), BRAINLOFT, MB_ICONINFORMATION);
}

bool QuestionScreen::takeTimeout(const QEvent &event)
{
    if (!m_open)
        return false;
    if (m_boxDepth > 0) {
        m_pendingTimeouts.push_back(static_cast<const QuizTimeout &>(event).quizLimit);
        return false;
    }
    return true;
}

void QuestionScreen::postTimeout(bool quizLimit)
{
    QCoreApplication::postEvent(&m_window, new QuizTimeout(quizLimit));
}
