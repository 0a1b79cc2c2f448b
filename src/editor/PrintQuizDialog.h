// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/QuizPrint.h"
#include "ui/ModalDialog.h"

#include <functional>
#include <memory>

class Prompts;
class QPrinter;
class Quiz;
namespace Ui {
class PrintQuizDialog;
}

// "Print Quiz": the exam paper (or flash-card sheets), the answer key or
// both, in 1 to 26 versions, shown in a preview, sent to a printer or saved
// as a PDF. It reads the quiz and changes nothing in it. The printer, with
// the page size and settings chosen for it, lives as long as the window.
class PrintQuizDialog : public ModalDialog
{
    Q_OBJECT

public:
    PrintQuizDialog(const Quiz &quiz, Prompts &prompts, QWidget *parent = nullptr);
    ~PrintQuizDialog() override;

    // Asks where and how to print (the printer dialog); false when the user
    // cancels. Tests answer it.
    using PrinterChooser = std::function<bool(QPrinter &printer, QWidget *owner)>;
    void setPrinterChooser(PrinterChooser choose) { m_choosePrinter = std::move(choose); }

    // What the controls ask for.
    [[nodiscard]] PrintRequest request() const;
    [[nodiscard]] QPrinter &printer();

    // The window's commands, as its buttons run them.
    void Preview();
    void Print();
    void SaveAsPdf();
    void UpdateControls();

private:
    // Tells about pictures that could not be printed.
    void reportNotes(const PrintOutcome &outcome);
    [[nodiscard]] QString suggestedPdfName() const;

    std::unique_ptr<Ui::PrintQuizDialog> ui;
    const Quiz &m_quiz;
    Prompts &m_prompts;
    std::unique_ptr<QPrinter> m_printer;
    PrinterChooser m_choosePrinter;
};
