// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <utility>

class NumberField;
class Prompts;
class QAbstractButton;
class QLineEdit;
class QWidget;

// Reads a form's controls into the dialog's own values, one by one in the
// dialog's read order, and stops at the first numeric field that cannot be
// read: it shows "Please enter a positive integer." (exclamation icon,
// caption: the program's name), puts the focus on that field with its text
// selected, and from then on reads nothing, so that field and every value
// after it keep what they held.
//
//     FormReader read(m_prompts, this);
//     read.flag(ui->imageCheckBox, m_form.imageOn)
//         .text(ui->textEdit, m_form.text)
//         .number(ui->scoreField, m_form.score);
//     if (!read.ok())
//         return false; // OK and Preview stop here
//
// Values without a control of their own kind go through value().
class FormReader
{
public:
    FormReader(Prompts &prompts, QWidget *owner);

    FormReader &flag(const QAbstractButton *box, bool &value);
    FormReader &text(const QLineEdit *edit, QString &value);
    FormReader &number(NumberField *field, std::uint32_t &value);
    // Runs `read` unless reading has stopped.
    template<class Read> FormReader &value(Read &&read)
    {
        if (m_ok)
            std::forward<Read>(read)();
        return *this;
    }

    // False once a numeric field could not be read.
    [[nodiscard]] bool ok() const { return m_ok; }

private:
    Prompts &m_prompts;
    QWidget *const m_owner;
    bool m_ok = true;
};
