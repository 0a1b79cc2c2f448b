// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ModalDialog.h"

#include "ui/HelpWindow.h"

#include <QKeySequence>
#include <QShortcut>

ModalDialog::ModalDialog(QWidget *parent)
    : QDialog(parent)
{
    // Without a context-help button in the title bar; F1 is the way in.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &ModalDialog::showHelp);
}

void ModalDialog::accept()
{
    onOk();
}

void ModalDialog::reject()
{
    onCancel();
}

void ModalDialog::showHelp()
{
    HelpWindow::showTopic(this, m_helpTopic);
}
