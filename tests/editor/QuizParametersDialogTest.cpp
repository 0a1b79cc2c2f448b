// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/QuizParametersDialog.h"

#include "EditorTesting.h"
#include "ModalScript.h"
#include "QuizFixtures.h"
#include "ScriptedPrompts.h"

#include "editor/ApplyDefaultsDialog.h"
#include "editor/NumberField.h"
#include "editor/PasswordDialog.h"
#include "log/ResultsLog.h"
#include "model/Quiz.h"
#include "ui/FontConversion.h"
#include "ui/QuizFiles.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

namespace {

class QuizParametersDialogTest : public ::testing::Test
{
protected:
    QuizParametersDialogTest()
    {
        quiz.password = "teacher";
        quiz.font = logFontFromFont(QFont());
    }

    std::unique_ptr<QuizParametersDialog> open(bool allowTypeChange = false)
    {
        return std::make_unique<QuizParametersDialog>(quiz, prompts, allowTypeChange);
    }
    void addQuestions(int count)
    {
        for (int i = 0; i < count; ++i) {
            auto question = makeQuestion("q", {"a", "b"}, {0}, 3);
            question->timeLimit = 60;
            question->reduceBy = 1;
            question->reduceEvery = 20;
            quiz.AppendQuestion(std::move(question));
        }
        quiz.modified = false;
    }
    static QCheckBox *box(const QWidget &dialog, const char *name)
    {
        return child<QCheckBox>(dialog, name);
    }
    static NumberField *field(const QWidget &dialog, const char *name)
    {
        return child<NumberField>(dialog, name);
    }
    static QPushButton *button(const QWidget &dialog, const char *name)
    {
        return child<QPushButton>(dialog, name);
    }
    static void pressOk(const QWidget &dialog) { button(dialog, "okButton")->click(); }

    Quiz quiz;
    ScriptedPrompts prompts;
};

} // namespace

TEST_F(QuizParametersDialogTest, OpensWithTheQuizValuesAndItsEnablingRules)
{
    quiz.quizType = 1;
    quiz.randomizeAnswers = 1;
    quiz.defaultScore = 7;
    quiz.defaultTimeLimit = 0;
    quiz.defaultReduceEvery = 15; // a reduction left behind without a time limit
    quiz.defaultReduceBy = 2;
    auto dialog = open();
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Quiz Parameters"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/%1.html").arg(dialog->helpTopic())));

    // From the quiz editor the type is fixed.
    EXPECT_TRUE(child<QRadioButton>(*dialog, "flashCardsRadioButton")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(*dialog, "flashCardsRadioButton")->isEnabled());
    EXPECT_FALSE(child<QRadioButton>(*dialog, "multipleChoiceRadioButton")->isEnabled());
    // Flash cards have no answers to shuffle or review; the marks stay.
    EXPECT_FALSE(box(*dialog, "randomizeAnswersCheckBox")->isEnabled());
    EXPECT_TRUE(box(*dialog, "randomizeAnswersCheckBox")->isChecked());
    EXPECT_FALSE(box(*dialog, "reviewAnswersCheckBox")->isEnabled());

    EXPECT_FALSE(box(*dialog, "overallTimeLimitCheckBox")->isChecked());
    EXPECT_EQ(field(*dialog, "overallTimeLimitField")->text(), QStringLiteral("1"));
    EXPECT_FALSE(field(*dialog, "overallTimeLimitField")->isEnabled());
    EXPECT_EQ(field(*dialog, "scoreField")->text(), QStringLiteral("7"));
    EXPECT_EQ(field(*dialog, "timeLimitField")->text(), QStringLiteral("1"));
    EXPECT_FALSE(field(*dialog, "timeLimitField")->isEnabled());
    // The reduction shows as on but cannot be reached without a time limit.
    EXPECT_TRUE(box(*dialog, "reduceCheckBox")->isChecked());
    EXPECT_FALSE(box(*dialog, "reduceCheckBox")->isEnabled());
    EXPECT_FALSE(field(*dialog, "reduceEveryField")->isEnabled());
    EXPECT_EQ(field(*dialog, "reduceEveryField")->text(), QStringLiteral("15"));

    // A quiz never saved has no log; without questions nothing to apply to.
    for (const char *name : {"exportLogButton", "deleteLogButton", "changeFontButton",
                             "applyFontButton", "applyDefaultsButton"})
        EXPECT_FALSE(button(*dialog, name)->isEnabled()) << name;
    // The first control that takes the focus has it.
    EXPECT_EQ(dialog->focusWidget(), box(*dialog, "logResultsCheckBox"));

    // The arrows' ranges.
    struct Range
    {
        const char *name;
        std::uint32_t minimum, maximum;
    } ranges[] = {{"overallTimeLimitField", 1, 300},
                  {"timeLimitField", 1, 300},
                  {"scoreField", 1, 50},
                  {"reduceByField", 1, 10},
                  {"reduceEveryField", 1, 300}};
    for (const Range &r : ranges) {
        EXPECT_EQ(field(*dialog, r.name)->minimum(), r.minimum) << r.name;
        EXPECT_EQ(field(*dialog, r.name)->maximum(), r.maximum) << r.name;
    }
}

TEST_F(QuizParametersDialogTest, ANewQuizChoosesItsType)
{
    auto dialog = open(true);
    dialog->show();
    auto *multiple = child<QRadioButton>(*dialog, "multipleChoiceRadioButton");
    auto *cards = child<QRadioButton>(*dialog, "flashCardsRadioButton");
    EXPECT_TRUE(multiple->isEnabled());
    EXPECT_TRUE(multiple->isChecked());
    EXPECT_EQ(dialog->focusWidget(), multiple);

    box(*dialog, "reviewAnswersCheckBox")->setChecked(false);
    box(*dialog, "randomizeAnswersCheckBox")->setChecked(true);
    cards->click();
    EXPECT_FALSE(box(*dialog, "randomizeAnswersCheckBox")->isEnabled());
    EXPECT_FALSE(box(*dialog, "reviewAnswersCheckBox")->isEnabled());
    pressOk(*dialog);
    EXPECT_EQ(dialog->result(), ModalDialog::Ok);
    EXPECT_EQ(quiz.quizType, 1);
    // Values of disabled boxes are written back all the same.
    EXPECT_EQ(quiz.randomizeAnswers, 1);
    EXPECT_EQ(quiz.reviewAnswers, 0);
    EXPECT_TRUE(quiz.modified);
}

TEST_F(QuizParametersDialogTest, CheckingTheOverallLimitEnablesItsMinutes)
{
    auto dialog = open();
    box(*dialog, "overallTimeLimitCheckBox")->click();
    EXPECT_TRUE(field(*dialog, "overallTimeLimitField")->isEnabled());
    EXPECT_EQ(field(*dialog, "overallTimeLimitField")->text(), QStringLiteral("1"));
    box(*dialog, "timeLimitCheckBox")->click();
    EXPECT_TRUE(field(*dialog, "timeLimitField")->isEnabled());
    EXPECT_TRUE(box(*dialog, "reduceCheckBox")->isEnabled());
    EXPECT_FALSE(field(*dialog, "reduceByField")->isEnabled());
    box(*dialog, "reduceCheckBox")->click();
    EXPECT_TRUE(field(*dialog, "reduceByField")->isEnabled());
    EXPECT_TRUE(field(*dialog, "reduceEveryField")->isEnabled());
    // Turning the time limit off again keeps the reduction's check mark.
    box(*dialog, "timeLimitCheckBox")->click();
    EXPECT_TRUE(box(*dialog, "reduceCheckBox")->isChecked());
    EXPECT_FALSE(field(*dialog, "reduceEveryField")->isEnabled());
}

TEST_F(QuizParametersDialogTest, OkRefusesLimitsOutOfRangeAndShowsTheCorrection)
{
    struct Case
    {
        const char *field;
        const char *typed;
        bool overallOn, timeLimitOn;
        const char *message;
        const char *caption; // null: the program's name
        unsigned flags;
        const char *corrected;
    } cases[] = {
        {"overallTimeLimitField", "0", true, false, "Time Limit cannot be less than one minute",
         "Brainloft", MB_OK | MB_ICONINFORMATION, "1"},
        {"overallTimeLimitField", "301", true, false, "Time limit cannot exceed 300 minutes.",
         "Brainlofs", MB_OK | MB_ICONINFORMATION, "300"},
        {"timeLimitField", "0", false, true, "Default time limit cannot be less than one second",
         "Brainloft", MB_OK | MB_ICONINFORMATION, "1"},
        {"timeLimitField", "301", false, true, "Default time limit cannot exceed 300 seconds.",
         "Brainlofs", MB_OK | MB_ICONINFORMATION, "300"},
        {"scoreField", "0", false, false, "Default score must be at least 1 point.", nullptr, MB_OK,
         "1"},
        {"scoreField", "51", false, false, "Default score cannot exceed 50 points.", nullptr, MB_OK,
         "50"},
    };
    for (const Case &c : cases) {
        quiz.overallTimeLimitOn = c.overallOn;
        quiz.overallTimeLimit = 10;
        quiz.defaultTimeLimit = c.timeLimitOn ? 30 : 0;
        quiz.modified = false;
        auto dialog = open();
        dialog->show();
        field(*dialog, c.field)->setText(QString::fromLatin1(c.typed));
        prompts.answer(IDOK);
        pressOk(*dialog);
        const ScriptedPrompts::Call message = lastMessage(prompts);
        EXPECT_EQ(message.text, QString::fromLatin1(c.message));
        EXPECT_EQ(message.caption,
                  c.caption ? QString::fromLatin1(c.caption) : QStringLiteral("brainloft"));
        EXPECT_EQ(message.flags, c.flags) << c.message;
        EXPECT_EQ(dialog->result(), 0) << c.message;
        EXPECT_EQ(field(*dialog, c.field)->text(), QString::fromLatin1(c.corrected));
        EXPECT_EQ(dialog->focusWidget(), field(*dialog, c.field)) << c.message;
        // Nothing was written back.
        EXPECT_EQ(quiz.overallTimeLimit, 10);
        EXPECT_FALSE(quiz.modified);
        // The corrected value passes.
        pressOk(*dialog);
        EXPECT_EQ(dialog->result(), ModalDialog::Ok) << c.message;
        prompts.clear();
    }
}

TEST_F(QuizParametersDialogTest, LimitsThatAreOffAreNeitherCheckedNorKept)
{
    quiz.defaultTimeLimit = 30;
    auto dialog = open();
    // The overall minutes are written back even while that limit is off.
    field(*dialog, "overallTimeLimitField")->setText(QStringLiteral("0"));
    field(*dialog, "timeLimitField")->setText(QStringLiteral("0"));
    box(*dialog, "timeLimitCheckBox")->click();
    pressOk(*dialog);
    EXPECT_EQ(dialog->result(), ModalDialog::Ok);
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_EQ(quiz.overallTimeLimit, 0);
    EXPECT_EQ(quiz.defaultTimeLimit, 0);
    EXPECT_TRUE(quiz.modified);
}

TEST_F(QuizParametersDialogTest, ReductionValuesAreTakenAsTypedBeyondTheirArrows)
{
    struct Case
    {
        bool timeLimitOn;
        std::int32_t reduceBy, reduceEvery;
    } cases[] = {{true, 25, 0}, {false, 0, 0}};
    for (const Case &c : cases) {
        quiz.defaultTimeLimit = 40;
        quiz.defaultReduceEvery = 0;
        auto dialog = open();
        box(*dialog, "reduceCheckBox")->click();
        field(*dialog, "reduceByField")->setText(QStringLiteral("25"));
        field(*dialog, "reduceEveryField")->setText(QStringLiteral("0"));
        if (!c.timeLimitOn)
            box(*dialog, "timeLimitCheckBox")->click();
        pressOk(*dialog);
        EXPECT_EQ(dialog->result(), ModalDialog::Ok);
        EXPECT_TRUE(prompts.calls().empty());
        EXPECT_EQ(quiz.defaultReduceBy, c.reduceBy) << c.timeLimitOn;
        EXPECT_EQ(quiz.defaultReduceEvery, c.reduceEvery) << c.timeLimitOn;
    }

    // Only a number the quiz file cannot hold is refused.
    auto dialog = open();
    box(*dialog, "timeLimitCheckBox")->click();
    box(*dialog, "reduceCheckBox")->click();
    field(*dialog, "reduceEveryField")->setText(QStringLiteral("4294967295"));
    prompts.answer(IDOK);
    pressOk(*dialog);
    EXPECT_EQ(dialog->result(), 0);
    EXPECT_EQ(lastMessage(prompts).text,
              QStringLiteral("4294967295 is too large: a quiz file holds numbers up to "
                             "2147483647."));
    EXPECT_EQ(dialog->focusWidget(), field(*dialog, "reduceEveryField"));
}

TEST_F(QuizParametersDialogTest, AnUnreadableNumberStopsTheReadAndOk)
{
    quiz.defaultScore = 4;
    auto dialog = open();
    dialog->show();
    box(*dialog, "reviewAnswersCheckBox")->click();    // read after the score
    box(*dialog, "randomizeAnswersCheckBox")->click(); // read before it
    field(*dialog, "scoreField")->setText(QString());
    prompts.answer(IDOK);
    box(*dialog, "timeLimitCheckBox")->click();
    EXPECT_EQ(lastMessage(prompts).text, QStringLiteral("Please enter a positive integer."));
    EXPECT_EQ(lastMessage(prompts).flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(dialog->focusWidget(), field(*dialog, "scoreField"));
    // The time limit box is read after the score: its field stays disabled.
    EXPECT_FALSE(field(*dialog, "timeLimitField")->isEnabled());
    EXPECT_TRUE(dialog->values().randomizeAnswers);
    EXPECT_TRUE(dialog->values().reviewAnswers); // as loaded

    prompts.answer(IDOK);
    pressOk(*dialog);
    EXPECT_EQ(dialog->result(), 0);
    EXPECT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(quiz.randomizeAnswers, 0);
    EXPECT_FALSE(quiz.modified);
}

TEST_F(QuizParametersDialogTest, UnchangedOkLeavesTheQuizUnmodified)
{
    quiz.overallTimeLimitOn = 1;
    quiz.overallTimeLimit = 20;
    quiz.defaultTimeLimit = 30;
    quiz.defaultReduceBy = 2;
    quiz.defaultReduceEvery = 10;
    auto dialog = open();
    pressOk(*dialog);
    EXPECT_EQ(dialog->result(), ModalDialog::Ok);
    EXPECT_FALSE(quiz.modified);
    EXPECT_EQ(quiz.defaultReduceEvery, 10);
}

TEST_F(QuizParametersDialogTest, ApplyingDefaultsUsesTheShownValuesAtOnce)
{
    addQuestions(2);
    quiz.defaultTimeLimit = 0;
    auto dialog = open();
    std::optional<DefaultsChoice> answer = DefaultsChoice{};
    int asked = 0;
    dialog->setDefaultsChooser([&] {
        ++asked;
        return answer;
    });
    EXPECT_TRUE(button(*dialog, "applyDefaultsButton")->isEnabled());
    // "Reduce score by" keeps its mark while the time limit is off.
    box(*dialog, "timeLimitCheckBox")->click();
    box(*dialog, "reduceCheckBox")->click();
    field(*dialog, "reduceByField")->setText(QStringLiteral("4"));
    field(*dialog, "reduceEveryField")->setText(QStringLiteral("9"));
    box(*dialog, "timeLimitCheckBox")->click();
    field(*dialog, "scoreField")->setText(QStringLiteral("6"));
    button(*dialog, "applyDefaultsButton")->click();
    EXPECT_EQ(asked, 1);
    for (int i = 0; i < 2; ++i) {
        const CQuestion &q = *quiz.QuestionAt(i);
        EXPECT_EQ(q.score, 6);
        EXPECT_EQ(q.timeLimit, 0);
        EXPECT_EQ(q.reduceBy, 4);
        EXPECT_EQ(q.reduceEvery, 9);
    }
    EXPECT_TRUE(quiz.modified);
    // The quiz's own defaults wait for OK, and Cancel keeps the questions.
    EXPECT_EQ(quiz.defaultScore, 1);
    button(*dialog, "cancelButton")->click();
    EXPECT_EQ(dialog->result(), ModalDialog::Cancel);
    EXPECT_EQ(quiz.QuestionAt(0)->score, 6);
    EXPECT_EQ(quiz.defaultScore, 1);

    // A refused default stops before the choice; a cancelled choice applies
    // nothing.
    auto again = open();
    again->setDefaultsChooser([&] {
        ++asked;
        return answer;
    });
    field(*again, "scoreField")->setText(QStringLiteral("51"));
    prompts.answer(IDOK);
    button(*again, "applyDefaultsButton")->click();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(field(*again, "scoreField")->text(), QStringLiteral("50"));
    answer.reset();
    quiz.modified = false;
    button(*again, "applyDefaultsButton")->click();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(quiz.QuestionAt(0)->score, 6);
    EXPECT_FALSE(quiz.modified);
}

TEST_F(QuizParametersDialogTest, TheApplyDefaultsWindowChoosesWhatIsApplied)
{
    addQuestions(1);
    auto dialog = open();
    dialog->show();
    field(*dialog, "scoreField")->setText(QStringLiteral("9"));
    ModalScript script;
    script.then<ApplyDefaultsDialog>([](ApplyDefaultsDialog &choice) {
        child<QCheckBox>(choice, "timeLimitCheckBox")->click();
        child<QCheckBox>(choice, "reduceCheckBox")->click();
        child<QPushButton>(choice, "okButton")->click();
    });
    button(*dialog, "applyDefaultsButton")->click();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(quiz.QuestionAt(0)->score, 9);
    EXPECT_EQ(quiz.QuestionAt(0)->timeLimit, 60);
    EXPECT_EQ(quiz.QuestionAt(0)->reduceEvery, 20);
}

TEST_F(QuizParametersDialogTest, TheDefaultFontComesFromTheChooser)
{
    addQuestions(2);
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPixelSize(20);
    auto dialog = open();
    // A cancelled chooser unchecks the box again.
    prompts.answerFont(std::nullopt);
    box(*dialog, "useCustomFontCheckBox")->click();
    EXPECT_FALSE(box(*dialog, "useCustomFontCheckBox")->isChecked());
    EXPECT_FALSE(button(*dialog, "changeFontButton")->isEnabled());

    prompts.answerFont(chosen);
    box(*dialog, "useCustomFontCheckBox")->click();
    EXPECT_TRUE(box(*dialog, "useCustomFontCheckBox")->isChecked());
    EXPECT_TRUE(button(*dialog, "changeFontButton")->isEnabled());
    EXPECT_TRUE(button(*dialog, "applyFontButton")->isEnabled());

    // Applying to the questions acts at once and survives Cancel.
    button(*dialog, "applyFontButton")->click();
    button(*dialog, "cancelButton")->click();
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(quiz.QuestionAt(i)->font, nullptr);
        EXPECT_EQ(*quiz.QuestionAt(i)->font, logFontFromFont(chosen));
    }
    EXPECT_TRUE(quiz.modified);
    EXPECT_EQ(quiz.useCustomFont, 0);

    // OK keeps the font as the quiz's default; a font change alone marks
    // the quiz modified.
    quiz.modified = false;
    auto again = open();
    prompts.answerFont(chosen);
    box(*again, "useCustomFontCheckBox")->click();
    pressOk(*again);
    EXPECT_NE(quiz.useCustomFont, 0);
    EXPECT_EQ(quiz.font, logFontFromFont(chosen));
    EXPECT_TRUE(quiz.modified);

    quiz.modified = false;
    QFont other = chosen;
    other.setItalic(true);
    auto third = open();
    prompts.answerFont(other);
    button(*third, "changeFontButton")->click();
    pressOk(*third);
    EXPECT_EQ(quiz.font, logFontFromFont(other));
    EXPECT_TRUE(quiz.modified);
}

TEST_F(QuizParametersDialogTest, PasswordChangeStaysAfterCancel)
{
    auto dialog = open();
    dialog->show();
    ModalScript script;
    script.then<PasswordDialog>([](PasswordDialog &password) {
        EXPECT_EQ(password.mode(), 2);
        child<QLineEdit>(password, "oldPasswordEdit")->setText(QStringLiteral("teacher"));
        child<QLineEdit>(password, "newPasswordEdit")->setText(QStringLiteral("pupil"));
        child<QLineEdit>(password, "confirmPasswordEdit")->setText(QStringLiteral("pupil"));
        child<QPushButton>(password, "okButton")->click();
    });
    button(*dialog, "changePasswordButton")->click();
    EXPECT_TRUE(script.finished());
    button(*dialog, "cancelButton")->click();
    EXPECT_EQ(quiz.password, "pupil");
    EXPECT_TRUE(quiz.modified);
}

TEST_F(QuizParametersDialogTest, TheLogCommandsFollowTheLogFile)
{
    QTemporaryDir dir;
    quiz.SetQuizPathName(pathIn(dir, "unit1.blz"));
    ASSERT_TRUE(RecordResult(quiz, "Ada"));
    const QString exported = dir.filePath(QStringLiteral("out.txt"));
    {
        auto dialog = open();
        EXPECT_TRUE(button(*dialog, "exportLogButton")->isEnabled());
        EXPECT_TRUE(button(*dialog, "deleteLogButton")->isEnabled());
        prompts.answerFile(exported);
        button(*dialog, "exportLogButton")->click();
        EXPECT_TRUE(QFile::exists(exported));
        EXPECT_TRUE(button(*dialog, "exportLogButton")->isEnabled());

        prompts.answer(IDNO);
        button(*dialog, "deleteLogButton")->click();
        EXPECT_TRUE(LogFileReadable(quiz.logPathName));
        prompts.answer(IDYES);
        button(*dialog, "deleteLogButton")->click();
        EXPECT_FALSE(LogFileReadable(quiz.logPathName));
        EXPECT_FALSE(button(*dialog, "exportLogButton")->isEnabled());
        EXPECT_FALSE(button(*dialog, "deleteLogButton")->isEnabled());
        button(*dialog, "cancelButton")->click();
    }
    // A log that went after the dialog opened: Export says so and gives up.
    ASSERT_TRUE(RecordResult(quiz, "Ben"));
    auto dialog = open();
    ASSERT_TRUE(QFile::remove(pathToQString(quiz.logPathName)));
    prompts.answer(IDOK);
    button(*dialog, "exportLogButton")->click();
    EXPECT_EQ(lastMessage(prompts).text,
              QStringLiteral("Log file has been deleted by some other program!"));
    EXPECT_FALSE(button(*dialog, "exportLogButton")->isEnabled());
    EXPECT_FALSE(button(*dialog, "deleteLogButton")->isEnabled());
}
