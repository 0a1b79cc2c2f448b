// SPDX-License-Identifier: GPL-3.0-or-later

#include "taking/QuestionDialog.h"
#include "ui_QuestionDialog.h"

#include "model/Quiz.h"
#include "taking/QuestionScreen.h"
#include "taking/QuizRandom.h"
#include "taking/QuizTexts.h"
#include "taking/ScreenLayout.h"
#include "ui/CodePage.h"
#include "ui/DialogUnits.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const QString BRAINLOFT = QStringLiteral("Brainloft");

// An answer as a button caption: "&B. text", the author's own ampersands
// kept as text rather than taken for mnemonics.
QString answerCaption(int slot, const std::string &answer)
{
    QString text = CodePage::toUnicode(answer);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1. %2").arg(QChar(u'A' + slot), text);
}

} // namespace

QuestionDialog::QuestionDialog(Quiz &quiz, Prompts &prompts, QWidget *parent)
    : QuizScreenDialog(quiz, parent)
    , ui(std::make_unique<Ui::QuestionDialog>())
{
    ui->setupUi(this);
    m_screen = std::make_unique<QuestionScreen>(*this, quiz, prompts, *ui->pictureBox,
                                                *ui->questionTextBox);
    setHelpTopic(QStringLiteral("question-screen"));

    m_checkBoxes = {ui->answerCheckBoxA, ui->answerCheckBoxB, ui->answerCheckBoxC,
                    ui->answerCheckBoxD, ui->answerCheckBoxE};
    m_radioButtons = {ui->answerRadioButtonA, ui->answerRadioButtonB, ui->answerRadioButtonC,
                      ui->answerRadioButtonD, ui->answerRadioButtonE};
    for (int slot = 0; slot < 5; ++slot) {
        connect(m_checkBoxes[slot], &QAbstractButton::clicked, this,
                &QuestionDialog::answerClicked);
        connect(m_radioButtons[slot], &QAbstractButton::clicked, this,
                &QuestionDialog::answerClicked);
    }
    connect(ui->submitButton, &QPushButton::clicked, this, &QuestionDialog::accept);
    connect(ui->quitButton, &QPushButton::clicked, this, &QuestionDialog::reject);

    setUpWindow(QuestionScreenSize(DialogUnits(font())));
}

QuestionDialog::~QuestionDialog() = default;

void QuestionDialog::done(int result)
{
    m_framed = {};
    QuizScreenDialog::done(result);
}

bool QuestionDialog::beginQuestion()
{
    if (!question)
        return false;
    CQuestion &q = *question;
    QuestionClock &clock = m_screen->clock;

    m_screen->begin();
    setWindowTitle(tr("Question %1").arg(questionNumber));
    m_framed = {};
    m_answerOrder.fill(-1);
    clock.start(q, reduction());

    ui->submitButton->setVisible(!previewMode);
    //: Fixed-width buttons on the question screen: keep to about 34 characters.
    ui->submitButton->setText(tr("&Submit answer(s)"));
    ui->quitButton->setText(previewMode ? tr("End Preview") : tr("&Quit (abort this quiz)"));
    m_screen->applyQuestionFont(q, {ui->questionTextBox});

    // The answers that are there, by stored index. The editor stores them
    // without gaps; should a file have one, the slots still show exactly
    // the answers that have text.
    m_radioStyle = !q.multipleCorrect;
    std::vector<int> stored;
    for (int i = 0; i < 5; ++i) {
        if (!q.answers[i].empty())
            stored.push_back(i);
    }
    m_answerCount = static_cast<int>(stored.size());
    // An interrupted question keeps the order the taker saw before.
    if (!takeResumedOrder(stored)) {
        std::array<int, 5> order{};
        const std::span<int> used(order.data(), stored.size());
        if (m_quiz.randomizeAnswers) {
            if (!ShuffleIndices(used)) {
                m_screen->showBox(tr("Memory allocation error"), BRAINLOFT, MB_ICONINFORMATION);
                m_screen->end();
                return false;
            }
        } else {
            std::iota(used.begin(), used.end(), 0);
        }
        for (int slot = 0; slot < m_answerCount; ++slot)
            m_answerOrder[slot] = stored[order[slot]];
    }

    ui->worthLabel->setText(WorthLine(clock.worth));
    ui->scoreLabel->setText(ScoreLine(m_quiz.earnedPoints, m_quiz.possiblePoints, previewMode));
    ui->quizTimeLabel->setVisible(m_quiz.overallTimeLimitOn != 0);
    if (m_quiz.overallTimeLimitOn)
        ui->quizTimeLabel->setText(FormatQuizTimeLeft(m_quiz.quizSecondsLeft));
    ui->questionTimeLabel->setVisible(clock.questionSecondsLeft != 0);
    ui->questionTimeLabel->setText(QuestionTimeLine(clock.questionSecondsLeft));

    for (int slot = 0; slot < 5; ++slot) {
        m_checkBoxes[slot]->setVisible(false);
        m_radioButtons[slot]->setVisible(false);
        if (m_answerOrder[slot] < 0)
            continue;
        QAbstractButton *button = answerButton(slot);
        button->setText(answerCaption(slot, q.answers[m_answerOrder[slot]]));
        button->setEnabled(true);
        button->setVisible(true);
    }
    m_buttonState = {};

    m_screen->showQuestion(q);
    if (!m_screen->isOpen())
        return false;
    if (m_radioStyle)
        m_buttonState[0] = 1;
    writeButtons();

    setWindowState(maximized ? windowState() | Qt::WindowMaximized
                             : windowState() & ~Qt::WindowMaximized);
    layoutControls();
    q.presented = 1;
    answerButton(0)->setFocus();
    return true;
}

bool QuestionDialog::takeResumedOrder(const std::vector<int> &stored)
{
    if (!m_resumeState)
        return false;
    const std::array<std::int8_t, 5> &shownAnswers = m_resumeState->answerOrder;
    std::vector<int> shown;
    for (const std::int8_t index : shownAnswers) {
        if (index >= 0)
            shown.push_back(index);
    }
    // The journal checked the slots' form; here they must show exactly the
    // answers this question has.
    std::vector<int> sorted = shown;
    std::sort(sorted.begin(), sorted.end());
    if (sorted != stored)
        return false;
    for (std::size_t slot = 0; slot < shown.size(); ++slot)
        m_answerOrder[slot] = shown[slot];
    return true;
}

QuestionClock::Reduction QuestionDialog::reduction() const
{
    return QuestionClock::Reduction::NeedsTimeLimit;
}

std::array<std::int8_t, 5> QuestionDialog::answerSlots() const
{
    std::array<std::int8_t, 5> shownAnswers{};
    for (int slot = 0; slot < 5; ++slot)
        shownAnswers[slot] = static_cast<std::int8_t>(m_answerOrder[slot]);
    return shownAnswers;
}

QAbstractButton *QuestionDialog::answerButton(int slot) const
{
    return m_radioStyle ? m_radioButtons[slot] : m_checkBoxes[slot];
}

void QuestionDialog::readButtons()
{
    for (int slot = 0; slot < 5; ++slot)
        m_buttonState[slot] = answerButton(slot)->isChecked() ? 1 : 0;
}

void QuestionDialog::writeButtons()
{
    for (int slot = 0; slot < 5; ++slot) {
        // Radio buttons refuse to be cleared while they form a group.
        QAbstractButton *button = answerButton(slot);
        button->setAutoExclusive(false);
        button->setChecked(m_buttonState[slot] != 0);
    }
    if (m_radioStyle) {
        for (QAbstractButton *radio : m_radioButtons)
            radio->setAutoExclusive(true);
    }
}

void QuestionDialog::answerClicked()
{
    // While the correct answer is on show the ticks cannot be changed.
    if (m_screen->clock.answerShown)
        writeButtons();
    else
        readButtons();
}

void QuestionDialog::onOk()
{
    if (!isQuestionOpen())
        return;
    CQuestion &q = *question;
    if (previewMode) {
        readButtons();
        done(Ok);
        return;
    }
    if (m_screen->clock.answerShown) {
        done(m_quiz.overallTimeLimitOn && m_quiz.quizSecondsLeft < 0 ? Cancel : Ok);
        return;
    }
    readButtons();
    bool anyTicked = false;
    for (int slot = 0; slot < m_answerCount; ++slot)
        anyTicked = anyTicked || m_buttonState[slot] != 0;
    if (!anyTicked) {
        // The clocks keep running while this box is open.
        m_screen->showBox(tr("You must choose at least one answer!"), BRAINLOFT,
                          MB_ICONINFORMATION);
        return;
    }

    bool right = true;
    for (int slot = 0; slot < m_answerCount; ++slot) {
        const int index = m_answerOrder[slot];
        q.chosen[index] = m_buttonState[slot];
        if ((m_buttonState[slot] != 0) != (q.correct[index] != 0))
            right = false;
    }
    if (right) {
        const int worth = m_screen->clock.worth;
        m_quiz.earnedPoints += worth;
        q.earnedPoints = worth;
        readButtons();
        done(Ok);
    } else if (m_quiz.reviewAnswers) {
        ShowCorrectAnswer(false);
    } else {
        done(Ok);
    }
}

void QuestionDialog::ShowCorrectAnswer(bool timeExpired)
{
    m_screen->clock.answerShown = true;
    m_answerTimedOut = timeExpired;
    notifyChange(true); // the answer is given: it must not come back open
    if (!timeExpired)
        m_screen->showBox(tr("Your answer was incorrect.\nClick OK to see the correct answer."),
                          BRAINLOFT, MB_ICONINFORMATION);
    if (isQuestionOpen())
        showReview(timeExpired);
}

void QuestionDialog::showAnswerAgain(bool timedOut)
{
    m_answerTimedOut = timedOut;
    // The ticks the taker submitted (none after a time-out).
    for (int slot = 0; slot < 5; ++slot)
        m_buttonState[slot] =
            m_answerOrder[slot] >= 0 ? question->chosen[m_answerOrder[slot]] != 0 : 0;
    writeButtons();
    showReview(timedOut);
}

void QuestionDialog::showReview(bool timeExpired)
{
    for (int slot = 0; slot < 5; ++slot) {
        const int index = m_answerOrder[slot];
        m_framed[slot] = index >= 0 && question->correct[index] != 0;
    }
    update();
    //: Fixed-width button on the question screen: keep to about 34 characters.
    ui->submitButton->setText(tr("&Next question"));
    ui->submitButton->setFocus();
    //: A fixed-width status line: keep to about 37 characters.
    ui->worthLabel->setText(timeExpired ? tr("Time expired!") : tr("Incorrect!"));
    //: A fixed-width status line: keep to about 37 characters.
    ui->scoreLabel->setText(tr("Correct answer shown above."));
}

void QuestionDialog::showStep(const QuestionClock::Step &step)
{
    const QuestionClock &clock = m_screen->clock;
    if (step.worthChanged)
        ui->worthLabel->setText(WorthLine(clock.worth));
    if (step.quizRanOut)
        m_screen->postTimeout(true);
    else if (step.quizLineChanged)
        ui->quizTimeLabel->setText(FormatQuizTimeLeft(m_quiz.quizSecondsLeft));
    if (step.questionLineChanged)
        ui->questionTimeLabel->setText(QuestionTimeLine(clock.questionSecondsLeft));
    if (step.questionRanOut)
        m_screen->postTimeout(false);
}

void QuestionDialog::timeout(bool quizLimit)
{
    m_screen->showTimeExpired(quizLimit);
    if (!isQuestionOpen())
        return;
    if (m_quiz.reviewAnswers)
        ShowCorrectAnswer(true);
    else
        done(quizLimit ? Cancel : Ok);
}

void QuestionDialog::keyPressEvent(QKeyEvent *event)
{
    // A preview has no Submit button, yet Enter still ends it (result 1),
    // unless a push button has the focus and takes Enter itself.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (previewMode && enter && !qobject_cast<QPushButton *>(focusWidget())) {
        event->accept();
        onOk();
        return;
    }
    QuizScreenDialog::keyPressEvent(event);
}

void QuestionDialog::layoutControls()
{
    const QuestionScreenLayout layout =
        LayoutQuestionScreen(size(), DialogUnits(font()), ui->statusGroupBox->contentsRect().top());
    ui->submitButton->setGeometry(layout.submitButton);
    ui->quitButton->setGeometry(layout.quitButton);
    ui->statusGroupBox->setGeometry(layout.statusGroup);
    ui->worthLabel->setGeometry(layout.worthLine);
    ui->questionTimeLabel->setGeometry(layout.questionTimeLine);
    ui->scoreLabel->setGeometry(layout.scoreLine);
    ui->quizTimeLabel->setGeometry(layout.quizTimeLine);
    ui->answersGroupBox->setGeometry(layout.answersGroup);
    for (int slot = 0; slot < 5; ++slot) {
        m_checkBoxes[slot]->setGeometry(layout.answerButtons[slot]);
        m_radioButtons[slot]->setGeometry(layout.answerButtons[slot]);
    }
    m_screen->layoutArea(layout.answersGroup);
    update(); // the frames follow their buttons
}

void QuestionDialog::paintEvent(QPaintEvent *event)
{
    QuizScreenDialog::paintEvent(event);
    // The frames are part of the window's painting, so they stay until the
    // question closes, whatever covers the window meanwhile.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.setBrush(Qt::NoBrush);
    for (int slot = 0; slot < 5; ++slot) {
        const QAbstractButton *button = answerButton(slot);
        if (!m_framed[slot] || button->isHidden())
            continue;
        const QRect r = button->geometry();
        painter.drawRect(QRect(r.x() - 1, r.y() - 1, r.width() + 1, r.height() + 1));
    }
}
