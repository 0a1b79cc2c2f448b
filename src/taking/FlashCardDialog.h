#pragma once

#include "ui/ModalDialog.h"

#include <memory>

class CQuestion;
class Prompts;
class QuestionScreen;
class Quiz;
namespace Ui {
class FlashCardDialog;
}

// The flash-card screen. The taker may type an answer (it is never read),
// reveals the card's answer and judges themselves Right or Wrong. The quiz
// runner shows one object for every card of a run; the flash-card editor
// shows it in preview mode. The caller sets questionNumber, question and
// previewMode, then exec() returns 1 (card finished) or 2 (stop the quiz).
class FlashCardDialog : public ModalDialog
{
    Q_OBJECT

public:
    FlashCardDialog(Quiz &quiz, Prompts &prompts, QWidget *parent = nullptr);
    ~FlashCardDialog() override;

    int exec() override;
    void open() override;
    void done(int result) override;

    unsigned questionNumber = 0;   // decides only whether a score is shown yet
    CQuestion *question = nullptr; // not owned; answers[0] is the card's answer
    bool previewMode = false;
    bool maximized = false; // carried from one showing to the next

    // True from opening to closing: the screen takes clock ticks.
    [[nodiscard]] bool isQuestionOpen() const;
    [[nodiscard]] bool answerShown() const;
    [[nodiscard]] bool paused() const;
    [[nodiscard]] int worth() const;

protected:
    void onCancel() override; // Abort quiz, Escape and the close box
    void customEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool beginQuestion();
    void tick();
    void timeout();
    void showAnswer();
    void judgeRight();
    void judgeWrong();
    void layoutControls();

    std::unique_ptr<Ui::FlashCardDialog> ui;
    Quiz &m_quiz;
    std::unique_ptr<QuestionScreen> m_screen;
};
