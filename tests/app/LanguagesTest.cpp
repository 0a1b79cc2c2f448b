// SPDX-License-Identifier: GPL-3.0-or-later

// Every window in every language Brainloft speaks: no label, button, check
// box, radio button or group box shows its text cut, and (with a translator
// that marks whatever it is asked for) every text a person reads there went
// through the translation system. A new window takes one line in WINDOWS.

#include "LogFixtures.h"
#include "QuizFixtures.h"
#include "ResultsTesting.h"
#include "ScriptedPrompts.h"

#include "app/AboutDialog.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/UsageTexts.h"
#include "editor/ApplyDefaultsDialog.h"
#include "editor/FlashCardEditorDialog.h"
#include "editor/ImportSummaryDialog.h"
#include "editor/PasswordDialog.h"
#include "editor/PrintQuizDialog.h"
#include "editor/QuestionEditorDialog.h"
#include "editor/QuizEditorDialog.h"
#include "editor/QuizParametersDialog.h"
#include "log/LogCommentDialog.h"
#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "results/ResultsWindow.h"
#include "taking/FlashCardDialog.h"
#include "taking/QuestionDialog.h"
#include "ui/HelpWindow.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// What the windows are opened on: a multiple-choice quiz and a flash-card quiz.
struct Scene
{
    Scene()
    {
        quiz.InsertQuestion(0,
                            makeQuestion("Which planet is largest?", {"Mars", "Jupiter"}, {1}, 2));
        quiz.password = "teacher";
        quiz.logResults = 1;
        cards.quizType = 1;
        cards.InsertQuestion(0, makeCard("Capital of France?", "Paris", 2));
        cards.password = "teacher";
        prompts.setAutoAcknowledge(false);
        results.AppendQuestion(
            makeQuestion("Which planet is closest to the Sun?", {"Venus", "Mercury"}, {1}));
        results.AppendQuestion(
            makeQuestion("Which planets have rings?", {"Mars", "Saturn", "Uranus"}, {1}, 2));
        results.password = "teacher";
        EXPECT_EQ(SaveQuizToFile(results, pathIn(dir, "quiz.blz")), SaveResult::Ok);
        results.SetQuizPathName(pathIn(dir, "quiz.blz"));
        writeText(results.logPathName, LogBytes({McEntry("Ann", {"B,B,1,1", "B,B,2,2"}),
                                                 McEntry("Ben", {"A,B,1,0", "B,B,2,2"}),
                                                 McEntry("Cy", {"B,B,1,1", "A,B,2,0"})}));
    }

    QTemporaryDir dir;
    Quiz quiz;
    Quiz cards;
    // The quiz saved, with a results log of three takers.
    Quiz results;
    ScriptedPrompts prompts;
};

// A screen of the quiz shown as the runner shows it, without a nested event loop.
template<class Screen> std::unique_ptr<QWidget> screenOf(Quiz &quiz, Prompts &prompts)
{
    auto screen = std::make_unique<Screen>(quiz, prompts);
    screen->question = quiz.QuestionAt(0);
    screen->questionNumber = 1;
    return screen;
}

struct GalleryWindow
{
    const char *name;
    std::function<std::unique_ptr<QWidget>(Scene &)> open;
    // Children whose texts are the user's data (answers, file names).
    QStringList userData = {};
};

using Mode = QuestionEditorBase::Mode;

const GalleryWindow WINDOWS[] = {
    {"main window", [](Scene &s) { return std::make_unique<MainWindow>(s.quiz, s.prompts); }},
    {"quiz editor", [](Scene &s) { return std::make_unique<QuizEditorDialog>(s.quiz, s.prompts); }},
    {"quiz editor, flash cards",
     [](Scene &s) { return std::make_unique<QuizEditorDialog>(s.cards, s.prompts); }},
    {"question editor",
     [](Scene &s) {
         return std::make_unique<QuestionEditorDialog>(s.quiz, s.prompts, Mode::Edit, 1,
                                                       s.quiz.QuestionAt(0));
     }},
    {"new question",
     [](Scene &s) {
         return std::make_unique<QuestionEditorDialog>(s.quiz, s.prompts, Mode::Add, 2, nullptr);
     }},
    {"flash-card editor",
     [](Scene &s) {
         return std::make_unique<FlashCardEditorDialog>(s.cards, s.prompts, Mode::Edit, 1,
                                                        s.cards.QuestionAt(0));
     }},
    {"new flash card",
     [](Scene &s) {
         return std::make_unique<FlashCardEditorDialog>(s.cards, s.prompts, Mode::Add, 2, nullptr);
     }},
    {"quiz parameters",
     [](Scene &s) { return std::make_unique<QuizParametersDialog>(s.quiz, s.prompts, true); }},
    {"apply defaults", [](Scene &s) { return std::make_unique<ApplyDefaultsDialog>(s.prompts); }},
    {"enter password",
     [](Scene &s) { return std::make_unique<PasswordDialog>(s.quiz, s.prompts, 0); }},
    {"choose password",
     [](Scene &s) { return std::make_unique<PasswordDialog>(s.quiz, s.prompts, 1); }},
    {"change password",
     [](Scene &s) { return std::make_unique<PasswordDialog>(s.quiz, s.prompts, 2); }},
    {"log comment", [](Scene &s) { return std::make_unique<LogCommentDialog>(s.prompts); }},
    {"question screen",
     [](Scene &s) { return screenOf<QuestionDialog>(s.quiz, s.prompts); },
     {"answerCheckBoxA", "answerCheckBoxB", "answerRadioButtonA", "answerRadioButtonB"}},
    {"flash-card screen", [](Scene &s) { return screenOf<FlashCardDialog>(s.cards, s.prompts); }},
    {"print dialog", [](Scene &s) { return std::make_unique<PrintQuizDialog>(s.quiz, s.prompts); }},
    {"about", [](Scene &) { return std::make_unique<AboutDialog>(); }},
    {"results window",
     [](Scene &s) { return std::make_unique<ResultsWindow>(s.results, s.prompts); },
     {"questionLabel"}},
    {"import summary",
     [](Scene &) {
         return std::make_unique<ImportSummaryDialog>(
             QStringLiteral("/tmp/questions.gift"),
             QStringList{QStringLiteral("question 1, 'Which planet is largest?': imported"),
                         QStringLiteral("question 2, 'Match the activity...': matching questions "
                                        "have no counterpart in Brainloft")},
             1, false);
     }},
    {"help",
     [](Scene &) {
         // The help window deletes itself when closed; the gallery owns it meanwhile.
         HelpWindow *help = HelpWindow::showTopic(nullptr, QStringLiteral("main-window"));
         help->setAttribute(Qt::WA_DeleteOnClose, false);
         return std::unique_ptr<QWidget>(help);
     }},
};

// Marks every text it is asked for, so that a text shown without the mark did
// not go through the translation system.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("[T]") + QString::fromUtf8(sourceText);
    }
    [[nodiscard]] bool isEmpty() const override { return false; }
};

// A window of the gallery on screen, closed and deleted at the end.
class Shown
{
public:
    Shown(const GalleryWindow &window, Scene &scene)
        : m_widget(window.open(scene))
    {
        // A quiz screen begins its question when opened, as the runner opens it.
        if (auto *dialog = qobject_cast<QDialog *>(m_widget.get()))
            dialog->open();
        else
            m_widget->show();
        QCoreApplication::processEvents();
    }
    ~Shown()
    {
        if (auto *dialog = qobject_cast<QDialog *>(m_widget.get()); dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);
        m_widget->hide();
    }
    QWidget &operator*() const { return *m_widget; }

private:
    std::unique_ptr<QWidget> m_widget;
};

// The widgets that show a text, with that text (mnemonics and all).
std::vector<std::pair<QWidget *, QString>> textsOf(QWidget &window)
{
    std::vector<std::pair<QWidget *, QString>> texts;
    for (QWidget *child : window.findChildren<QWidget *>()) {
        if (!child->isVisibleTo(&window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(child))
            texts.emplace_back(child, label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(child))
            texts.emplace_back(child, button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(child))
            texts.emplace_back(child, group->title());
    }
    return texts;
}

QString describe(const QWidget &widget, const QString &text)
{
    return QStringLiteral("%1 \"%2\"").arg(widget.objectName(), text);
}

// Why the text of `widget` does not show whole, or nothing.
QString cut(QWidget &widget, const QString &text)
{
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics = widget.fontMetrics();
    const QSize needed = metrics.size(Qt::TextShowMnemonic, text);
    QStyle *style = widget.style();
    QRect room;
    if (auto *label = qobject_cast<QLabel *>(&widget)) {
        if (label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
            return {};
        room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                              -label->margin());
        if (label->wordWrap()) {
            const QRect wrapped = metrics.boundingRect(
                QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap | Qt::TextShowMnemonic, text);
            if (wrapped.width() > room.width() || wrapped.height() > room.height())
                return QStringLiteral("needs %1x%2 wrapped, has %3x%4")
                    .arg(wrapped.width())
                    .arg(wrapped.height())
                    .arg(room.width())
                    .arg(room.height());
            return {};
        }
    } else if (auto *group = qobject_cast<QGroupBox *>(&widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = text;
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        if (label.left() < 0 || label.right() >= group->width())
            return QStringLiteral("title from %1 to %2, box %3 wide")
                .arg(label.left())
                .arg(label.right())
                .arg(group->width());
        return {};
    } else if (auto *button = qobject_cast<QAbstractButton *>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const QStyle::SubElement contents =
            qobject_cast<QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
            : qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                   : QStyle::SE_PushButtonContents;
        room = style->subElementRect(contents, &option, button);
    } else {
        return {};
    }
    if (needed.width() > room.width() || needed.height() > room.height())
        return QStringLiteral("needs %1x%2, has %3x%4")
            .arg(needed.width())
            .arg(needed.height())
            .arg(room.width())
            .arg(room.height());
    return {};
}

// Texts that are no words: numbers, times, letters of versions.
bool isNoWord(const QString &text)
{
    static const QRegularExpression noWord(
        QStringLiteral("^[\\d\\s.,:;%/()+\\-A-Z]{0,3}$|^[\\d\\s.,:%/-]*$"));
    return noWord.match(text).hasMatch();
}

class Languages : public ::testing::TestWithParam<const char *>
{
protected:
    void TearDown() override { Translations::Install(QStringLiteral("en")); }
};

} // namespace

// The texts that `window` shows cut, described.
// With BRAINLOFT_GALLERY_DIR set, each window is also saved there as a picture
// (LANGUAGE-NAME.png), for a person to look at.
QStringList cutTexts(const GalleryWindow &window, const QString &language = {})
{
    QStringList problems;
    Scene scene;
    Shown shown(window, scene);
    if (const QString gallery = qEnvironmentVariable("BRAINLOFT_GALLERY_DIR"); !gallery.isEmpty())
        QCoreApplication::processEvents(),
            (*shown).grab().save(QStringLiteral("%1/%2-%3.png")
                                     .arg(gallery, language, QLatin1String(window.name))
                                     .replace(u' ', u'-'));
    for (const auto &[widget, text] : textsOf(*shown)) {
        if (const QString why = cut(*widget, text); !why.isEmpty())
            problems << QStringLiteral("%1: %2 %3")
                            .arg(QLatin1String(window.name), describe(*widget, text), why);
    }
    return problems;
}

// Makes every text three times as long, as a wordy language might.
class StretchingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QString::fromUtf8(sourceText).repeated(3);
    }
    [[nodiscard]] bool isEmpty() const override { return false; }
};

TEST_P(Languages, NoWindowCutsItsTexts)
{
    ASSERT_TRUE(Translations::Install(QLatin1String(GetParam())));
    QStringList problems;
    for (const GalleryWindow &window : WINDOWS)
        problems << cutTexts(window, QLatin1String(GetParam()));
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(u'\n'));
}

TEST(Languages, TheCutTextCheckSeesTextsTooLongForTheirPlace)
{
    StretchingTranslator stretching;
    QCoreApplication::installTranslator(&stretching);
    QStringList problems;
    for (const GalleryWindow &window : WINDOWS) {
        if (QByteArray(window.name) == "flash-card screen" ||
            QByteArray(window.name) == "question screen")
            problems << cutTexts(window);
    }
    QCoreApplication::removeTranslator(&stretching);
    // The buttons and status lines of the quiz screens have fixed widths.
    const QString all = problems.join(u'\n');
    for (const char *control : {"flash-card screen: abortButton", "flash-card screen: worthLabel",
                                "question screen: submitButton", "question screen: quitButton"})
        EXPECT_TRUE(all.contains(QLatin1String(control))) << control << "\n" << qPrintable(all);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Languages, ::testing::Values("en", "de", "fr", "es"));

TEST(Languages, EveryTextShownGoesThroughTheTranslationSystem)
{
    Translations::Install(QStringLiteral("en"));
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    QStringList problems;
    for (const GalleryWindow &window : WINDOWS) {
        Scene scene;
        Shown shown(window, scene);
        const auto unmarked = [&](const QString &text) {
            return !text.contains(QLatin1String("[T]")) && !isNoWord(text) &&
                   text != QLatin1String("Brainloft"); // the product's name
        };
        if (unmarked((*shown).windowTitle()))
            problems << QStringLiteral("%1: title \"%2\"")
                            .arg(QLatin1String(window.name), (*shown).windowTitle());
        for (const auto &[widget, text] : textsOf(*shown)) {
            if (!window.userData.contains(widget->objectName()) && unmarked(text))
                problems << QStringLiteral("%1: %2").arg(QLatin1String(window.name),
                                                         describe(*widget, text));
        }
    }
    QCoreApplication::removeTranslator(&marking);
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(u'\n'));
}

namespace {

// A German locale for the C library, made into `folder` when the system has
// none (the locale sources come with the package "locales"); empty when it
// cannot be made.
QString germanLocaleFolder(const QTemporaryDir &folder)
{
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                     QStringLiteral("UTF-8"), folder.filePath(QStringLiteral("de_DE.UTF-8"))});
    if (!localedef.waitForFinished(120000) || localedef.exitCode() != 0)
        return {};
    return folder.path();
}

struct LoggedRun
{
    QString printed; // the language and the decimal point
    QByteArray log;
    QByteArray exported;
};

LoggedRun logAndExport(const QTemporaryDir &folder, const QString &name,
                       const std::vector<std::pair<QString, QString>> &variables)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG"})
        environment.remove(QLatin1String(variable));
    for (const auto &[variable, value] : variables)
        environment.insert(variable, value);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString log = folder.filePath(name + QStringLiteral(".blg"));
    const QString exported = folder.filePath(name + QStringLiteral(".txt"));
    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start(QStringLiteral(LANGUAGE_LOG_HELPER), {log, exported});
    LoggedRun run;
    if (!helper.waitForFinished(60000) || helper.exitCode() != 0) {
        ADD_FAILURE() << qPrintable(name)
                      << ": the helper failed: " << helper.readAllStandardError().toStdString();
        return run;
    }
    run.printed = QString::fromUtf8(helper.readAllStandardOutput()).trimmed();
    QFile logFile(log);
    QFile exportFile(exported);
    if (logFile.open(QIODevice::ReadOnly))
        run.log = logFile.readAll();
    if (exportFile.open(QIODevice::ReadOnly))
        run.exported = exportFile.readAll();
    return run;
}

} // namespace

TEST(Languages, TheLogAndItsExportDoNotDependOnTheLanguage)
{
    QTemporaryDir folder;
    QTemporaryDir locales;
    ASSERT_TRUE(folder.isValid() && locales.isValid());
    const QString locpath = germanLocaleFolder(locales);
    ASSERT_FALSE(locpath.isEmpty()) << "localedef could not make de_DE.UTF-8 (package locales)";

    const LoggedRun plain = logAndExport(folder, QStringLiteral("c"), {{"LANG", "C"}});
    const LoggedRun german =
        logAndExport(folder, QStringLiteral("de"),
                     {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de"}, {"LOCPATH", locpath}});
    // The runs did speak their languages: German numbers have a decimal comma.
    EXPECT_EQ(plain.printed, QStringLiteral("en ."));
    EXPECT_EQ(german.printed, QStringLiteral("de ,"));
    ASSERT_FALSE(plain.log.isEmpty());
    ASSERT_FALSE(plain.exported.isEmpty());
    // The comment field's own text, and an empty one.
    EXPECT_TRUE(plain.exported.startsWith("\"Comment\"\r\n"))
        << plain.exported.left(40).toStdString();
    EXPECT_TRUE(plain.exported.contains("\r\n\"No comment\"\r\n"));
    EXPECT_TRUE(plain.exported.contains("%\r\n"));
    EXPECT_EQ(german.log, plain.log);
    EXPECT_EQ(german.exported, plain.exported);
}

TEST(Languages, TheCommandLinesTextsGoThroughTheTranslationSystem)
{
    // One bad command line for every reason the parser gives.
    const std::vector<std::vector<std::string>> badLines = {
        {"--export", "gift", "", "out"},
        {"--print-pdf", "--answer-key=yes", "q.blz", "o.pdf"},
        {"--print-pdf", "q.blz", "o.pdf", "--versions"},
        {"--print-pdf", "q.blz", "o.pdf", "--versions="},
        {"--print-pdf", "q.blz", "o.pdf", "--colour"},
        {"--print-pdf", "q.blz", "o.pdf", "--versions", "2", "--versions", "3"},
        {"--results"},
        {"--import", "--output", "n.blz"},
        {"--import", "a.txt", "b.txt", "--output", "n.blz"},
        {"--import", "a.txt"},
        {"--import", "a.txt", "--output", "n.blz", "--format", "odt"},
        {"--export", "gift", "q.blz"},
        {"--export", "odt", "q.blz", "out"},
        {"--print-pdf", "q.blz"},
        {"--print-pdf", "q.blz", "o.pdf", "--answer-key", "--key-only"},
        {"--print-pdf", "q.blz", "o.pdf", "--versions", "27"},
        {"--export", "gift", "q.blz", "out", "--print-pdf", "q.blz", "o.pdf"},
        {"--print-pdf", "q.blz", "o.pdf", "--edit"},
    };
    std::vector<std::string> errors;
    for (const auto &arguments : badLines) {
        const CommandLine line = ParseCommandLine(arguments);
        ASSERT_EQ(line.action, CommandLine::Action::BadArguments) << arguments.front();
        errors.push_back(line.error);
        // In English the reason is the parser's own.
        EXPECT_EQ(TranslatedArgumentError(line.error), QString::fromStdString(line.error));
    }
    EXPECT_EQ(TranslatedUsageText("brainloft"), UsageText("brainloft"));

    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    for (const std::string &error : errors)
        EXPECT_TRUE(TranslatedArgumentError(error).startsWith(QLatin1String("[T]")))
            << "not translated: " << error;
    // The one-line reasons keep what they name: the option, the format.
    EXPECT_EQ(TranslatedArgumentError("unknown export format odt"),
              QStringLiteral("[T]unknown export format odt"));
    const std::string usage = TranslatedUsageText("brainloft");
    QCoreApplication::removeTranslator(&marking);
    EXPECT_EQ(usage.rfind("[T]Usage: brainloft [QUIZ.blz]\n", 0), 0u) << usage.substr(0, 40);
    // The synopsis lines line up under the translated word.
    EXPECT_NE(usage.find("\n          brainloft --edit QUIZ.blz\n"), std::string::npos);
    for (const char *paragraph : {"[T]Builds and takes quizzes.", "[T]  QUIZ.blz ", "[T]Options",
                                  "[T]The commands", "[T]Exit status"})
        EXPECT_NE(usage.find(paragraph), std::string::npos) << paragraph;
}
