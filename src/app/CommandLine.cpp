// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

// Marks the --help texts for the catalogues (context "CommandLine"); the
// texts stay plain literals, so that this file builds without Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

using Arguments = std::vector<std::string>;
using Iterator = Arguments::const_iterator;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string trimmed(const std::string &text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string lowered(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool isOption(const std::string &argument, const char *name)
{
    const std::string wanted = name;
    const std::string value = lowered(trimmed(argument));
    return value == "/" + wanted || value == "--" + wanted;
}

// The commands that work on files take only the "--" form, so that an
// absolute path such as "/results" stays a path.
bool isLongOption(const std::string &argument, const std::string &name)
{
    return lowered(argument) == "--" + name;
}

std::string joined(Iterator first, Iterator last)
{
    std::string text;
    for (auto it = first; it != last; ++it) {
        if (it != first)
            text += ' ';
        text += *it;
    }
    return trimmed(text);
}

bool contains(const std::vector<std::string> &list, const std::string &value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// Parses a file command into `line`; sets BadArguments with a reason when
// something does not fit.
class FileCommandParser
{
public:
    FileCommandParser(CommandLine &line, const Arguments &arguments)
        : m_line(line)
        , m_arguments(arguments)
    {}

    void fail(const std::string &reason)
    {
        if (m_line.action != CommandLine::Action::BadArguments) {
            m_line.action = CommandLine::Action::BadArguments;
            m_line.error = reason;
        }
    }

    [[nodiscard]] bool failed() const { return m_line.action == CommandLine::Action::BadArguments; }

    // Splits the arguments around `command`. Options that take a value
    // (`valued`) consume the argument after them; flags stand alone.
    std::vector<std::string> split(Iterator command, const std::vector<std::string> &valued,
                                   const std::vector<std::string> &flags)
    {
        std::vector<std::string> positional;
        bool optionsEnded = false;
        for (auto it = m_arguments.begin(); it != m_arguments.end(); ++it) {
            if (it == command)
                continue;
            if (!optionsEnded && *it == "--") {
                optionsEnded = true;
                continue;
            }
            if (optionsEnded || it->size() < 3 || it->compare(0, 2, "--") != 0) {
                if (it->empty())
                    fail("an empty argument names no file");
                positional.push_back(*it);
                continue;
            }
            const auto equals = it->find('=');
            const std::string name = lowered(it->substr(2, equals == std::string::npos
                                                               ? std::string::npos
                                                               : equals - 2));
            if (contains(flags, name)) {
                if (equals != std::string::npos)
                    fail("--" + name + " takes no value");
                setOnce(name, "");
            } else if (contains(valued, name)) {
                std::string value;
                if (equals != std::string::npos) {
                    value = it->substr(equals + 1);
                } else if (it + 1 != m_arguments.end() && it + 1 != command) {
                    value = *++it;
                } else {
                    fail("--" + name + " needs a value");
                    return positional;
                }
                if (value.empty())
                    fail("--" + name + " needs a value");
                setOnce(name, value);
            } else {
                fail("unknown option " + *it);
            }
        }
        return positional;
    }

    [[nodiscard]] const std::string *value(const std::string &name) const
    {
        for (const auto &[key, value] : m_values)
            if (key == name)
                return &value;
        return nullptr;
    }

    [[nodiscard]] std::string valueOr(const std::string &name) const
    {
        const std::string *found = value(name);
        return found ? *found : std::string();
    }

private:
    void setOnce(const std::string &name, const std::string &value)
    {
        if (this->value(name))
            fail("--" + name + " is given twice");
        else
            m_values.emplace_back(name, value);
    }

    CommandLine &m_line;
    const Arguments &m_arguments;
    std::vector<std::pair<std::string, std::string>> m_values;
};

void parseResults(CommandLine &line, const Arguments &arguments, Iterator command)
{
    FileCommandParser parser(line, arguments);
    const auto files =
        parser.split(command, {"takers-csv", "items-csv", "summary-csv", "report-pdf"}, {});
    if (parser.failed())
        return;
    if (files.empty())
        return parser.fail("--results needs the quiz file");
    line.results.quizFile = files.front();
    line.results.moreLogs.assign(files.begin() + 1, files.end());
    line.results.takersCsv = parser.valueOr("takers-csv");
    line.results.itemsCsv = parser.valueOr("items-csv");
    line.results.summaryCsv = parser.valueOr("summary-csv");
    line.results.reportPdf = parser.valueOr("report-pdf");
}

void parseImport(CommandLine &line, const Arguments &arguments, Iterator command)
{
    FileCommandParser parser(line, arguments);
    const auto files = parser.split(command, {"output", "format"}, {"flash-cards"});
    if (parser.failed())
        return;
    if (files.size() != 1)
        return parser.fail(files.empty() ? "--import needs the file to read"
                                         : "--import reads one file");
    if (!parser.value("output"))
        return parser.fail("--import needs --output NEW.blz");
    line.import.file = files.front();
    line.import.output = parser.valueOr("output");
    line.import.format = lowered(parser.valueOr("format"));
    line.import.flashCards = parser.value("flash-cards") != nullptr;
    if (!line.import.format.empty() && !contains(ImportFormats(), line.import.format))
        parser.fail("unknown import format " + line.import.format);
}

void parseExport(CommandLine &line, const Arguments &arguments, Iterator command)
{
    FileCommandParser parser(line, arguments);
    // The format follows the command itself: --export gift QUIZ.blz OUTPUT.
    auto files = parser.split(command, {}, {});
    if (parser.failed())
        return;
    if (files.size() != 3)
        return parser.fail("--export needs a format, the quiz and the file to write");
    line.exportQuiz.format = lowered(files[0]);
    line.exportQuiz.quizFile = files[1];
    line.exportQuiz.output = files[2];
    if (!contains(ExportFormats(), line.exportQuiz.format))
        parser.fail("unknown export format " + files[0]);
}

void parsePrintPdf(CommandLine &line, const Arguments &arguments, Iterator command)
{
    FileCommandParser parser(line, arguments);
    const auto files = parser.split(command, {"versions"}, {"answer-key", "key-only"});
    if (parser.failed())
        return;
    if (files.size() != 2)
        return parser.fail("--print-pdf needs the quiz and the PDF file to write");
    line.printPdf.quizFile = files[0];
    line.printPdf.output = files[1];
    const bool key = parser.value("answer-key") != nullptr;
    const bool keyOnly = parser.value("key-only") != nullptr;
    if (key && keyOnly)
        return parser.fail("--answer-key and --key-only exclude each other");
    using Content = CommandLine::PrintPdf::Content;
    line.printPdf.content = keyOnly ? Content::KeyOnly : key ? Content::PaperAndKey
                                                             : Content::Paper;
    if (const std::string *versions = parser.value("versions")) {
        int count = 0;
        const char *end = versions->data() + versions->size();
        const auto [rest, error] = std::from_chars(versions->data(), end, count);
        if (error != std::errc() || rest != end || count < 1 || count > 26)
            return parser.fail("--versions takes a number from 1 to 26");
        line.printPdf.versions = count;
    }
}

} // namespace

const std::vector<std::string> &ImportFormats()
{
    static const std::vector<std::string> formats = {"gift", "aiken", "moodle-xml", "csv", "tsv"};
    return formats;
}

const std::vector<std::string> &ExportFormats()
{
    static const std::vector<std::string> formats = {"gift", "aiken", "moodle-xml",
                                                     "qti",  "csv",   "tsv"};
    return formats;
}

CommandLine ParseCommandLine(const std::vector<std::string> &arguments)
{
    CommandLine result;
    const auto endOfOptions = std::find(arguments.begin(), arguments.end(), "--");
    const auto find = [&](const char *name) {
        return std::find_if(arguments.begin(), endOfOptions,
                            [name](const std::string &a) { return isOption(a, name); });
    };
    // The quiz named by the arguments from `first` on, the "--" marker left out.
    const auto fileFrom = [&](Iterator first) {
        std::vector<std::string> rest(first, endOfOptions);
        if (endOfOptions != arguments.end())
            rest.insert(rest.end(), endOfOptions + 1, arguments.end());
        return joined(rest.begin(), rest.end());
    };

    // The file commands, each at most once and alone.
    using Action = CommandLine::Action;
    struct FileCommand
    {
        const char *name;
        Action action;
        void (*parse)(CommandLine &, const Arguments &, Iterator);
    };
    static const FileCommand fileCommands[] = {
        {"results", Action::Results, parseResults},
        {"import", Action::Import, parseImport},
        {"export", Action::Export, parseExport},
        {"print-pdf", Action::PrintPdf, parsePrintPdf},
    };
    const FileCommand *fileCommand = nullptr;
    Iterator commandAt = arguments.end();
    int fileCommandCount = 0;
    for (const FileCommand &command : fileCommands) {
        for (auto it = arguments.begin(); it != endOfOptions; ++it) {
            if (isLongOption(*it, command.name)) {
                ++fileCommandCount;
                if (!fileCommand) {
                    fileCommand = &command;
                    commandAt = it;
                }
            }
        }
    }

    if (find("help") != endOfOptions) {
        result.action = Action::Help;
    } else if (find("version") != endOfOptions) {
        result.action = Action::Version;
    } else if (fileCommand) {
        result.action = fileCommand->action;
        if (fileCommandCount > 1) {
            result.action = Action::BadArguments;
            result.error = "only one of --results, --import, --export and --print-pdf at a time";
        } else if (find("uninstall") != endOfOptions || find("edit") != endOfOptions) {
            result.action = Action::BadArguments;
            result.error = std::string("--") + fileCommand->name +
                           " does not go with --edit or --uninstall";
        } else {
            fileCommand->parse(result, arguments, commandAt);
        }
    } else if (find("uninstall") != endOfOptions) {
        result.action = Action::Uninstall;
    } else if (const auto edit = find("edit"); edit != endOfOptions) {
        result.editOnStart = true;
        result.startFile = fileFrom(edit + 1);
    } else {
        result.startFile = fileFrom(arguments.begin());
    }
    return result;
}

std::string UsageText(const std::string &programName, const UsageTranslator &translate)
{
    const auto text = [&translate](const char *english) {
        return translate ? translate(english) : std::string(english);
    };
    //: The start of the --help text; the lines below it are indented to match.
    const std::string usage = text(QT_TRANSLATE_NOOP("CommandLine", "Usage: "));
    // The synopsis lines line up under the first (in characters, not bytes).
    std::size_t width = 0;
    for (const unsigned char c : usage)
        width += (c & 0xC0) != 0x80 ? 1 : 0;
    const std::string margin(width, ' ');
    const std::string indent(programName.size() + width, ' ');
    return usage + programName + " [QUIZ.blz]\n" +
           margin + programName + " --edit QUIZ.blz\n" +
           margin + programName + " --results QUIZ.blz [MORE.blg ...] [--takers-csv FILE]\n" +
           indent + "  [--items-csv FILE] [--summary-csv FILE] [--report-pdf FILE]\n" +
           margin + programName +
           " --import FILE --output NEW.blz [--format FORMAT] [--flash-cards]\n" +
           margin + programName + " --export FORMAT QUIZ.blz OUTPUT\n" +
           margin + programName +
           " --print-pdf QUIZ.blz OUT.pdf [--answer-key | --key-only] [--versions N]\n" +
           margin + programName + " --uninstall\n" + "\n" +
           text(QT_TRANSLATE_NOOP("CommandLine", "Builds and takes quizzes.\n")) + "\n" +
           //: Keep the options, the FILE/QUIZ.blz words and the layout: the explanations start
           //: in column 21 (23 under an option of its own) and lines end before column 80.
           text(QT_TRANSLATE_NOOP(
               "CommandLine",
               "  QUIZ.blz          take the quiz, then quit\n"
               "  --edit QUIZ.blz   open the quiz for editing (asks for its password)\n"
               "  --results QUIZ.blz [MORE.blg ...]\n"
               "                    show the results in the quiz's log and in the other logs\n"
               "                    named; with any of these options, write files instead:\n"
               "    --takers-csv FILE    one row per logged attempt\n"
               "    --items-csv FILE     one row per question: facility, discrimination and\n"
               "                         how often each answer was chosen\n"
               "    --summary-csv FILE   the class's figures in one row\n"
               "    --report-pdf FILE    the summary, the charts and the question table\n"
               "  --import FILE --output NEW.blz\n"
               "                    make a new quiz from the questions in FILE; an existing\n"
               "                    file is never replaced\n"
               "    --format FORMAT      gift, aiken, moodle-xml, csv or tsv (guessed when\n"
               "                         not given)\n"
               "    --flash-cards        make a quiz of flash cards\n"
               "  --export FORMAT QUIZ.blz OUTPUT\n"
               "                    write the quiz as gift, aiken, moodle-xml, qti, csv or tsv\n"
               "  --print-pdf QUIZ.blz OUT.pdf\n"
               "                    write the quiz as an exam paper\n"
               "    --answer-key         add the answer key\n"
               "    --key-only           write only the answer key\n"
               "    --versions N         N versions (1 to 26, A to Z), each in its own order\n"
               "  --uninstall       remove Brainloft's desktop entries and program files\n"
               "  --help            show this help and quit\n"
               "  --version         show the version and quit\n")) +
           "\n" +
           text(QT_TRANSLATE_NOOP("CommandLine",
                                  "Options may also be written /edit and /uninstall.\n")) +
           "\n" +
           text(QT_TRANSLATE_NOOP(
               "CommandLine",
               "The commands that write files need no display and leave the desktop's files\n"
               "alone. Those that reveal a quiz's answers or results need its password: from\n"
               "the environment variable BRAINLOFT_PASSWORD, or asked on the terminal.\n")) +
           "\n" +
           text(QT_TRANSLATE_NOOP(
               "CommandLine",
               "Exit status: 0 done, 1 failed, 2 bad arguments, 3 wrong password.\n"));
}
