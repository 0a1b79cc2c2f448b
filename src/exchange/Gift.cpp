// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/Gift.h"

#include "exchange/HtmlText.h"
#include "exchange/TextFile.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

using namespace ExchangeText;

namespace {

using Kind = ExchangeNote::Kind;

bool isSpecial(QChar c)
{
    return c == u'~' || c == u'=' || c == u'#' || c == u'{' || c == u'}' || c == u':' || c == u'\\';
}

// The first `what` at or after `from` that no backslash escapes; -1 if none.
qsizetype findUnescaped(const QString &text, QStringView what, qsizetype from = 0)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text.at(i) == u'\\') {
            ++i;
            continue;
        }
        if (QStringView(text).mid(i).startsWith(what))
            return i;
    }
    return -1;
}

QString unescaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar next = text.at(i + 1);
            if (next == u'n') {
                out += u'\n';
                ++i;
                continue;
            }
            if (isSpecial(next)) {
                out += next;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

enum class TextFormat { Plain, Html };

// Removes a leading [html], [plain], [moodle] or [markdown] marker.
TextFormat takeFormat(QString &text)
{
    static const QRegularExpression marker(
        QStringLiteral("^\\s*\\[(html|plain|moodle|markdown)\\]"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = marker.match(text);
    if (!match.hasMatch())
        return TextFormat::Plain;
    const bool html = match.captured(1).compare(QLatin1String("html"), Qt::CaseInsensitive) == 0;
    text.remove(0, match.capturedLength());
    return html ? TextFormat::Html : TextFormat::Plain;
}

QString finished(QStringView raw, TextFormat format)
{
    const QString text = unescaped(raw);
    return format == TextFormat::Html ? HtmlText::toPlain(text) : text.trimmed();
}

struct Answer
{
    QChar mark;
    std::optional<double> weight;
    QString text;
    bool hadFeedback = false;
};

// Splits the inside of the braces at each unescaped '=' or '~'. Nothing when
// text stands before the first one.
std::optional<QList<Answer>> splitAnswers(const QString &block, TextFormat format)
{
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < block.size(); ++i) {
        if (block.at(i) == u'\\') {
            ++i;
            continue;
        }
        if (block.at(i) == u'=' || block.at(i) == u'~')
            starts << i;
    }
    if (starts.isEmpty() || !block.left(starts.first()).trimmed().isEmpty())
        return std::nullopt;
    QList<Answer> answers;
    for (qsizetype n = 0; n < starts.size(); ++n) {
        const qsizetype begin = starts.at(n) + 1;
        const qsizetype end = n + 1 < starts.size() ? starts.at(n + 1) : block.size();
        QString raw = block.mid(begin, end - begin);
        Answer answer;
        answer.mark = block.at(starts.at(n));
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(u'%')) {
            const qsizetype close = trimmed.indexOf(u'%', 1);
            bool ok = false;
            const double weight = close > 0 ? trimmed.mid(1, close - 1).toDouble(&ok) : 0.0;
            if (ok) {
                answer.weight = weight;
                raw = trimmed.mid(close + 1);
            }
        }
        const qsizetype feedback = findUnescaped(raw, u"#");
        if (feedback >= 0) {
            answer.hadFeedback = true;
            raw.truncate(feedback);
        }
        answer.text = finished(raw, format);
        answers << answer;
    }
    return answers;
}

class GiftReader
{
public:
    GiftReader(bool flashCardQuiz)
        : m_flashCardQuiz(flashCardQuiz)
    {}

    void readBlock(const QString &block, int number)
    {
        ExchangeQuestion question;
        question.sourceNumber = number;
        QString rest = block.trimmed();
        if (rest.startsWith(QLatin1String("::"))) {
            const qsizetype close = findUnescaped(rest, u"::", 2);
            if (close >= 0) {
                question.title = unescaped(QStringView(rest).mid(2, close - 2)).trimmed();
                rest = rest.mid(close + 2);
            }
        }
        const TextFormat format = takeFormat(rest);
        const qsizetype open = findUnescaped(rest, u"{");
        const qsizetype close = open < 0 ? -1 : findUnescaped(rest, u"}", open + 1);
        const bool nested = close >= 0 && findUnescaped(rest.left(close), u"{", open + 1) >= 0;
        const bool more = close >= 0 && (findUnescaped(rest, u"{", close + 1) >= 0 ||
                                         findUnescaped(rest, u"}", close + 1) >= 0);
        if (open < 0) {
            question.text = finished(rest, format);
            if (findUnescaped(rest, u"}") >= 0)
                return skip(question, QCoreApplication::translate("Exchange", "unbalanced braces"));
            return skip(question,
                        QCoreApplication::translate(
                            "Exchange", "description questions have no counterpart in Brainloft"));
        }
        const QString prefix = finished(QStringView(rest).left(open), format);
        if (close < 0 || nested || more) {
            question.text = prefix;
            return skip(question, QCoreApplication::translate("Exchange", "unbalanced braces"));
        }
        const QString suffix = finished(QStringView(rest).mid(close + 1), format);
        if (suffix.isEmpty())
            question.text = prefix;
        else if (prefix.isEmpty())
            question.text = QStringLiteral("_____ ") + suffix;
        else if (suffix.at(0).isPunct())
            question.text = prefix + QStringLiteral(" _____") + suffix;
        else
            question.text = prefix + QStringLiteral(" _____ ") + suffix;
        if (question.text.isEmpty())
            question.text = question.title;

        QString inside = rest.mid(open + 1, close - open - 1);
        bool feedback = false;
        if (const qsizetype general = findUnescaped(inside, u"####"); general >= 0) {
            inside.truncate(general);
            feedback = true;
        }
        const QString trimmed = inside.trimmed();
        if (trimmed.isEmpty())
            return skip(question,
                        QCoreApplication::translate(
                            "Exchange", "essay questions have no counterpart in Brainloft"));
        if (trimmed.startsWith(u'#'))
            return skip(question,
                        QCoreApplication::translate(
                            "Exchange", "numerical questions have no counterpart in Brainloft"));

        static const QRegularExpression trueFalse(
            QStringLiteral("^(T|TRUE|F|FALSE)\\s*(#.*)?$"),
            QRegularExpression::CaseInsensitiveOption |
                QRegularExpression::DotMatchesEverythingOption);
        if (const QRegularExpressionMatch match = trueFalse.match(trimmed); match.hasMatch()) {
            const bool isTrue = match.captured(1).startsWith(u'T', Qt::CaseInsensitive);
            question.answers = {QStringLiteral("True"), QStringLiteral("False")};
            question.correct = {isTrue, !isTrue};
            return accept(question, feedback || match.hasCaptured(2));
        }

        const std::optional<QList<Answer>> answers = splitAnswers(inside, format);
        if (!answers)
            return skip(question,
                        QCoreApplication::translate("Exchange", "the answers could not be read"));
        bool anyWrong = false;
        bool allRight = true;
        bool arrows = false;
        for (const Answer &answer : *answers) {
            anyWrong = anyWrong || answer.mark == u'~';
            allRight = allRight && answer.mark == u'=';
            arrows = arrows || answer.text.contains(QLatin1String("->"));
            feedback = feedback || answer.hadFeedback;
        }
        if (allRight && arrows)
            return skip(question,
                        QCoreApplication::translate(
                            "Exchange", "matching questions have no counterpart in Brainloft"));
        if (!anyWrong) {
            // Short answer: the first full-credit answer is the card's back.
            if (!m_flashCardQuiz)
                return skip(question,
                            QCoreApplication::translate(
                                "Exchange", "short-answer questions become flash cards only in a "
                                            "flash-card quiz"));
            for (const Answer &answer : *answers) {
                if (!answer.weight || *answer.weight >= 100.0) {
                    question.flashCard = true;
                    question.answers = {answer.text};
                    question.correct = {true};
                    break;
                }
            }
            if (!question.flashCard)
                return skip(question,
                            QCoreApplication::translate("Exchange", "no answer gives full credit"));
            return accept(question, feedback);
        }
        int right = 0;
        for (const Answer &answer : *answers) {
            const bool correct = answer.weight ? *answer.weight > 0.0 : answer.mark == u'=';
            question.answers << answer.text;
            question.correct << correct;
            right += correct ? 1 : 0;
        }
        question.multipleCorrect = right > 1;
        accept(question, feedback);
    }

    ExchangeRead result;

private:
    void skip(const ExchangeQuestion &question, const QString &reason)
    {
        result.notes << note(Kind::Skipped, question, reason);
    }
    void accept(const ExchangeQuestion &question, bool feedback)
    {
        if (feedback)
            result.notes << note(Kind::Dropped, question,
                                 QCoreApplication::translate("Exchange", "feedback dropped"));
        result.questions << question;
    }

    bool m_flashCardQuiz;
};

} // namespace

ExchangeRead ReadGift(const QByteArray &bytes, bool flashCardQuiz)
{
    GiftReader reader(flashCardQuiz);
    QString error;
    std::optional<QString> text = decodeUtf8(bytes, error);
    if (!text) {
        reader.result.error = error;
        return reader.result;
    }
    normaliseLineEnds(*text);
    // Blocks are separated by blank lines; comment and category lines go.
    QString block;
    int number = 0;
    auto flush = [&] {
        if (!block.trimmed().isEmpty())
            reader.readBlock(block, ++number);
        block.clear();
    };
    qsizetype start = 0;
    const qsizetype size = text->size();
    while (start <= size) {
        qsizetype end = text->indexOf(u'\n', start);
        if (end < 0)
            end = size;
        const QStringView line = QStringView(*text).mid(start, end - start);
        const QStringView trimmed = line.trimmed();
        start = end + 1;
        if (trimmed.isEmpty()) {
            flush();
        } else if (trimmed.startsWith(QLatin1String("//")) ||
                   trimmed.startsWith(QLatin1String("$CATEGORY:"), Qt::CaseInsensitive)) {
            continue;
        } else {
            if (!block.isEmpty())
                block += u'\n';
            block += line;
        }
    }
    flush();
    if (number == 0 && reader.result.error.isEmpty())
        reader.result.error =
            QCoreApplication::translate("Exchange", "The file holds no GIFT questions.");
    return reader.result;
}

QString GiftEscaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\n') {
            out += QLatin1String("\\n");
        } else if (c == u'\r') {
            continue;
        } else {
            if (isSpecial(c))
                out += u'\\';
            out += c;
        }
    }
    return out;
}

ExchangeWritten WriteGift(const QList<ExchangeQuestion> &questions)
{
    ExchangeWritten written;
    QString out;
    int lostScores = 0;
    int lostPictures = 0;
    for (const ExchangeQuestion &question : questions) {
        if ((question.score && *question.score != 1) ||
            (question.timeLimit && *question.timeLimit > 0))
            ++lostScores;
        if (!question.picture.isEmpty() || !question.pictureName.isEmpty())
            ++lostPictures;
        QString text = GiftEscaped(question.text);
        // A text that would read as a comment or a format marker gets an
        // explicit [plain] marker in front.
        const QString start = text.trimmed();
        if (start.startsWith(QLatin1String("//")) || start.startsWith(u'['))
            text.prepend(QLatin1String("[plain]"));
        if (question.flashCard) {
            out += text + QLatin1String(" {=") + GiftEscaped(question.answers.value(0)) +
                   QLatin1String("}\n\n");
            continue;
        }
        const qsizetype right = question.correct.count(true);
        out += text + QLatin1String(" {\n");
        for (qsizetype i = 0; i < question.answers.size(); ++i) {
            const bool correct = question.correct.value(i);
            const QString answer = GiftEscaped(question.answers.at(i));
            // Weights whenever "=" and "~" alone cannot say it: several right
            // answers, or an answer that starts with '%' like a weight.
            if (right > 1 || answer.startsWith(u'%')) {
                const QString weight =
                    !correct ? (right > 1 ? QStringLiteral("-100") : QStringLiteral("0"))
                             : QString::number(100.0 / double(right), 'g', 7);
                out += QLatin1String("~%") + weight + u'%' + answer + u'\n';
            } else {
                out += (correct ? QLatin1String("=") : QLatin1String("~")) + answer + u'\n';
            }
        }
        out += QLatin1String("}\n\n");
    }
    if (lostScores > 0)
        written.notes << fileNote(Kind::Lost, lostScoresText("GIFT", lostScores));
    if (lostPictures > 0)
        written.notes << fileNote(Kind::Lost, lostPicturesText("GIFT", lostPictures));
    written.bytes = out.toUtf8();
    return written;
}
