// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/QuizExchange.h"

#include "exchange/Aiken.h"
#include "exchange/Csv.h"
#include "exchange/Gift.h"
#include "exchange/TextFile.h"
#include "model/Quiz.h"
#include "taking/ImageFiles.h"
#include "ui/CodePage.h"
#include "ui/QuizFiles.h"

#if __has_include("exchange/MoodleXml.h")
#include "exchange/MoodleXml.h"
#define BRAINLOFT_HAS_MOODLE_XML 1
#endif
#if __has_include("exchange/Qti.h")
#include "exchange/Qti.h"
#define BRAINLOFT_HAS_QTI 1
#endif

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

using namespace ExchangeText;

namespace {

using Kind = ExchangeNote::Kind;

// Pictures as large as the quiz taker would show, no larger.
constexpr int MAX_PICTURE_SIDE = 16384;
constexpr qint64 MAX_PICTURE_PIXELS = qint64(32) * 1024 * 1024;

struct FormatRow
{
    ExchangeFormat format;
    const char *name;
    const char *title;
    const char *suffix;
    bool reads;
};

const FormatRow FORMATS[] = {
    {ExchangeFormat::Gift, "gift", "GIFT", "gift", true},
    {ExchangeFormat::Aiken, "aiken", "Aiken", "txt", true},
    {ExchangeFormat::MoodleXml, "moodle-xml", "Moodle XML", "xml", true},
    {ExchangeFormat::Csv, "csv", "CSV", "csv", true},
    {ExchangeFormat::Tsv, "tsv", "TSV for Anki", "tsv", true},
    {ExchangeFormat::Qti, "qti", "QTI 2.1 package", "zip", false},
};

const FormatRow &rowOf(ExchangeFormat format)
{
    for (const FormatRow &row : FORMATS) {
        if (row.format == format)
            return row;
    }
    return FORMATS[0];
}

// A picture QImage can read at a size the taker could show.
QImage checkedPicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > MAX_PICTURE_SIDE ||
        size.height() > MAX_PICTURE_SIDE ||
        qint64(size.width()) * size.height() > MAX_PICTURE_PIXELS)
        return {};
    return reader.read();
}

QString unstorableReason(const QString &characters)
{
    return QCoreApplication::translate("Exchange",
                                       "characters the quiz's code page cannot hold: %1")
        .arg(characters);
}

// A file name's base without what file systems or the quiz lookup dislike.
QString pictureBaseName(const QString &name, int sourceNumber)
{
    QString base = QFileInfo(QString(name).replace(u'\\', u'/')).completeBaseName();
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9 ._-]"));
    base.replace(unsafe, QStringLiteral("_"));
    base = base.trimmed();
    while (base.startsWith(u'.'))
        base.remove(0, 1);
    if (base.isEmpty())
        base = QStringLiteral("picture-%1").arg(sourceNumber);
    return base.left(80);
}

} // namespace

namespace QuizExchange {

QString formatName(ExchangeFormat format)
{
    return QLatin1String(rowOf(format).name);
}

std::optional<ExchangeFormat> formatNamed(const QString &name)
{
    for (const FormatRow &row : FORMATS) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.format;
    }
    return std::nullopt;
}

QString formatTitle(ExchangeFormat format)
{
    return QLatin1String(rowOf(format).title);
}

QString formatSuffix(ExchangeFormat format)
{
    return QLatin1String(rowOf(format).suffix);
}

bool canRead(ExchangeFormat format)
{
    switch (format) {
    case ExchangeFormat::MoodleXml:
#ifdef BRAINLOFT_HAS_MOODLE_XML
        return true;
#else
        return false;
#endif
    case ExchangeFormat::Qti:
        return false;
    default:
        return true;
    }
}

bool canWrite(ExchangeFormat format)
{
    switch (format) {
    case ExchangeFormat::MoodleXml:
#ifdef BRAINLOFT_HAS_MOODLE_XML
        return true;
#else
        return false;
#endif
    case ExchangeFormat::Qti:
#ifdef BRAINLOFT_HAS_QTI
        return true;
#else
        return false;
#endif
    default:
        return true;
    }
}

std::vector<ExchangeFormat> readableFormats()
{
    std::vector<ExchangeFormat> formats;
    for (const FormatRow &row : FORMATS) {
        if (canRead(row.format))
            formats.push_back(row.format);
    }
    return formats;
}

std::vector<ExchangeFormat> writableFormats()
{
    std::vector<ExchangeFormat> formats;
    for (const FormatRow &row : FORMATS) {
        if (canWrite(row.format))
            formats.push_back(row.format);
    }
    return formats;
}

ExchangeFormat guessFormat(const QString &fileName, const QByteArray &bytes)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("gift"))
        return ExchangeFormat::Gift;
    if (suffix == QLatin1String("xml"))
        return ExchangeFormat::MoodleXml;
    if (suffix == QLatin1String("csv"))
        return ExchangeFormat::Csv;
    if (suffix == QLatin1String("tsv"))
        return ExchangeFormat::Tsv;
    if (suffix == QLatin1String("zip"))
        return ExchangeFormat::Qti;
    // A .txt file (or one without a known extension): look inside. Only
    // the start is needed to tell the formats apart.
    const QByteArray head = bytes.left(1 << 16);
    const QByteArray start = head.trimmed();
    if (start.startsWith("<?xml") || start.startsWith("<quiz"))
        return ExchangeFormat::MoodleXml;
    if (head.startsWith("#separator:") || head.startsWith("#html:") ||
        head.contains("\n#separator:"))
        return ExchangeFormat::Tsv;
    static const QRegularExpression answerKey(
        QStringLiteral("(^|\\n)\\s*ANSWER:\\s*[A-Z]\\s*(\\r?\\n|$)"));
    const QString text = QString::fromUtf8(head);
    const bool braces = text.contains(u'{') && text.contains(u'}');
    if (!braces && answerKey.match(text).hasMatch())
        return ExchangeFormat::Aiken;
    if (braces)
        return ExchangeFormat::Gift;
    if (text.section(u'\n', 0, 0).contains(u'\t'))
        return ExchangeFormat::Tsv;
    if (text.section(u'\n', 0, 0).startsWith(QLatin1String("Question,"), Qt::CaseInsensitive))
        return ExchangeFormat::Csv;
    return ExchangeFormat::Gift;
}

ExchangeRead read(ExchangeFormat format, const QByteArray &bytes, bool flashCardQuiz)
{
    if (bytes.size() > MAX_FILE_BYTES) {
        ExchangeRead refused;
        refused.error = QCoreApplication::translate(
            "Exchange", "The file is larger than 64 MiB; no quiz holds that much text.");
        return refused;
    }
    switch (format) {
    case ExchangeFormat::Gift:
        return ReadGift(bytes, flashCardQuiz);
    case ExchangeFormat::Aiken:
        return ReadAiken(bytes);
    case ExchangeFormat::Csv:
        return ReadCsv(bytes);
    case ExchangeFormat::Tsv:
        return ReadTsv(bytes);
    case ExchangeFormat::MoodleXml:
#ifdef BRAINLOFT_HAS_MOODLE_XML
        return ReadMoodleXml(bytes, flashCardQuiz);
#else
        break;
#endif
    case ExchangeFormat::Qti:
        break;
    }
    ExchangeRead none;
    none.error = QCoreApplication::translate("Exchange",
                                             "Reading %1 files is not available in this version.")
                     .arg(formatTitle(format));
    return none;
}

std::optional<QByteArray> readFile(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("Exchange", "Could not open %1: %2")
                    .arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    if (file.size() > MAX_FILE_BYTES) {
        error = QCoreApplication::translate(
            "Exchange", "The file is larger than 64 MiB; no quiz holds that much text.");
        return std::nullopt;
    }
    // read() with a bound: a file that grows meanwhile (or a device that
    // reports no size) still stops at the limit.
    QByteArray bytes = file.read(MAX_FILE_BYTES + 1);
    if (bytes.size() > MAX_FILE_BYTES) {
        error = QCoreApplication::translate(
            "Exchange", "The file is larger than 64 MiB; no quiz holds that much text.");
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        error = QCoreApplication::translate("Exchange", "Could not read %1: %2")
                    .arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    return bytes;
}

ImportPlan prepareImport(const ExchangeRead &read, const Quiz &quiz)
{
    ImportPlan plan;
    const bool cardQuiz = quiz.quizType != 0;
    int room = MAX_QUESTIONS - quiz.questionCount();
    // The reader's notes about a question go right after its own line.
    QList<ExchangeNote> fileNotes;
    QList<ExchangeNote> questionNotes;
    for (const ExchangeNote &note : read.notes) {
        if (note.sourceNumber == 0)
            fileNotes << note;
        else
            questionNotes << note;
    }
    QList<std::pair<int, ExchangeNote>> ordered; // (source number, note)
    for (const ExchangeNote &note : questionNotes)
        ordered << std::pair{note.sourceNumber, note};

    for (const ExchangeQuestion &source : read.questions) {
        auto skip = [&](const QString &reason) {
            ordered << std::pair{source.sourceNumber, note(Kind::Skipped, source, reason)};
        };
        if (source.flashCard != cardQuiz) {
            skip(cardQuiz ? QCoreApplication::translate(
                                "Exchange",
                                "a multiple-choice question has no place in a flash-card quiz")
                          : QCoreApplication::translate(
                                "Exchange", "a flash card has no place in a multiple-choice quiz"));
            continue;
        }
        QStringList answers;
        QList<bool> correct;
        for (qsizetype i = 0; i < source.answers.size(); ++i) {
            answers << source.answers.at(i).trimmed();
            correct << source.correct.value(i);
        }
        if (cardQuiz) {
            if (answers.value(0).isEmpty()) {
                skip(QCoreApplication::translate("Exchange", "the flash card has no answer"));
                continue;
            }
        } else {
            if (answers.size() < 2) {
                skip(QCoreApplication::translate("Exchange", "fewer than two answers"));
                continue;
            }
            if (answers.size() > 5) {
                skip(QCoreApplication::translate(
                         "Exchange", "more than five answers (%1): a question holds at most five")
                         .arg(answers.size()));
                continue;
            }
            if (answers.contains(QString())) {
                skip(QCoreApplication::translate("Exchange", "an answer is empty"));
                continue;
            }
            if (!correct.contains(true)) {
                skip(QCoreApplication::translate("Exchange", "no answer is marked correct"));
                continue;
            }
        }
        QString text = source.text.trimmed();
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(u'\r', u'\n');
        QString all = text;
        for (const QString &answer : answers)
            all += answer;
        if (const QString unstorable = CodePage::unrepresentable(all); !unstorable.isEmpty()) {
            QStringList named;
            for (const char32_t code : unstorable.toUcs4())
                named << QStringLiteral("\"%1\" (U+%2)")
                             .arg(QString::fromUcs4(&code, 1))
                             .arg(
                                 QString::number(uint(code), 16).toUpper().rightJustified(4, u'0'));
            skip(unstorableReason(named.join(QLatin1String(", "))));
            continue;
        }
        if (room <= 0) {
            skip(QCoreApplication::translate("Exchange",
                                             "not added: the quiz is full (%1 questions)")
                     .arg(MAX_QUESTIONS));
            continue;
        }
        auto question = std::make_unique<CQuestion>();
        // The quiz keeps line breaks as CR LF, as its editors write them.
        QString stored = text;
        stored.replace(u'\n', QLatin1String("\r\n"));
        question->text = *CodePage::fromUnicode(stored);
        for (qsizetype i = 0; i < answers.size() && i < 5; ++i) {
            QString answer = answers.at(i);
            answer.replace(u'\n', QLatin1String("\r\n"));
            question->answers[size_t(i)] = *CodePage::fromUnicode(answer);
            question->correct[size_t(i)] = !cardQuiz && correct.at(i) ? 1 : 0;
        }
        const auto clamp = [](int value) {
            return std::clamp(value, 0, std::numeric_limits<std::int32_t>::max());
        };
        question->score = source.score ? std::max(1, clamp(*source.score)) : quiz.defaultScore;
        question->timeLimit = source.timeLimit ? clamp(*source.timeLimit) : quiz.defaultTimeLimit;
        question->reduceEvery = quiz.defaultReduceEvery;
        question->reduceBy = quiz.defaultReduceBy;
        question->multipleCorrect =
            !cardQuiz && (source.multipleCorrect || correct.count(true) > 1) ? 1 : 0;

        PreparedQuestion prepared;
        if (!source.picture.isEmpty()) {
            if (checkedPicture(source.picture).isNull()) {
                ordered << std::pair{
                    source.sourceNumber,
                    note(Kind::Dropped, source,
                         QCoreApplication::translate(
                             "Exchange", "the picture could not be read and is left out"))};
            } else {
                prepared.picture = source.picture;
                prepared.pictureName = pictureBaseName(source.pictureName, source.sourceNumber);
            }
        }
        prepared.question = std::move(question);
        plan.questions.push_back(std::move(prepared));
        --room;
        ordered << std::pair{
            source.sourceNumber,
            note(Kind::Imported, source, QCoreApplication::translate("Exchange", "imported"))};
    }
    // The file's order; for one question its own line before what was
    // dropped from it.
    std::stable_sort(ordered.begin(), ordered.end(), [](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        const auto rank = [](Kind kind) {
            return kind == Kind::Imported || kind == Kind::Skipped ? 0 : 1;
        };
        return rank(a.second.kind) < rank(b.second.kind);
    });
    for (const auto &[number, entry] : ordered)
        plan.notes << entry;
    plan.notes << fileNotes;
    return plan;
}

int commitImport(ImportPlan &plan, Quiz &quiz, const QString &pictureFolder,
                 QList<ExchangeNote> &notes)
{
    const QString quizFolder = quizFolderOf(pathToQString(quiz.pathName));
    const bool besideQuiz =
        !quiz.pathName.empty() &&
        QFileInfo(quizFolder).absoluteFilePath() == QFileInfo(pictureFolder).absoluteFilePath();
    int added = 0;
    for (PreparedQuestion &prepared : plan.questions) {
        if (!prepared.picture.isEmpty()) {
            const QImage image = checkedPicture(prepared.picture);
            QString name = prepared.pictureName + QLatin1String(".bmp");
            QDir folder(pictureFolder);
            for (int n = 2; QFileInfo::exists(folder.filePath(name)); ++n)
                name = QStringLiteral("%1-%2.bmp").arg(prepared.pictureName).arg(n);
            const QString path = folder.filePath(name);
            const std::optional<std::string> stored =
                CodePage::fromUnicode(besideQuiz ? name : QFileInfo(path).absoluteFilePath());
            QFile file(path);
            // NewOnly: a file that appeared since the name was chosen stays.
            if (stored && file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                image.save(&file, "BMP") && file.flush()) {
                prepared.question->imageFile = *stored;
            } else {
                if (file.isOpen())
                    file.remove();
                ExchangeNote failed;
                failed.kind = Kind::Dropped;
                failed.text =
                    QCoreApplication::translate(
                        "Exchange",
                        "Could not write the picture %1; the question is added without it.")
                        .arg(QDir::toNativeSeparators(path));
                notes << failed;
            }
        }
        if (quiz.AppendQuestion(std::move(prepared.question)) < 0)
            break;
        ++added;
    }
    plan.questions.clear();
    if (added > 0)
        quiz.SetModifiedFlag();
    return added;
}

QList<ExchangeQuestion> questionsOf(const Quiz &quiz, QList<ExchangeNote> &notes)
{
    QList<ExchangeQuestion> questions;
    const bool cards = quiz.quizType != 0;
    const QString folder = quizFolderOf(pathToQString(quiz.pathName));
    const auto unicode = [](const std::string &bytes) {
        QString text = CodePage::toUnicode(bytes);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(u'\r', u'\n');
        return text;
    };
    // A picture several questions show is read once; its bytes are shared,
    // so that the writers convert it once.
    QHash<QString, QByteArray> read;
    for (int i = 0; i < quiz.questionCount(); ++i) {
        const CQuestion &stored = *quiz.QuestionAt(i);
        ExchangeQuestion question;
        question.sourceNumber = i + 1;
        question.text = unicode(stored.text);
        question.flashCard = cards;
        if (cards) {
            question.answers = {unicode(stored.answers[0])};
            question.correct = {true};
        } else {
            for (size_t a = 0; a < stored.answers.size(); ++a) {
                if (stored.answers[a].empty())
                    continue;
                question.answers << unicode(stored.answers[a]);
                question.correct << (stored.correct[a] != 0);
            }
            question.multipleCorrect = stored.multipleCorrect != 0;
        }
        question.score = stored.score;
        question.timeLimit = stored.timeLimit;
        if (!stored.imageFile.empty()) {
            const QString name = CodePage::toUnicode(stored.imageFile);
            QString found;
            QFile file;
            if (LocateImageFile(name, found, folder)) {
                if (const auto known = read.constFind(found); known != read.cend()) {
                    question.picture = *known;
                } else {
                    file.setFileName(found);
                    if (file.open(QIODevice::ReadOnly) && file.size() <= MAX_FILE_BYTES)
                        question.picture = file.readAll();
                    read.insert(found, question.picture);
                }
            }
            if (question.picture.isEmpty()) {
                notes << note(Kind::Lost, question,
                              QCoreApplication::translate(
                                  "Exchange", "the picture %1 was not found and is left out")
                                  .arg(name));
            } else {
                question.pictureName = QFileInfo(QString(name).replace(u'\\', u'/')).fileName();
            }
        }
        questions << question;
    }
    return questions;
}

ExchangeWritten write(ExchangeFormat format, const Quiz &quiz, const QString &title)
{
    QList<ExchangeNote> notes;
    const QList<ExchangeQuestion> questions = questionsOf(quiz, notes);
    ExchangeWritten written;
    switch (format) {
    case ExchangeFormat::Gift:
        written = WriteGift(questions);
        break;
    case ExchangeFormat::Aiken:
        written = WriteAiken(questions);
        break;
    case ExchangeFormat::Csv:
        written = WriteCsv(questions);
        break;
    case ExchangeFormat::Tsv:
        written = WriteTsv(questions);
        break;
    case ExchangeFormat::MoodleXml:
#ifdef BRAINLOFT_HAS_MOODLE_XML
        written = WriteMoodleXml(questions, quiz.randomizeAnswers != 0);
#endif
        break;
    case ExchangeFormat::Qti:
#ifdef BRAINLOFT_HAS_QTI
        written = WriteQtiPackage(questions, title);
#endif
        break;
    }
    (void)title;
    written.notes = notes + written.notes;
    return written;
}

QString noteLine(const ExchangeNote &note)
{
    if (note.sourceNumber <= 0)
        return note.text;
    if (note.title.isEmpty())
        return QCoreApplication::translate("Exchange", "question %1: %2")
            .arg(note.sourceNumber)
            .arg(note.text);
    return QCoreApplication::translate("Exchange", "question %1, '%2': %3")
        .arg(note.sourceNumber)
        .arg(note.title, note.text);
}

} // namespace QuizExchange
