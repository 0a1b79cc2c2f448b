// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/FormReader.h"

#include "editor/NumberField.h"
#include "ui/Prompts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>

FormReader::FormReader(Prompts &prompts, QWidget *owner)
    : m_prompts(prompts)
    , m_owner(owner)
{}

FormReader &FormReader::flag(const QAbstractButton *box, bool &value)
{
    if (m_ok)
        value = box->isChecked();
    return *this;
}

FormReader &FormReader::text(const QLineEdit *edit, QString &value)
{
    if (m_ok)
        value = edit->text();
    return *this;
}

FormReader &FormReader::number(NumberField *field, std::uint32_t &value)
{
    if (!m_ok)
        return *this;
    if (const auto number = field->value()) {
        value = *number;
        return *this;
    }
    m_ok = false;
    m_prompts.messageBox(
        m_owner, QCoreApplication::translate("FormReader", "Please enter a positive integer."),
        applicationName(), MB_OK | MB_ICONEXCLAMATION);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return *this;
}
