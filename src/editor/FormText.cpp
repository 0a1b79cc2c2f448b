// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/FormText.h"

#include "ui/CodePage.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

bool isBlank(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
        return true;
    default:
        return false;
    }
}

} // namespace

QString TrimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool CompactAnswerList(std::array<QString, 5> &answers, std::array<bool, 5> &correct)
{
    for (QString &answer : answers)
        answer = TrimBlanks(answer);
    bool movedAny = false;
    bool moved = true;
    while (moved) {
        moved = false;
        for (std::size_t i = 0; i + 1 < answers.size(); ++i) {
            if (!answers[i].isEmpty() || answers[i + 1].isEmpty())
                continue;
            for (std::size_t j = i; j + 1 < answers.size(); ++j) {
                answers[j] = answers[j + 1];
                correct[j] = correct[j + 1];
            }
            answers.back().clear();
            correct.back() = false;
            moved = movedAny = true;
        }
    }
    return movedAny;
}

QString UnstorableCharacters(const QString &text)
{
    // Character by character, so that each one is named once.
    QStringList names;
    QList<char32_t> seen;
    for (const char32_t c : text.toUcs4()) {
        const QString shown = QString::fromUcs4(&c, 1);
        if (seen.contains(c) || CodePage::fromUnicode(shown))
            continue;
        seen.append(c);
        const QString code = QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
        // Invisible and control characters are named by their code alone.
        const bool visible = QChar::isPrint(c) && !QChar::isSpace(c);
        names << (visible ? QStringLiteral("\"%1\" (%2)").arg(shown, code) : code);
    }
    return names.join(QStringLiteral(", "));
}

QString NumberTooLargeText(std::uint32_t number)
{
    return QCoreApplication::translate("FormText",
                                       "%1 is too large: a quiz file holds numbers up to %2.")
        .arg(number)
        .arg(LARGEST_STORED_NUMBER);
}
