// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/FormReader.h"
#include "editor/NumberField.h"

#include "ScriptedPrompts.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

TEST(NumberField, ParsesUnsignedDecimalsWithBlanksAround)
{
    struct Case
    {
        const char *text;
        std::optional<std::uint32_t> value;
    } cases[] = {
        {"0", 0u},
        {"75", 75u},
        {"007", 7u},
        {" \t42\t ", 42u},
        {"4294967295", 4294967295u},
        {"4294967296", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {"1 2", std::nullopt},
        {"12a", std::nullopt},
        {"\n12", std::nullopt},
        {"\xd9\xa3", std::nullopt}, // an Arabic-Indic digit is no digit here
    };
    for (const Case &c : cases)
        EXPECT_EQ(NumberField::parse(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(NumberField, ArrowsStepWithinTheRangeFromAnyTypedNumber)
{
    struct Case
    {
        const char *text;
        int steps;
        std::uint32_t expected;
    } cases[] = {
        {"1", 1, 2},    {"49", 1, 50},  {"50", 1, 50},         {"1", -1, 1}, {"75", 1, 50},
        {"75", -1, 50}, {"0", 1, 1},    {"0", -1, 1},          {"", 1, 1},   {"", -1, 1},
        {"10", 10, 20}, {"45", 10, 50}, {"4294967295", 1, 50},
    };
    NumberField field;
    field.setRange(1, 50);
    for (const Case &c : cases) {
        field.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(field.stepped(c.steps), c.expected) << c.text << " " << c.steps;
    }
}

TEST(NumberField, TakesOnlyDigitsAndKeepsTypedNumbersOutsideTheRange)
{
    NumberField field;
    field.setRange(1, 50);
    field.setText(QString());
    QTest::keyClicks(&field, QStringLiteral("7-a 5x"));
    EXPECT_EQ(field.text(), QStringLiteral("75"));
    EXPECT_EQ(field.value(), 75u);
    // Leaving the field corrects nothing.
    field.interpretText();
    EXPECT_EQ(field.text(), QStringLiteral("75"));

    field.setText(QStringLiteral("3"));
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.text(), QStringLiteral("4"));
    QTest::keyClick(&field, Qt::Key_Down);
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.text(), QStringLiteral("2"));
}

namespace {

// A form of three values: a flag, a number and a text, read in that order
// after a first number.
struct Form
{
    std::uint32_t first = 11;
    bool flag = false;
    std::uint32_t second = 22;
    QString text = QStringLiteral("before");
};

} // namespace

TEST(FormReader, StopsAtTheFirstUnreadableNumber)
{
    QDialog dialog;
    auto *first = new NumberField(&dialog);
    auto *box = new QCheckBox(&dialog);
    auto *second = new NumberField(&dialog);
    auto *edit = new QLineEdit(&dialog);
    box->setChecked(true);
    edit->setText(QStringLiteral("after"));
    first->setText(QStringLiteral("5"));
    second->setText(QStringLiteral(" "));

    ScriptedPrompts prompts;
    prompts.answer(IDOK);
    Form form;
    FormReader read(prompts, &dialog);
    int customReads = 0;
    read.number(first, form.first)
        .flag(box, form.flag)
        .number(second, form.second)
        .text(edit, form.text)
        .value([&] { ++customReads; });

    EXPECT_FALSE(read.ok());
    EXPECT_EQ(form.first, 5u);
    EXPECT_TRUE(form.flag);
    EXPECT_EQ(form.second, 22u);                    // kept
    EXPECT_EQ(form.text, QStringLiteral("before")); // not read
    EXPECT_EQ(customReads, 0);
    ASSERT_EQ(prompts.messages().size(), 1u);
    const auto *message = prompts.lastMessage();
    EXPECT_EQ(message->text, QStringLiteral("Please enter a positive integer."));
    EXPECT_EQ(message->caption, applicationName());
    EXPECT_EQ(message->flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(dialog.focusWidget(), second);
}
