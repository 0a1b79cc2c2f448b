// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ModalDialog.h"

#include <memory>

class Prompts;
class Quiz;
namespace Ui {
class PasswordDialog;
}

// All password handling of the quiz, in three modes:
//   0 "Enter Password": checks the password before the quiz editor opens;
//   1 "Choose Password": sets the password of a new quiz;
//   2 "Change Password": checks the old password and sets a new one.
// Passwords are compared exactly, after blanks at both ends are trimmed.
//
// Mode 0 counts wrong entries in a counter that the opener keeps for the
// whole run of the program; once it has reached three, every wrong entry
// ends the dialog with WrongTooOften. The other modes do not count.
class PasswordDialog : public ModalDialog
{
    Q_OBJECT

public:
    enum { WrongTooOften = 3 };

    // `wrongEntries` is the program's count for mode 0; without one, the
    // dialog counts on its own.
    PasswordDialog(Quiz &quiz, Prompts &prompts, int mode, unsigned *wrongEntries = nullptr,
                   QWidget *parent = nullptr);
    ~PasswordDialog() override;

    [[nodiscard]] int mode() const { return m_mode; }

protected:
    void onOk() override;

private:
    // False (after saying why) when the new password cannot be stored.
    bool checkNewPassword();

    std::unique_ptr<Ui::PasswordDialog> ui;
    Quiz &m_quiz;
    Prompts &m_prompts;
    const int m_mode;
    unsigned m_ownCount = 0;
    unsigned &m_wrongEntries;
};
