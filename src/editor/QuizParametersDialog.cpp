// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/QuizParametersDialog.h"
#include "ui_QuizParametersDialog.h"

#include "editor/ApplyDefaultsDialog.h"
#include "editor/FormReader.h"
#include "editor/FormText.h"
#include "editor/NumberField.h"
#include "editor/PasswordDialog.h"
#include "log/LogCommands.h"
#include "model/Quiz.h"
#include "ui/DialogUnits.h"
#include "ui/FontConversion.h"
#include "ui/Prompts.h"

namespace {

QuizParametersDialog::ResultsViewer &resultsViewer()
{
    static QuizParametersDialog::ResultsViewer viewer;
    return viewer;
}

const QString BRAINLOFT = QStringLiteral("Brainloft");
// The caption the two "cannot exceed 300" messages carry.
const QString BRAINLOFS = QStringLiteral("Brainlofs");

} // namespace

QuizParametersDialog::QuizParametersDialog(Quiz &quiz, Prompts &prompts, bool allowTypeChange,
                                           QWidget *parent)
    : ModalDialog(parent)
    , ui(std::make_unique<Ui::QuizParametersDialog>())
    , m_quiz(quiz)
    , m_prompts(prompts)
    , m_allowTypeChange(allowTypeChange)
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("quiz-parameters"));
    m_chooseDefaults = [this]() -> std::optional<DefaultsChoice> {
        ApplyDefaultsDialog dialog(m_prompts, this);
        if (dialog.exec() != Ok)
            return std::nullopt;
        return dialog.choice();
    };

    connect(ui->okButton, &QPushButton::clicked, this, &QuizParametersDialog::accept);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QuizParametersDialog::reject);
    connect(ui->helpButton, &QPushButton::clicked, this, &QuizParametersDialog::showHelp);
    connect(ui->overallTimeLimitCheckBox, &QCheckBox::clicked, this,
            &QuizParametersDialog::onOverallTimeLimitClicked);
    connect(ui->multipleChoiceRadioButton, &QRadioButton::clicked, this,
            &QuizParametersDialog::onQuizTypeClicked);
    connect(ui->flashCardsRadioButton, &QRadioButton::clicked, this,
            &QuizParametersDialog::onQuizTypeClicked);
    connect(ui->timeLimitCheckBox, &QCheckBox::clicked, this,
            &QuizParametersDialog::onScoringClicked);
    connect(ui->reduceCheckBox, &QCheckBox::clicked, this, &QuizParametersDialog::onScoringClicked);
    // Log results changes nothing else, but is read like every other click.
    connect(ui->logResultsCheckBox, &QCheckBox::clicked, this, [this] { ReadForm(); });
    connect(ui->useCustomFontCheckBox, &QCheckBox::clicked, this,
            &QuizParametersDialog::onUseCustomFontClicked);
    connect(ui->changeFontButton, &QPushButton::clicked, this, &QuizParametersDialog::ChooseFont);
    connect(ui->applyFontButton, &QPushButton::clicked, this,
            &QuizParametersDialog::ApplyFontToAll);
    connect(ui->applyDefaultsButton, &QPushButton::clicked, this,
            &QuizParametersDialog::ApplyDefaultsToAll);
    connect(ui->changePasswordButton, &QPushButton::clicked, this,
            &QuizParametersDialog::onChangePassword);
    connect(ui->exportLogButton, &QPushButton::clicked, this, &QuizParametersDialog::onExportLog);
    connect(ui->deleteLogButton, &QPushButton::clicked, this, &QuizParametersDialog::onDeleteLog);
    connect(ui->viewResultsButton, &QPushButton::clicked, this,
            &QuizParametersDialog::onViewResults);

    // The opening, in its order: the log commands, the ranges of the
    // arrows, the values, then what the values enable.
    const bool logAvailable = LogCommandsAvailable(m_quiz);
    ui->exportLogButton->setEnabled(logAvailable);
    ui->deleteLogButton->setEnabled(logAvailable);
    ui->viewResultsButton->setEnabled(logAvailable && resultsViewer());
    ui->overallTimeLimitField->setRange(1, 300);
    ui->timeLimitField->setRange(1, 300);
    ui->scoreField->setRange(1, 50);
    ui->reduceByField->setRange(1, 10);
    ui->reduceEveryField->setRange(1, 300);
    m_values = LoadQuizParameters(m_quiz, logFontFromFont(font()));
    ui->multipleChoiceRadioButton->setEnabled(m_allowTypeChange);
    ui->flashCardsRadioButton->setEnabled(m_allowTypeChange);
    WriteForm();
    updateOverallControls();
    updateTypeControls();
    updateFontControls();
    updateScoringControls();
    ui->applyDefaultsButton->setEnabled(m_quiz.questionCount() > 0);
    // The first control that can take the focus has it.
    if (m_allowTypeChange)
        (m_values.quizType == 1 ? ui->flashCardsRadioButton : ui->multipleChoiceRadioButton)
            ->setFocus(Qt::OtherFocusReason);
    else
        ui->logResultsCheckBox->setFocus(Qt::OtherFocusReason);

    resize(sizeHint().expandedTo(DialogUnits(font()).size(292, 218)));
}

QuizParametersDialog::~QuizParametersDialog() = default;

bool QuizParametersDialog::ReadForm()
{
    QuizParameters &v = m_values;
    FormReader read(m_prompts, this);
    read.flag(ui->randomizeAnswersCheckBox, v.randomizeAnswers)
        .flag(ui->randomizeQuestionsCheckBox, v.randomizeQuestions)
        .flag(ui->logResultsCheckBox, v.logResults)
        .flag(ui->overallTimeLimitCheckBox, v.overallTimeLimitOn)
        .number(ui->overallTimeLimitField, v.overallMinutes)
        .value([&] {
            if (ui->multipleChoiceRadioButton->isChecked())
                v.quizType = 0;
            else if (ui->flashCardsRadioButton->isChecked())
                v.quizType = 1;
            else
                v.quizType = -1;
        })
        .number(ui->scoreField, v.defaultScore)
        .flag(ui->timeLimitCheckBox, v.timeLimitOn)
        .number(ui->timeLimitField, v.timeLimit)
        .flag(ui->reduceCheckBox, v.reduceOn)
        .number(ui->reduceByField, v.reduceBy)
        .number(ui->reduceEveryField, v.reduceEvery)
        .flag(ui->reviewAnswersCheckBox, v.reviewAnswers)
        .flag(ui->useCustomFontCheckBox, v.useCustomFont);
    return read.ok();
}

void QuizParametersDialog::WriteForm()
{
    const QuizParameters &v = m_values;
    // Radio buttons in one group cannot all be cleared while exclusive.
    ui->multipleChoiceRadioButton->setAutoExclusive(false);
    ui->flashCardsRadioButton->setAutoExclusive(false);
    ui->multipleChoiceRadioButton->setChecked(v.quizType == 0);
    ui->flashCardsRadioButton->setChecked(v.quizType == 1);
    ui->multipleChoiceRadioButton->setAutoExclusive(true);
    ui->flashCardsRadioButton->setAutoExclusive(true);
    ui->logResultsCheckBox->setChecked(v.logResults);
    ui->overallTimeLimitCheckBox->setChecked(v.overallTimeLimitOn);
    ui->overallTimeLimitField->setValue(v.overallMinutes);
    ui->randomizeQuestionsCheckBox->setChecked(v.randomizeQuestions);
    ui->randomizeAnswersCheckBox->setChecked(v.randomizeAnswers);
    ui->reviewAnswersCheckBox->setChecked(v.reviewAnswers);
    ui->useCustomFontCheckBox->setChecked(v.useCustomFont);
    ui->scoreField->setValue(v.defaultScore);
    ui->timeLimitCheckBox->setChecked(v.timeLimitOn);
    ui->timeLimitField->setValue(v.timeLimit);
    ui->reduceCheckBox->setChecked(v.reduceOn);
    ui->reduceByField->setValue(v.reduceBy);
    ui->reduceEveryField->setValue(v.reduceEvery);
}

void QuizParametersDialog::updateOverallControls()
{
    ui->overallTimeLimitField->setEnabled(m_values.overallTimeLimitOn);
}

void QuizParametersDialog::updateTypeControls()
{
    // The check marks stay: they are written back whatever the type.
    const bool multipleChoice = m_values.quizType == 0;
    ui->randomizeAnswersCheckBox->setEnabled(multipleChoice);
    ui->reviewAnswersCheckBox->setEnabled(multipleChoice);
}

void QuizParametersDialog::updateScoringControls()
{
    // A disabled "Reduce score by" keeps its check mark.
    const QuizParameters &v = m_values;
    ui->timeLimitField->setEnabled(v.timeLimitOn);
    ui->reduceCheckBox->setEnabled(v.timeLimitOn);
    ui->reduceByField->setEnabled(v.timeLimitOn && v.reduceOn);
    ui->reduceEveryField->setEnabled(v.timeLimitOn && v.reduceOn);
}

void QuizParametersDialog::updateFontControls()
{
    ui->changeFontButton->setEnabled(m_values.useCustomFont);
    ui->applyFontButton->setEnabled(m_values.useCustomFont && m_quiz.questionCount() > 0);
}

void QuizParametersDialog::disableLogButtons()
{
    ui->exportLogButton->setEnabled(false);
    ui->deleteLogButton->setEnabled(false);
    ui->viewResultsButton->setEnabled(false);
}

void QuizParametersDialog::onOverallTimeLimitClicked()
{
    ReadForm();
    updateOverallControls();
}

void QuizParametersDialog::onQuizTypeClicked()
{
    ReadForm();
    updateTypeControls();
}

void QuizParametersDialog::onScoringClicked()
{
    ReadForm();
    updateScoringControls();
}

void QuizParametersDialog::onUseCustomFontClicked()
{
    ReadForm();
    if (m_values.useCustomFont && !ChooseFont()) {
        m_values.useCustomFont = false;
        ui->useCustomFontCheckBox->setChecked(false);
    }
    updateFontControls();
}

bool QuizParametersDialog::ChooseFont()
{
    const auto chosen = m_prompts.chooseFont(this, fontFromLogFont(m_values.font));
    if (!chosen)
        return false;
    m_values.font = logFontFromFont(*chosen);
    return true;
}

void QuizParametersDialog::ApplyFontToAll()
{
    ReadForm();
    ApplyFontToQuestions(m_quiz, m_values);
}

void QuizParametersDialog::ApplyDefaultsToAll()
{
    if (!ReadForm() || !checkDefaults() || !checkStorable(Storing::Defaults))
        return;
    const std::optional<DefaultsChoice> choice = m_chooseDefaults();
    if (!choice)
        return;
    ApplyDefaultsToQuestions(m_quiz, *choice, m_values);
}

void QuizParametersDialog::onChangePassword()
{
    // The password dialog stores a new password in the quiz itself.
    PasswordDialog dialog(m_quiz, m_prompts, 2, nullptr, this);
    dialog.exec();
}

void QuizParametersDialog::onExportLog()
{
    if (ExportLogCommand(m_quiz, m_prompts, this))
        disableLogButtons();
}

void QuizParametersDialog::setResultsViewer(ResultsViewer viewer)
{
    resultsViewer() = std::move(viewer);
}

void QuizParametersDialog::onViewResults()
{
    if (resultsViewer())
        resultsViewer()(m_quiz, m_prompts, this);
}

void QuizParametersDialog::onDeleteLog()
{
    if (DeleteLogCommand(m_quiz, m_prompts, this))
        disableLogButtons();
}

bool QuizParametersDialog::refuse(NumberField *field, std::uint32_t &value, std::uint32_t corrected,
                                  const QString &text, const QString &caption, unsigned flags)
{
    m_prompts.messageBox(this, text, caption, flags);
    value = corrected;
    WriteForm();
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return false;
}

bool QuizParametersDialog::checkOverallLimit()
{
    std::uint32_t &minutes = m_values.overallMinutes;
    if (!m_values.overallTimeLimitOn)
        return true;
    if (minutes == 0)
        return refuse(ui->overallTimeLimitField, minutes, 1,
                      tr("Time Limit cannot be less than one minute"), BRAINLOFT,
                      MB_OK | MB_ICONINFORMATION);
    if (minutes > 300)
        return refuse(ui->overallTimeLimitField, minutes, 300,
                      tr("Time limit cannot exceed 300 minutes."), BRAINLOFS,
                      MB_OK | MB_ICONINFORMATION);
    return true;
}

bool QuizParametersDialog::checkDefaults()
{
    QuizParameters &v = m_values;
    if (v.timeLimitOn) {
        if (v.timeLimit == 0)
            return refuse(ui->timeLimitField, v.timeLimit, 1,
                          tr("Default time limit cannot be less than one second"),
                          BRAINLOFT, MB_OK | MB_ICONINFORMATION);
        if (v.timeLimit > 300)
            return refuse(ui->timeLimitField, v.timeLimit, 300,
                          tr("Default time limit cannot exceed 300 seconds."),
                          BRAINLOFS, MB_OK | MB_ICONINFORMATION);
    }
    if (v.defaultScore == 0)
        return refuse(ui->scoreField, v.defaultScore, 1,
                      tr("Default score must be at least 1 point."), applicationName(),
                      MB_OK);
    if (v.defaultScore > 50)
        return refuse(ui->scoreField, v.defaultScore, 50,
                      tr("Default score cannot exceed 50 points."), applicationName(),
                      MB_OK);
    return true;
}

bool QuizParametersDialog::checkStorable(Storing storing)
{
    // The reduction values are taken as typed, unbounded by their arrows,
    // and the minutes are kept even while that limit is off: only the quiz
    // file's own limit applies to them.
    const QuizParameters &v = m_values;
    const bool reduction = storing == Storing::Defaults ? v.reduceOn : v.timeLimitOn && v.reduceOn;
    struct Number
    {
        bool stored;
        std::uint32_t value;
        NumberField *field;
    };
    for (const Number &number :
         {Number{storing == Storing::Parameters, v.overallMinutes, ui->overallTimeLimitField},
          Number{reduction, v.reduceBy, ui->reduceByField},
          Number{reduction, v.reduceEvery, ui->reduceEveryField}}) {
        if (number.stored && number.value > LARGEST_STORED_NUMBER) {
            m_prompts.messageBox(this, NumberTooLargeText(number.value), BRAINLOFT,
                                 MB_OK | MB_ICONINFORMATION);
            number.field->setFocus(Qt::OtherFocusReason);
            number.field->selectAll();
            return false;
        }
    }
    return true;
}

void QuizParametersDialog::onOk()
{
    if (!ReadForm() || !checkOverallLimit() || !checkDefaults() ||
        !checkStorable(Storing::Parameters))
        return;
    if (ParametersChangeQuiz(m_values, m_quiz))
        m_quiz.SetModifiedFlag(true);
    StoreQuizParameters(m_values, m_quiz);
    done(Ok);
}
