// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/AboutDialog.h"
#include "editor/PasswordDialog.h"
#include "editor/QuizEditorDialog.h"
#include "editor/QuizParametersDialog.h"
#include "log/LogCommands.h"
#include "model/Quiz.h"
#include "taking/DialogScreen.h"
#include "taking/FlashCardDialog.h"
#include "taking/QuestionDialog.h"
#include "taking/QuizRunner.h"
#include "ui/FontConversion.h"
#include "ui/HelpWindow.h"
#include "ui/Icons.h"
#include "ui/Prompts.h"
#include "ui/QuizEvents.h"
#include "ui/QuizFiles.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLayout>
#include <QTimer>

namespace {

const QString BRAINLOFT = QStringLiteral("Brainloft");

} // namespace

MainWindow::MainWindow(Quiz &quiz, Prompts &prompts, StartOptions start, QWidget *parent)
    : ModalDialog(parent)
    , ui(std::make_unique<Ui::MainWindow>())
    , m_quiz(quiz)
    , m_prompts(prompts)
    , m_start(std::move(start))
    , m_clock(new QTimer(this))
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("main-window"));
    setWindowIcon(brainloftIcon());
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    layout()->setSizeConstraint(QLayout::SetMinimumSize);

    connect(ui->createButton, &QPushButton::clicked, this, &MainWindow::createQuiz);
    connect(ui->loadButton, &QPushButton::clicked, this, &MainWindow::loadQuiz);
    connect(ui->takeButton, &QPushButton::clicked, this, &MainWindow::takeQuiz);
    connect(ui->editButton, &QPushButton::clicked, this, &MainWindow::editQuiz);
    connect(ui->aboutButton, &QPushButton::clicked, this, &MainWindow::showAbout);
    connect(ui->exitButton, &QPushButton::clicked, this, &MainWindow::accept);
    connect(ui->helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);

    m_clock->setTimerType(Qt::PreciseTimer);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::clockTick);

    // The first tab stop starts with the focus, and the focused button takes
    // Enter (every button is an auto-default one); Exit is the default only
    // while no other button has the focus. Without this, the dialog would
    // hand the first focus to its default button, and Enter would quit.
    ui->createButton->setFocus(Qt::OtherFocusReason);

    RefreshCaption();
    // Until a custom font is chosen, the quiz's font is the window's own.
    if (!m_quiz.useCustomFont)
        m_quiz.font = logFontFromFont(font());
    if (!m_start.startFile.isEmpty())
        QCoreApplication::postEvent(this, new QEvent(QuizAutorunEvent));
}

MainWindow::~MainWindow()
{
    if (HelpWindow *help = HelpWindow::instance())
        help->close();
}

void MainWindow::RefreshCaption()
{
    const QString name = captionFileName(m_quiz.pathName);
    setWindowTitle(name.isEmpty() ? tr("Brainloft - <New Quiz>") : tr("Brainloft - %1").arg(name));
    fitCaption();
}

void MainWindow::fitCaption()
{
    // The window is narrow and of fixed size; widen it so that the title bar
    // can show the quiz's name instead of eliding it. The bar also holds the
    // window's buttons, and title fonts are often bold: bold faces run up to
    // about a seventh wider than their regular ones, so a fifth is added to
    // the width in the window's own font. (Measuring in a bold font instead
    // would load a second font face, a good part of the start-up time.)
    const QFontMetrics metrics(font());
    const int wanted = metrics.horizontalAdvance(windowTitle()) * 6 / 5 + 10 * metrics.height();
    const QSize least = layout()->totalMinimumSize();
    setFixedSize(qBound(least.width(), wanted, 4 * least.width()), least.height());
}

void MainWindow::updateControls()
{
    ui->takeButton->setEnabled(m_quiz.questionCount() != 0);
    ui->editButton->setEnabled(m_editEnabled);
}

bool MainWindow::LoadQuizFile(const QString &path)
{
    if (!::LoadQuizFile(m_quiz, m_prompts, path, this))
        return false;
    m_editEnabled = true;
    updateControls();
    RefreshCaption();
    return true;
}

void MainWindow::createQuiz()
{
    if (!ConfirmSaveChanges(m_quiz, m_prompts, this))
        return;
    m_quiz.ClearQuiz();
    if (runPasswordDialog(1) == Ok && runParametersDialog(true) == Ok) {
        runQuizEditor();
        RefreshCaption();
    }
    m_editEnabled = !m_quiz.password.empty();
    updateControls();
}

void MainWindow::loadQuiz()
{
    if (!ConfirmSaveChanges(m_quiz, m_prompts, this))
        return;
    m_editEnabled = false;
    updateControls();
    m_quiz.ClearQuiz();

    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.defaultSuffix = QStringLiteral("blz");
    //: A file dialog filter: the name shown, then |*.blz|| as it is.
    request.filter = tr("Brainloft Files (*.blz)|*.blz||");
    request.pathMustExist = true;
    if (const auto path = m_prompts.fileDialog(this, request))
        LoadQuizFile(*path);

    m_editEnabled = !m_quiz.password.empty();
    updateControls();
}

void MainWindow::takeQuiz()
{
    RunQuiz();
}

void MainWindow::editQuiz()
{
    switch (runPasswordDialog(0)) {
    case Ok:
        runQuizEditor();
        updateControls();
        RefreshCaption();
        break;
    case 3:
        m_prompts.messageBox(this, tr("Access Denied!"), BRAINLOFT, MB_ICONHAND);
        break;
    default:
        break;
    }
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void MainWindow::RunQuiz()
{
    if (m_runner)
        return;
    QuizRunner::Hooks hooks;
    hooks.makeScreen = [this](bool flashCards) -> std::unique_ptr<QuizScreen> {
        if (flashCards)
            return std::make_unique<DialogScreen<FlashCardDialog>>(m_quiz, m_prompts);
        return std::make_unique<DialogScreen<QuestionDialog>>(m_quiz, m_prompts);
    };
    hooks.startClock = [this](int firstTickMs) {
        if (m_runTime.manualTicks)
            return true;
        m_clock->start(firstTickMs); // then every second, from clockTick()
        return m_clock->isActive();
    };
    hooks.stopClock = [this] { m_clock->stop(); };
    hooks.offerLogEntry = [this](const QuizRunner::LogConfirmed &confirmed) {
        OfferLogEntry(confirmed);
    };
    hooks.finishLogEntry = [this](const std::string &comment, std::uint64_t logSize) {
        FinishLogEntry(m_quiz, comment, logSize);
    };
    // A quiz that has no file yet has no journal: there is nothing to find
    // it by at the next start.
    if (!m_quiz.pathName.empty())
        hooks.journal.emplace(m_quiz.pathName);
    hooks.wallClock = m_runTime.wallClock;
    QuizRunner runner(m_quiz, m_prompts, this, std::move(hooks));
    m_runner = &runner;
    runner.run();
    m_runner = nullptr;
}

void MainWindow::clockTick()
{
    // A resumed run's first tick may come early, to keep the seconds' phase.
    if (m_clock->isActive() && m_clock->interval() != 1000)
        m_clock->setInterval(1000);
    if (m_runner)
        m_runner->tick();
}

void MainWindow::OfferLogEntry(
    const std::function<void(const std::string &comment, std::uint64_t logSize)> &confirmed)
{
    ::OfferLogEntry(m_quiz, m_prompts, this, confirmed);
}

int MainWindow::runPasswordDialog(int mode)
{
    PasswordDialog dialog(m_quiz, m_prompts, mode, &m_wrongPasswords, this);
    return dialog.exec();
}

int MainWindow::runParametersDialog(bool allowTypeChange)
{
    QuizParametersDialog dialog(m_quiz, m_prompts, allowTypeChange, this);
    return dialog.exec();
}

void MainWindow::runQuizEditor()
{
    // Whatever the editor ends with, the caller refreshes from the quiz.
    QuizEditorDialog editor(m_quiz, m_prompts, this);
    editor.exec();
}

bool MainWindow::confirmClose()
{
    return ConfirmSaveChanges(m_quiz, m_prompts, this);
}

void MainWindow::onOk()
{
    if (confirmClose())
        done(Ok);
}

void MainWindow::onCancel()
{
    // Escape must not end the program.
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (confirmClose()) {
        event->accept();
        done(Ok);
    } else {
        event->ignore();
    }
}

void MainWindow::customEvent(QEvent *event)
{
    if (event->type() == QuizAutorunEvent) {
        openStartFile();
        return;
    }
    ModalDialog::customEvent(event);
}

void MainWindow::openStartFile()
{
    if (LoadQuizFile(m_start.startFile)) {
        if (m_start.editOnStart)
            editQuiz();
        else if (m_quiz.questionCount() >= 1)
            RunQuiz();
    }
    if (!m_start.editOnStart)
        done(Ok);
}
