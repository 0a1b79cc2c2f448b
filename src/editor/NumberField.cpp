// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/NumberField.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <limits>

NumberField::NumberField(QWidget *parent)
    : QAbstractSpinBox(parent)
{
    setAccelerated(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString &text) {
        update(); // the arrows' enabled state follows the text
        emit textChanged(text);
    });
}

void NumberField::setRange(std::uint32_t minimum, std::uint32_t maximum)
{
    m_minimum = std::min(minimum, maximum);
    m_maximum = std::max(minimum, maximum);
    update();
}

std::optional<std::uint32_t> NumberField::value() const
{
    return parse(text());
}

void NumberField::setValue(std::uint32_t value)
{
    setText(QString::number(value));
}

void NumberField::setText(const QString &text)
{
    lineEdit()->setText(text);
}

std::optional<std::uint32_t> NumberField::parse(const QString &text)
{
    const auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    if (begin == end)
        return std::nullopt;
    std::uint64_t number = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        number = number * 10 + (c - u'0');
        if (number > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

std::uint32_t NumberField::stepped(int steps) const
{
    const auto current = value();
    if (!current)
        return m_minimum;
    const std::int64_t sum = std::int64_t(*current) + steps;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(sum, m_minimum, m_maximum));
}

QValidator::State NumberField::validate(QString &input, int & /*pos*/) const
{
    // Only digits can be typed or pasted; an empty field is allowed while
    // editing and is reported when the form is read.
    for (const QChar c : std::as_const(input)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

void NumberField::fixup(QString & /*input*/) const
{
    // Nothing is corrected behind the author's back.
}

void NumberField::stepBy(int steps)
{
    setValue(stepped(steps));
    selectAll();
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    const auto current = value();
    if (!current)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (stepped(1) != *current)
        enabled |= StepUpEnabled;
    if (stepped(-1) != *current)
        enabled |= StepDownEnabled;
    return enabled;
}

QSize NumberField::sizeHint() const
{
    // Room for five digits, like the longest range end, plus the arrows.
    ensurePolished();
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(QStringLiteral("00000")) + 4;
    const int height = lineEdit()->sizeHint().height();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, QSize(width, height), this);
}

QSize NumberField::minimumSizeHint() const
{
    return sizeHint();
}
