// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/PasswordDialog.h"
#include "ui_PasswordDialog.h"

#include "editor/FormText.h"
#include "model/Quiz.h"
#include "ui/CodePage.h"
#include "ui/DialogUnits.h"
#include "ui/Prompts.h"

namespace {

const QString BRAINLOFT = QStringLiteral("Brainloft");
QString errorCaption()
{
    return QCoreApplication::translate("PasswordDialog", "Error");
}

} // namespace

PasswordDialog::PasswordDialog(Quiz &quiz, Prompts &prompts, int mode, unsigned *wrongEntries,
                               QWidget *parent)
    : ModalDialog(parent)
    , ui(std::make_unique<Ui::PasswordDialog>())
    , m_quiz(quiz)
    , m_prompts(prompts)
    , m_mode(mode)
    , m_wrongEntries(wrongEntries ? *wrongEntries : m_ownCount)
{
    ui->setupUi(this);
    setHelpTopic(QStringLiteral("password"));
    connect(ui->okButton, &QPushButton::clicked, this, &PasswordDialog::accept);
    connect(ui->cancelButton, &QPushButton::clicked, this, &PasswordDialog::reject);

    const bool checksOld = m_mode != 1;
    const bool setsNew = m_mode != 0;
    ui->introLabel->setVisible(!checksOld);
    ui->oldPasswordLabel->setVisible(checksOld);
    ui->oldPasswordEdit->setVisible(checksOld);
    ui->newPasswordLabel->setVisible(setsNew);
    ui->newPasswordEdit->setVisible(setsNew);
    ui->confirmPasswordLabel->setVisible(setsNew);
    ui->confirmPasswordEdit->setVisible(setsNew);
    switch (m_mode) {
    case 0:
        ui->oldPasswordLabel->setText(tr("&Enter password:"));
        setWindowTitle(tr("Enter Password"));
        break;
    case 1:
        setWindowTitle(tr("Choose Password"));
        break;
    default:
        setWindowTitle(tr("Change Password"));
        break;
    }
    (checksOld ? ui->oldPasswordEdit : ui->newPasswordEdit)->setFocus(Qt::OtherFocusReason);
    // Room for a long password, and an intro that wraps to the width of the
    // fields rather than to one long line.
    const DialogUnits units(font());
    for (QLineEdit *edit : {ui->oldPasswordEdit, ui->newPasswordEdit, ui->confirmPasswordEdit})
        edit->setMinimumWidth(units.x(96));
    ui->introLabel->setMinimumWidth(units.x(170));
    ui->introLabel->setContentsMargins(0, 0, 0, units.y(4));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

PasswordDialog::~PasswordDialog() = default;

void PasswordDialog::onOk()
{
    const QString oldPassword = TrimBlanks(ui->oldPasswordEdit->text());
    const QString newPassword = TrimBlanks(ui->newPasswordEdit->text());
    const QString confirmation = TrimBlanks(ui->confirmPasswordEdit->text());
    ui->oldPasswordEdit->setText(oldPassword);
    ui->newPasswordEdit->setText(newPassword);
    ui->confirmPasswordEdit->setText(confirmation);

    if (m_mode != 1) {
        // A character the code page cannot hold is in no stored password.
        const auto entered = CodePage::fromUnicode(oldPassword);
        if (!entered || *entered != m_quiz.password) {
            m_prompts.messageBox(this, tr("Invalid password!"), BRAINLOFT,
                                 MB_OK | MB_ICONINFORMATION);
            if (m_mode == 0 && ++m_wrongEntries >= 3) {
                done(WrongTooOften);
                return;
            }
            ui->oldPasswordEdit->clear();
            ui->oldPasswordEdit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (m_mode != 0) {
        if (newPassword.isEmpty()) {
            m_prompts.messageBox(this, tr("Password cannot be blank!"), errorCaption(),
                                 MB_OK | MB_ICONINFORMATION);
            ui->newPasswordEdit->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (newPassword != confirmation) {
            m_prompts.messageBox(this, tr("Passwords don't match."), errorCaption(),
                                 MB_OK | MB_ICONINFORMATION);
            ui->newPasswordEdit->clear();
            ui->confirmPasswordEdit->clear();
            ui->newPasswordEdit->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!checkNewPassword())
            return;
        const std::string stored = *CodePage::fromUnicode(newPassword);
        if (m_quiz.password != stored)
            m_quiz.SetModifiedFlag(true);
        m_quiz.password = stored;
    }
    done(Ok);
}

bool PasswordDialog::checkNewPassword()
{
    const QString characters = UnstorableCharacters(ui->newPasswordEdit->text());
    if (characters.isEmpty())
        return true;
    m_prompts.messageBox(this,
                         tr("The new password contains characters that a quiz file "
                            "cannot store:\n%1\nPlease choose another password.")
                             .arg(characters),
                         errorCaption(), MB_OK | MB_ICONINFORMATION);
    ui->newPasswordEdit->clear();
    ui->confirmPasswordEdit->clear();
    ui->newPasswordEdit->setFocus(Qt::OtherFocusReason);
    return false;
}
