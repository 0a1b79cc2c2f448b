// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/ImportSummaryDialog.h"
#include "ui_ImportSummaryDialog.h"

ImportSummaryDialog::ImportSummaryDialog(const QString &fileName, const QStringList &lines,
                                         int count, bool flashCards, QWidget *parent)
    : ModalDialog(parent)
    , ui(std::make_unique<Ui::ImportSummaryDialog>())
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("import-export"));
    if (count == 0) {
        ui->headlineLabel->setText(tr("Nothing in %1 can be added to this quiz:").arg(fileName));
    } else if (flashCards) {
        ui->headlineLabel->setText(count == 1 ? tr("1 flash card of %1 can be added:").arg(fileName)
                                              : tr("%1 flash cards of %2 can be added:")
                                                    .arg(count)
                                                    .arg(fileName));
    } else {
        ui->headlineLabel->setText(count == 1 ? tr("1 question of %1 can be added:").arg(fileName)
                                              : tr("%1 questions of %2 can be added:")
                                                    .arg(count)
                                                    .arg(fileName));
    }
    ui->addButton->setText(count == 1 ? tr("&Add 1 question") : tr("&Add %1 questions").arg(count));
    ui->addButton->setEnabled(count > 0);
    if (count == 0) {
        ui->addButton->setDefault(false);
        ui->cancelButton->setDefault(true);
    }
    ui->summaryList->addItems(lines);
    if (!lines.isEmpty())
        ui->summaryList->setCurrentRow(0);
    connect(ui->addButton, &QPushButton::clicked, this, &ImportSummaryDialog::accept);
    connect(ui->cancelButton, &QPushButton::clicked, this, &ImportSummaryDialog::reject);
    connect(ui->helpButton, &QPushButton::clicked, this, &ImportSummaryDialog::showHelp);
    ui->summaryList->setFocus(Qt::OtherFocusReason);
}

ImportSummaryDialog::~ImportSummaryDialog() = default;
