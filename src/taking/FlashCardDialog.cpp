// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/FlashCardDialog.h"
#include "ui_FlashCardDialog.h"

#include "model/Quiz.h"
#include "taking/QuestionScreen.h"
#include "taking/QuizTexts.h"
#include "taking/ScreenLayout.h"
#include "ui/CodePage.h"
#include "ui/DialogUnits.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"

FlashCardDialog::FlashCardDialog(Quiz &quiz, Prompts &prompts, QWidget *parent)
    : QuizScreenDialog(quiz, parent)
    , ui(std::make_unique<Ui::FlashCardDialog>())
{
    ui->setupUi(this);
    m_screen = std::make_unique<QuestionScreen>(*this, quiz, prompts, *ui->pictureBox,
                                                *ui->questionTextBox);
    setHelpTopic(QStringLiteral("flash-card-screen"));
    ui->rightButton->hide();
    ui->wrongButton->hide();

    connect(ui->showAnswerButton, &QPushButton::clicked, this, &FlashCardDialog::showAnswer);
    connect(ui->rightButton, &QPushButton::clicked, this, &FlashCardDialog::judgeRight);
    connect(ui->wrongButton, &QPushButton::clicked, this, &FlashCardDialog::judgeWrong);
    connect(ui->abortButton, &QPushButton::clicked, this, &FlashCardDialog::reject);

    setUpWindow(FlashCardScreenSize(DialogUnits(font())));
}

FlashCardDialog::~FlashCardDialog() = default;

bool FlashCardDialog::beginQuestion()
{
    if (!question)
        return false;
    CQuestion &q = *question;
    QuestionClock &clock = m_screen->clock;

    m_screen->begin();
    clock.start(q, reduction());

    ui->typedAnswerEdit->clear();
    ui->answerDisplayLabel->clear();
    ui->showAnswerButton->show();
    ui->rightButton->hide();
    ui->wrongButton->hide();
    //: Fixed-width buttons on the flash-card screen: keep to about 12 characters.
    ui->abortButton->setText(previewMode ? tr("End Preview") : tr("&Abort quiz"));
    m_screen->applyQuestionFont(q, {ui->questionTextBox, ui->answerDisplayLabel});

    ui->worthLabel->setText(WorthLine(clock.worth));
    ui->scoreLabel->setText(
        ScoreLine(m_quiz.earnedPoints, m_quiz.possiblePoints, previewMode || questionNumber == 1));
    ui->quizTimeLabel->setVisible(m_quiz.overallTimeLimitOn != 0);
    if (m_quiz.overallTimeLimitOn)
        ui->quizTimeLabel->setText(FormatQuizTimeLeft(m_quiz.quizSecondsLeft));

    m_screen->showQuestion(q);
    if (!m_screen->isOpen())
        return false;

    ui->questionTimeLabel->setVisible(clock.questionSecondsLeft != 0);
    ui->questionTimeLabel->setText(QuestionTimeLine(clock.questionSecondsLeft));

    setWindowState(maximized ? windowState() | Qt::WindowMaximized
                             : windowState() & ~Qt::WindowMaximized);
    layoutControls();
    q.presented = 1;
    ui->typedAnswerEdit->setFocus();
    return true;
}

QuestionClock::Reduction FlashCardDialog::reduction() const
{
    return QuestionClock::Reduction::Always;
}

void FlashCardDialog::showAnswerAgain(bool /*timedOut*/)
{
    showAnswer();
}

void FlashCardDialog::showAnswer()
{
    if (!isQuestionOpen())
        return;
    m_screen->clock.answerShown = true; // the worth stays as it is now
    notifyChange(true);                 // the card was seen: it must not come back hidden
    ui->answerDisplayLabel->setText(CodePage::toUnicode(question->answers[0]));
    ui->showAnswerButton->hide();
    if (previewMode) {
        ui->abortButton->setFocus();
        return;
    }
    ui->rightButton->show();
    ui->wrongButton->show();
    // With the focus Right takes Enter; it is not made the window's default,
    // so Enter typed into the answer box never judges the card.
    ui->rightButton->setFocus();
}

void FlashCardDialog::judgeRight()
{
    if (!isQuestionOpen() || !m_screen->clock.answerShown)
        return;
    const int worth = m_screen->clock.worth;
    m_quiz.earnedPoints += worth;
    question->earnedPoints = worth;
    done(Ok);
}

void FlashCardDialog::judgeWrong()
{
    if (!isQuestionOpen() || !m_screen->clock.answerShown)
        return;
    question->earnedPoints = 0;
    done(Ok);
}

void FlashCardDialog::showStep(const QuestionClock::Step &step)
{
    const QuestionClock &clock = m_screen->clock;
    if (step.worthChanged)
        ui->worthLabel->setText(WorthLine(clock.worth));
    if (step.quizRanOut) {
        // No notice here: the runner's "Time Expired!" report follows.
        done(Cancel);
        return;
    }
    if (step.quizLineChanged && m_quiz.overallTimeLimitOn)
        ui->quizTimeLabel->setText(FormatQuizTimeLeft(m_quiz.quizSecondsLeft));
    if (step.questionLineChanged)
        ui->questionTimeLabel->setText(QuestionTimeLine(clock.questionSecondsLeft));
    if (step.questionRanOut)
        m_screen->postTimeout(false);
}

void FlashCardDialog::timeout(bool /*quizLimit*/)
{
    m_screen->showTimeExpired(false);
    if (isQuestionOpen())
        done(Ok); // the card earns nothing
}

void FlashCardDialog::layoutControls()
{
    const FlashCardScreenLayout layout = LayoutFlashCardScreen(
        size(), DialogUnits(font()), ui->statusGroupBox->contentsRect().top());
    ui->showAnswerButton->setGeometry(layout.showAnswerButton);
    ui->rightButton->setGeometry(layout.rightButton);
    ui->wrongButton->setGeometry(layout.wrongButton);
    ui->abortButton->setGeometry(layout.abortButton);
    ui->statusGroupBox->setGeometry(layout.statusGroup);
    ui->worthLabel->setGeometry(layout.worthLine);
    ui->questionTimeLabel->setGeometry(layout.questionTimeLine);
    ui->scoreLabel->setGeometry(layout.scoreLine);
    ui->quizTimeLabel->setGeometry(layout.quizTimeLine);
    ui->answerDisplayLabel->setGeometry(layout.answerDisplay);
    ui->typedAnswerEdit->setGeometry(layout.typedAnswer);
    ui->typedAnswerLabel->setGeometry(layout.typedAnswerLabel);
    m_screen->layoutArea(layout.typedAnswerLabel);
}
