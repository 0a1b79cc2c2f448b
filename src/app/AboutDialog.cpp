// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/AboutDialog.h"
#include "ui_AboutDialog.h"

#include "ui/Icons.h"

AboutDialog::AboutDialog(QWidget *parent)
    : ModalDialog(parent)
    , ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("main-window"));
    ui->iconLabel->setPixmap(brainloftIcon().pixmap(48, 48));
    connect(ui->okButton, &QPushButton::clicked, this, &AboutDialog::accept);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

AboutDialog::~AboutDialog() = default;
