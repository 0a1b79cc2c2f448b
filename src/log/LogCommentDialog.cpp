// SPDX-License-Identifier: GPL-3.0-or-later

#include "log/LogCommentDialog.h"
#include "ui_LogCommentDialog.h"

#include "ui/CodePage.h"
#include "ui/Prompts.h"

LogCommentDialog::LogCommentDialog(Prompts &prompts, QWidget *parent)
    : ModalDialog(parent)
    , ui(std::make_unique<Ui::LogCommentDialog>())
    , m_prompts(prompts)
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("log-comment"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(ui->okButton, &QPushButton::clicked, this, &LogCommentDialog::accept);
    connect(ui->cancelButton, &QPushButton::clicked, this, &LogCommentDialog::reject);

    ui->commentEdit->setMaxLength(MAX_COMMENT_LENGTH);
    ui->commentEdit->setText(CodePage::toUnicode(m_comment));
    ui->commentEdit->selectAll();
    ui->commentEdit->setFocus();
}

LogCommentDialog::~LogCommentDialog() = default;

void LogCommentDialog::onOk()
{
    QString text = ui->commentEdit->text();
    if (text.isEmpty())
        text = QStringLiteral("No comment"); // written to the log: never translated
    const std::optional<std::string> bytes = CodePage::fromUnicode(text);
    if (!bytes) {
        m_prompts.messageBox(this,
                             tr("The log cannot store these characters: %1\n"
                                "Please leave them out of your comment.")
                                 .arg(CodePage::unrepresentable(text)),
                             QStringLiteral("Brainloft"), MB_OK | MB_ICONEXCLAMATION);
        ui->commentEdit->setFocus();
        return;
    }
    m_comment = *bytes;
    done(Ok);
}
