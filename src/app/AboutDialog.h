// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ModalDialog.h"

#include <memory>

namespace Ui {
class AboutDialog;
}

class AboutDialog : public ModalDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

private:
    std::unique_ptr<Ui::AboutDialog> ui;
};
