// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractSpinBox>

#include <cstdint>
#include <optional>

// A digits-only edit field with an up-down control at its right edge. The
// arrows (buttons, arrow keys, Page Up/Down, the wheel) step the number
// within a range; a number typed into the field is taken as typed, even
// outside that range (QSpinBox would clamp it, which the forms must not).
//
// The field may be empty, and a text set by the program may hold anything:
// value() then has nothing, and FormReader (editor/FormReader.h) shows the
// standard prompt when it reads the field.
class NumberField : public QAbstractSpinBox
{
    Q_OBJECT

public:
    explicit NumberField(QWidget *parent = nullptr);

    // The range the arrows step within; typed numbers are not limited by it.
    void setRange(std::uint32_t minimum, std::uint32_t maximum);
    [[nodiscard]] std::uint32_t minimum() const { return m_minimum; }
    [[nodiscard]] std::uint32_t maximum() const { return m_maximum; }

    // The number in the field, or nothing when the field cannot be read.
    [[nodiscard]] std::optional<std::uint32_t> value() const;
    // Shows `value` in decimal.
    void setValue(std::uint32_t value);
    // Sets the field's text as it stands (not checked for digits).
    void setText(const QString &text);

    // A field's text read as an unsigned 32-bit decimal number: digits with
    // optional blanks or tabs before and after. Empty text, a sign, anything
    // else and numbers above 4294967295 cannot be read.
    [[nodiscard]] static std::optional<std::uint32_t> parse(const QString &text);

    // The number one arrow press of `steps` leads to from the field's text:
    // the sum kept within the range, so that a typed number outside the
    // range comes back to its nearest end. An unreadable text starts from
    // the lower end.
    [[nodiscard]] std::uint32_t stepped(int steps) const;

    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void textChanged(const QString &text);

protected:
    StepEnabled stepEnabled() const override;

private:
    std::uint32_t m_minimum = 0;
    std::uint32_t m_maximum = 100;
};
