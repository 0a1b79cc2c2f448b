// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/PrintQuizDialog.h"
#include "ui_PrintQuizDialog.h"

#include "model/Quiz.h"
#include "print/PrintLayout.h"
#include "taking/ImageFiles.h"
#include "ui/Prompts.h"
#include "ui/QuizFiles.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString BRAINLOFT = QStringLiteral("Brainloft");

bool askWithPrintDialog(QPrinter &printer, QWidget *owner)
{
    QPrintDialog dialog(&printer, owner);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setMinMax(1, 9999);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PrintQuizDialog::PrintQuizDialog(const Quiz &quiz, Prompts &prompts, QWidget *parent)
    : ModalDialog(parent)
    , ui(std::make_unique<Ui::PrintQuizDialog>())
    , m_quiz(quiz)
    , m_prompts(prompts)
    , m_choosePrinter(askWithPrintDialog)
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("print-quiz"));
    if (m_quiz.quizType != 0)
        ui->examPaperCheckBox->setText(tr("&Flash-card sheets"));
    connect(ui->examPaperCheckBox, &QCheckBox::toggled, this, &PrintQuizDialog::UpdateControls);
    connect(ui->answerKeyCheckBox, &QCheckBox::toggled, this, &PrintQuizDialog::UpdateControls);
    connect(ui->versionsSpinBox, &QSpinBox::valueChanged, this, &PrintQuizDialog::UpdateControls);
    connect(ui->previewButton, &QPushButton::clicked, this, &PrintQuizDialog::Preview);
    connect(ui->printButton, &QPushButton::clicked, this, &PrintQuizDialog::Print);
    connect(ui->savePdfButton, &QPushButton::clicked, this, &PrintQuizDialog::SaveAsPdf);
    connect(ui->helpButton, &QPushButton::clicked, this, &PrintQuizDialog::showHelp);
    connect(ui->closeButton, &QPushButton::clicked, this, &PrintQuizDialog::reject);
    UpdateControls();
    ui->examPaperCheckBox->setFocus(Qt::OtherFocusReason);
}

PrintQuizDialog::~PrintQuizDialog() = default;

PrintRequest PrintQuizDialog::request() const
{
    PrintRequest request;
    request.paper = ui->examPaperCheckBox->isChecked();
    request.key = ui->answerKeyCheckBox->isChecked();
    request.versions = ui->versionsSpinBox->value();
    return request;
}

QPrinter &PrintQuizDialog::printer()
{
    // Made when first needed: finding the printers can take a moment.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer of its own to say otherwise, the paper is the
        // locale's.
        if (QPrinterInfo::availablePrinters().isEmpty())
            m_printer->setPageSize(DefaultPageSize());
        m_printer->setPageOrientation(QPageLayout::Portrait);
        m_printer->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        m_printer->setDocName(QuizTitle(m_quiz));
        m_printer->setCreator(BRAINLOFT);
    }
    return *m_printer;
}

void PrintQuizDialog::UpdateControls()
{
    const PrintRequest wanted = request();
    const int versions = wanted.versions;
    ui->versionLettersLabel->setText(
        versions == 1 ? QString(VersionLetter(0))
                      : tr("%1 to %2").arg(VersionLetter(0), VersionLetter(versions - 1)));
    ui->sameVersionsLabel->setVisible(versions > 1 && !VersionsDiffer(m_quiz));
    const bool something = (wanted.paper || wanted.key) && m_quiz.questionCount() > 0;
    ui->previewButton->setEnabled(something);
    ui->printButton->setEnabled(something);
    ui->savePdfButton->setEnabled(something);
}

void PrintQuizDialog::reportNotes(const PrintOutcome &outcome)
{
    if (outcome.notes.isEmpty())
        return;
    m_prompts.messageBox(this,
                         tr("These pictures could not be printed; a note stands in their "
                            "place:\n%1")
                             .arg(outcome.notes.join(QLatin1Char('\n'))),
                         BRAINLOFT, MB_OK | MB_ICONINFORMATION);
}

void PrintQuizDialog::Preview()
{
    if (!ui->previewButton->isEnabled())
        return;
    QPrintPreviewDialog preview(&printer(), this);
    preview.setWindowTitle(tr("Print Preview"));
    PrintOutcome failure;
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter *target) {
        // The preview's own Print button prints to the real printer through
        // here as well, with the pages the printer dialog chose.
        PrintRequest wanted = request();
        if (target->printRange() == QPrinter::PageRange) {
            wanted.fromPage = target->fromPage();
            wanted.toPage = target->toPage();
        }
        const PrintOutcome outcome = PrintQuiz(m_quiz, wanted, *target);
        if (!outcome.ok)
            failure = outcome;
    });
    preview.resize(preview.sizeHint().expandedTo(QSize(800, 640)));
    preview.exec();
    if (!failure.error.isEmpty())
        m_prompts.messageBox(this, tr("The quiz could not be printed:\n%1").arg(failure.error),
                             BRAINLOFT, MB_OK | MB_ICONEXCLAMATION);
}

void PrintQuizDialog::Print()
{
    if (!ui->printButton->isEnabled())
        return;
    QPrinter &target = printer();
    if (!m_choosePrinter(target, this))
        return;
    PrintRequest wanted = request();
    if (target.printRange() == QPrinter::PageRange) {
        wanted.fromPage = target.fromPage();
        wanted.toPage = target.toPage();
    }
    PrintOutcome outcome = PrintQuiz(m_quiz, wanted, target);
    // The next preview shows every page again.
    target.setPrintRange(QPrinter::AllPages);
    if (outcome.ok && target.printerState() == QPrinter::Error) {
        outcome.ok = false;
        outcome.error = tr("The printer reported an error.");
    }
    if (!outcome.ok) {
        const QString where = !target.outputFileName().isEmpty() ? target.outputFileName()
                              : !target.printerName().isEmpty()  ? target.printerName()
                                                                 : tr("the printer");
        m_prompts.messageBox(
            this, tr("The quiz could not be printed on %1:\n%2").arg(where, outcome.error),
            BRAINLOFT, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    reportNotes(outcome);
}

QString PrintQuizDialog::suggestedPdfName() const
{
    const PrintRequest wanted = request();
    QString name = QuizTitle(m_quiz);
    if (!wanted.paper)
        name += tr("-key");
    name += QStringLiteral(".pdf");
    const QString folder = quizFolderOf(pathToQString(m_quiz.pathName));
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

void PrintQuizDialog::SaveAsPdf()
{
    if (!ui->savePdfButton->isEnabled())
        return;
    FileDialogRequest ask;
    ask.mode = FileDialogRequest::Mode::Save;
    ask.title = tr("Save as PDF");
    ask.defaultSuffix = QStringLiteral("pdf");
    ask.initialName = suggestedPdfName();
    ask.filter = tr("PDF files (*.pdf)|*.pdf|All files (*.*)|*.*||");
    ask.overwritePrompt = true;
    ask.pathMustExist = true;
    const std::optional<QString> path = m_prompts.fileDialog(this, ask);
    if (!path)
        return;
    // The paper chosen for the printer, if one has been set up.
    const QPageSize size = m_printer ? m_printer->pageLayout().pageSize() : DefaultPageSize();
    const PrintOutcome outcome = WriteQuizPdf(m_quiz, request(), *path, size);
    if (!outcome.ok) {
        m_prompts.messageBox(this, tr("Could not write\n%1\n%2").arg(*path, outcome.error),
                             BRAINLOFT, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    reportNotes(outcome);
}
