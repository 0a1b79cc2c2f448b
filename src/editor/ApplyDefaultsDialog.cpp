// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/ApplyDefaultsDialog.h"
#include "ui_ApplyDefaultsDialog.h"

#include "ui/Prompts.h"

ApplyDefaultsDialog::ApplyDefaultsDialog(Prompts &prompts, QWidget *parent)
    : ModalDialog(parent)
    , ui(std::make_unique<Ui::ApplyDefaultsDialog>())
    , m_prompts(prompts)
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("apply-defaults"));
    connect(ui->okButton, &QPushButton::clicked, this, &ApplyDefaultsDialog::accept);
    connect(ui->cancelButton, &QPushButton::clicked, this, &ApplyDefaultsDialog::reject);
    ui->scoreCheckBox->setChecked(m_choice.score);
    ui->timeLimitCheckBox->setChecked(m_choice.timeLimit);
    ui->reduceCheckBox->setChecked(m_choice.reduce);
    ui->scoreCheckBox->setFocus(Qt::OtherFocusReason);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

ApplyDefaultsDialog::~ApplyDefaultsDialog() = default;

void ApplyDefaultsDialog::onOk()
{
    m_choice.score = ui->scoreCheckBox->isChecked();
    m_choice.timeLimit = ui->timeLimitCheckBox->isChecked();
    m_choice.reduce = ui->reduceCheckBox->isChecked();
    if (!m_choice.score && !m_choice.timeLimit && !m_choice.reduce) {
        m_prompts.messageBox(this, tr("You must choose at least one settting to apply!"),
                             QStringLiteral("Brainloft"), MB_OK | MB_ICONINFORMATION);
        return;
    }
    done(Ok);
}
