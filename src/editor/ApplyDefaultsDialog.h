// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/QuizParameters.h"
#include "ui/ModalDialog.h"

#include <memory>

class Prompts;
namespace Ui {
class ApplyDefaultsDialog;
}

// Asks which of the default score, time limit and score reduction are to be
// copied into every question. It only collects the choice, every box
// checked at first; the parameters dialog applies it with the defaults it
// shows (ApplyDefaultsToQuestions).
class ApplyDefaultsDialog : public ModalDialog
{
    Q_OBJECT

public:
    explicit ApplyDefaultsDialog(Prompts &prompts, QWidget *parent = nullptr);
    ~ApplyDefaultsDialog() override;

    // The boxes as OK read them.
    [[nodiscard]] DefaultsChoice choice() const { return m_choice; }

protected:
    // Refuses to close while no box is checked.
    void onOk() override;

private:
    std::unique_ptr<Ui::ApplyDefaultsDialog> ui;
    Prompts &m_prompts;
    DefaultsChoice m_choice;
};
