// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/QuestionEditorBase.h"

#include "editor/BitmapFiles.h"
#include "editor/FormText.h"
#include "editor/NumberField.h"
#include "model/Quiz.h"
#include "taking/ImageFiles.h"
#include "ui/CodePage.h"
#include "ui/FontConversion.h"
#include "ui/Prompts.h"
#include "ui/QuizFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <new>

namespace {

const QString BRAINLOFT = QStringLiteral("Brainloft");

// Text the validation has found storable, as code-page bytes.
std::string stored(const QString &text)
{
    return CodePage::fromUnicode(text).value_or(std::string());
}

bool differs(const QString &shown, const std::string &kept)
{
    const auto bytes = CodePage::fromUnicode(shown);
    return !bytes || *bytes != kept;
}

} // namespace

QuestionEditorBase::QuestionEditorBase(Quiz &quiz, Prompts &prompts, Mode mode, unsigned number,
                                       CQuestion *question, Words words, QWidget *parent)
    : ModalDialog(parent)
    , m_quiz(quiz)
    , m_prompts(prompts)
    , m_mode(mode)
    , m_number(number)
    , m_words(std::move(words))
    , m_question(mode == Mode::Edit ? question : nullptr)
{}

QuestionEditorBase::~QuestionEditorBase() = default;

int QuestionEditorBase::exec()
{
    if (m_allocationFailed)
        return Cancel;
    return ModalDialog::exec();
}

std::unique_ptr<CQuestion> QuestionEditorBase::takeQuestion()
{
    if (!m_accepted)
        return nullptr;
    return std::move(m_owned);
}

void QuestionEditorBase::openForm(const Controls &controls)
{
    m_controls = controls;
    const Controls &c = m_controls;

    c.score->setRange(1, 50);
    c.timeLimit->setRange(1, 300);
    c.reduceBy->setRange(1, 10);
    c.reduceEvery->setRange(1, 300);

    if (m_mode == Mode::Edit) {
        setWindowTitle(m_words.editing.arg(m_number));
    } else {
        setWindowTitle(m_words.adding.arg(m_number));
        m_owned.reset(new (std::nothrow) CQuestion);
        if (!m_owned) {
            m_prompts.messageBox(nullptr, tr("CQuestion allocation failed"), tr("QEdit error"),
                                 MB_OK | MB_ICONINFORMATION);
            m_allocationFailed = true;
            done(Cancel);
            return;
        }
        m_question = m_owned.get();
        m_question->score = m_quiz.defaultScore;
        m_question->timeLimit = m_quiz.defaultTimeLimit;
        m_question->reduceEvery = m_quiz.defaultReduceEvery;
        m_question->reduceBy = m_quiz.defaultReduceBy;
        m_question->SetCustomFont(m_quiz.useCustomFont ? &m_quiz.font : nullptr);
        c.ok->setText(m_words.add);
        c.ok->setEnabled(false);
        c.cancel->setText(tr("Done"));
    }

    Q_ASSERT(m_question); // edit mode needs the question to edit
    // The form starts as a copy of the question (a new one is blank but for
    // the quiz's defaults).
    const CQuestion &question = *m_question;
    m_form.text = CodePage::toUnicode(question.text);
    m_form.imageFile = CodePage::toUnicode(question.imageFile);
    m_form.imageOn = !question.imageFile.empty();
    m_form.useCustomFont = question.useCustomFont != 0;
    m_form.font = question.font ? *question.font : logFontFromFont(font());
    m_form.timeLimitOn = question.timeLimit != 0;
    m_form.timeLimit = m_form.timeLimitOn ? std::uint32_t(question.timeLimit) : 1;
    m_form.reduceOn = question.reduceEvery != 0;
    m_form.reduceEvery = m_form.reduceOn ? std::uint32_t(question.reduceEvery) : 1;
    m_form.reduceBy = m_form.reduceOn ? std::uint32_t(question.reduceBy) : 1;
    m_form.score = std::uint32_t(question.score);
    loadSpecific(question);

    connect(c.ok, &QPushButton::clicked, this, &QuestionEditorBase::accept);
    connect(c.cancel, &QPushButton::clicked, this, &QuestionEditorBase::reject);
    connect(c.preview, &QPushButton::clicked, this, &QuestionEditorBase::Preview);
    connect(c.image, &QCheckBox::clicked, this, &QuestionEditorBase::onImageClicked);
    connect(c.browse, &QPushButton::clicked, this, &QuestionEditorBase::onBrowse);
    connect(c.timeLimitOn, &QCheckBox::clicked, this, &QuestionEditorBase::UpdateTimingControls);
    connect(c.reduceOn, &QCheckBox::clicked, this, &QuestionEditorBase::UpdateTimingControls);
    connect(c.useCustomFont, &QCheckBox::clicked, this,
            &QuestionEditorBase::onUseCustomFontClicked);
    connect(c.changeFont, &QPushButton::clicked, this, &QuestionEditorBase::ChooseQuestionFont);
    const auto textChanged = [this] {
        if (!m_writing)
            UpdateOkButton();
    };
    connect(c.text, &QLineEdit::textChanged, this, textChanged);
    connect(c.imageFile, &QLineEdit::textChanged, this, textChanged);

    c.changeFont->setEnabled(m_form.useCustomFont);
    updateImageControls();
    WriteForm();
    UpdateTimingControls();
    c.text->setFocus(Qt::OtherFocusReason);
}

void QuestionEditorBase::setLimitedText(QLineEdit *edit, const QString &text, int typingLimit)
{
    // QLineEdit cuts what it is given to its maximum length, and a lower
    // maximum cuts the text it holds: raise the maximum first, lower it
    // only once the new text is in.
    const int length = std::max(typingLimit, int(text.size()));
    if (length > edit->maxLength())
        edit->setMaxLength(length);
    edit->setText(text);
    edit->setMaxLength(length);
}

void QuestionEditorBase::writeCommon()
{
    const Controls &c = m_controls;
    c.image->setChecked(m_form.imageOn);
    setLimitedText(c.text, m_form.text, QUESTION_TEXT_LIMIT);
    c.score->setValue(m_form.score);
    c.timeLimit->setValue(m_form.timeLimit);
    c.reduceEvery->setValue(m_form.reduceEvery);
    c.reduceBy->setValue(m_form.reduceBy);
    c.timeLimitOn->setChecked(m_form.timeLimitOn);
    c.reduceOn->setChecked(m_form.reduceOn);
    c.imageFile->setText(m_form.imageFile);
    c.useCustomFont->setChecked(m_form.useCustomFont);
}

void QuestionEditorBase::UpdateTimingControls()
{
    ReadForm();
    const Controls &c = m_controls;
    c.timeLimit->setEnabled(m_form.timeLimitOn);
    c.reduceOn->setEnabled(m_form.timeLimitOn);
    const bool reducing = m_form.timeLimitOn && m_form.reduceOn;
    c.reduceBy->setEnabled(reducing);
    c.reduceEvery->setEnabled(reducing);
}

void QuestionEditorBase::UpdateOkButton()
{
    if (m_mode != Mode::Add)
        return;
    ReadForm();
    // Blanks alone count as text here; the validation trims.
    m_controls.ok->setEnabled(!m_form.text.isEmpty() ||
                              (m_form.imageOn && !m_form.imageFile.isEmpty()));
}

void QuestionEditorBase::updateImageControls()
{
    m_controls.imageFile->setEnabled(m_form.imageOn);
    m_controls.browse->setEnabled(m_form.imageOn);
}

void QuestionEditorBase::onImageClicked()
{
    ReadForm();
    updateImageControls();
    if (m_form.imageOn)
        m_controls.imageFile->setFocus(Qt::OtherFocusReason);
    UpdateOkButton();
}

void QuestionEditorBase::onBrowse()
{
    // The file dialog may leave another working directory behind, and the
    // current one is where pictures are looked for by their bare names.
    const QString workingDirectory = QDir::currentPath();
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.defaultSuffix = QStringLiteral("bmp");
    //: A file dialog filter: the name shown, then |*.bmp|| as it is.
    request.filter = tr("Windows Bitmaps (*.bmp)|*.bmp||");
    request.fileMustExist = true;
    request.pathMustExist = true;
    if (const auto path = m_prompts.fileDialog(this, request)) {
        m_controls.imageFile->setText(QDir::toNativeSeparators(*path));
    } else {
        ReadForm();
        if (m_form.imageFile.isEmpty()) {
            m_form.imageOn = false;
            updateImageControls();
            m_controls.image->setChecked(false);
        }
    }
    QDir::setCurrent(workingDirectory);
}

void QuestionEditorBase::onUseCustomFontClicked()
{
    ReadForm();
    if (m_form.useCustomFont && !ChooseQuestionFont()) {
        m_form.useCustomFont = false;
        WriteForm();
    }
    m_controls.changeFont->setEnabled(m_form.useCustomFont);
}

bool QuestionEditorBase::ChooseQuestionFont()
{
    const auto chosen = m_prompts.chooseFont(this, fontFromLogFont(m_form.font));
    if (!chosen)
        return false;
    m_form.font = logFontFromFont(*chosen);
    return true;
}

void QuestionEditorBase::tell(const QString &text)
{
    m_prompts.messageBox(this, text, BRAINLOFT, MB_OK | MB_ICONINFORMATION);
}

bool QuestionEditorBase::checkStorableText(const QString &text, QWidget *field,
                                           const QString &message)
{
    const QString characters = UnstorableCharacters(text);
    if (characters.isEmpty())
        return true;
    tell(message.arg(characters));
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

bool QuestionEditorBase::checkStorableCommon()
{
    const Controls &c = m_controls;
    if (m_form.imageOn &&
        !checkStorableText(m_form.imageFile, c.imageFile,
                           tr("The image file path contains characters that a quiz file cannot "
                              "store:\n%1\nPlease replace or remove them.")))
        return false;
    // Only the numbers that OK stores are looked at.
    struct Number
    {
        bool stored;
        std::uint32_t value;
        NumberField *field;
    };
    const bool reducing = m_form.timeLimitOn && m_form.reduceOn;
    for (const Number &number : {Number{true, m_form.score, c.score},
                                 Number{m_form.timeLimitOn, m_form.timeLimit, c.timeLimit},
                                 Number{reducing, m_form.reduceBy, c.reduceBy},
                                 Number{reducing, m_form.reduceEvery, c.reduceEvery}}) {
        if (number.stored && number.value > LARGEST_STORED_NUMBER) {
            tell(NumberTooLargeText(number.value));
            number.field->setFocus(Qt::OtherFocusReason);
            number.field->selectAll();
            return false;
        }
    }
    return true;
}

bool QuestionEditorBase::checkPicture()
{
    QString found;
    if (!LocateImageFile(m_form.imageFile, found, quizFolderOf(pathToQString(m_quiz.pathName)))) {
        tell(tr("Bitmap file does not exist, either in\nthe specified directory or "
                "the current working directory."));
        return false;
    }
    if (!IsValidBitmapFile(found)) {
        tell(tr("%1 is not a valid Windows bitmap.").arg(found));
        return false;
    }
    return true;
}

bool QuestionEditorBase::HasChanges() const
{
    const CQuestion &q = target();
    const Form &f = m_form;
    if (differs(f.text, q.text))
        return true;
    if (f.imageOn != !q.imageFile.empty() || (f.imageOn && differs(f.imageFile, q.imageFile)))
        return true;
    // Numbers compare as the form holds them: a stored -1 shows as 4294967295.
    if (f.score != std::uint32_t(q.score))
        return true;
    if (f.timeLimitOn != (q.timeLimit != 0) ||
        (f.timeLimitOn && f.timeLimit != std::uint32_t(q.timeLimit)))
        return true;
    if (f.reduceOn != (q.reduceEvery != 0) ||
        (f.reduceOn && (f.reduceBy != std::uint32_t(q.reduceBy) ||
                        f.reduceEvery != std::uint32_t(q.reduceEvery))))
        return true;
    if (f.useCustomFont != (q.useCustomFont != 0) ||
        (f.useCustomFont && (!q.font || *q.font != f.font)))
        return true;
    return specificChanges(q);
}

void QuestionEditorBase::storeInto(CQuestion &question) const
{
    const Form &f = m_form;
    question.text = stored(f.text);
    question.score = std::int32_t(f.score);
    question.timeLimit = f.timeLimitOn ? std::int32_t(f.timeLimit) : 0;
    const bool reducing = f.timeLimitOn && f.reduceOn;
    question.reduceBy = reducing ? std::int32_t(f.reduceBy) : 0;
    question.reduceEvery = reducing ? std::int32_t(f.reduceEvery) : 0;
    question.imageFile = f.imageOn ? stored(f.imageFile) : std::string();
    question.SetCustomFont(f.useCustomFont ? &f.font : nullptr);
    storeSpecific(question);
}

void QuestionEditorBase::onOk()
{
    if (!ValidateForm())
        return;
    if (HasChanges())
        m_quiz.SetModifiedFlag(true);
    storeInto(*m_question);
    m_accepted = true;
    done(Ok);
}

void QuestionEditorBase::onCancel()
{
    if (m_mode == Mode::Add) {
        ReadForm();
        if (HasChanges() && m_prompts.messageBox(this, m_words.quitAdding, BRAINLOFT,
                                                 MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        // The new question goes with the dialog; takeQuestion() hands out
        // nothing after Cancel.
    }
    done(Cancel);
}

void QuestionEditorBase::Preview()
{
    auto temporary = std::make_unique<CQuestion>();
    if (!ValidateForm())
        return;
    // The screen counts one question's worth and the quiz's whole time.
    m_quiz.possiblePoints = 0;
    m_quiz.earnedPoints = 0;
    m_quiz.quizSecondsLeft = std::int32_t(
        std::min<std::int64_t>(std::int64_t(m_quiz.overallTimeLimit) * 60, LARGEST_STORED_NUMBER));
    storeInto(*temporary);
    if (m_previewScreen)
        m_previewScreen(*temporary, m_number);
}
