// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

TEST(CommandLine, ArgumentsDecideTheAction)
{
    using Action = CommandLine::Action;
    struct Case
    {
        std::vector<std::string> arguments;
        Action action;
        bool edit;
        std::string file;
    } cases[] = {
        {{}, Action::Start, false, ""},
        {{"  "}, Action::Start, false, ""},
        {{"/home/Ann/Quizzes/Unit1.BLZ"}, Action::Start, false, "/home/Ann/Quizzes/Unit1.BLZ"},
        {{" \t/home/ann/unit1.blz \r\n"}, Action::Start, false, "/home/ann/unit1.blz"},
        {{"My", "Quiz.blz"}, Action::Start, false, "My Quiz.blz"},
        {{"/edit", "/home/Ann/Unit1.blz"}, Action::Start, true, "/home/Ann/Unit1.blz"},
        {{"/EDIT", "/home/ann/unit1.blz"}, Action::Start, true, "/home/ann/unit1.blz"},
        {{"--edit", "My", "Quiz.blz"}, Action::Start, true, "My Quiz.blz"},
        {{"--Edit"}, Action::Start, true, ""},
        {{"/home/ann/unit1.blz", "/edit"}, Action::Start, true, ""},
        {{"ignored", "/edit", "quiz.blz"}, Action::Start, true, "quiz.blz"},
        // A path that merely contains an option is a path.
        {{"/edit/quiz.blz"}, Action::Start, false, "/edit/quiz.blz"},
        {{"/home/ann/uninstall.blz"}, Action::Start, false, "/home/ann/uninstall.blz"},
        {{"/uninstall"}, Action::Uninstall, false, ""},
        {{"--UNINSTALL"}, Action::Uninstall, false, ""},
        {{"/edit", "quiz.blz", "/uninstall"}, Action::Uninstall, false, ""},
        {{"--help"}, Action::Help, false, ""},
        {{"quiz.blz", "--version"}, Action::Version, false, ""},
        // After "--" nothing is an option.
        {{"--", "--help"}, Action::Start, false, "--help"},
        {{"--edit", "--", "/uninstall"}, Action::Start, true, "/uninstall"},
    };
    for (const Case &c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        std::string shown;
        for (const auto &a : c.arguments)
            shown += "[" + a + "]";
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.editOnStart, c.edit) << shown;
        EXPECT_EQ(line.startFile, c.file) << shown;
    }
}

TEST(CommandLine, FileCommandsTakeWholeArguments)
{
    using Action = CommandLine::Action;
    using Content = CommandLine::PrintPdf::Content;
    struct Case
    {
        std::vector<std::string> arguments;
        Action action;
        std::string error; // BadArguments: the reason given
        // For a command that parses: what it must hold, checked by `check`.
        std::function<bool(const CommandLine &)> check;
    } cases[] = {
        {{"--results", "My Quiz.blz"}, Action::Results, "",
         [](const CommandLine &l) {
             return l.results.quizFile == "My Quiz.blz" && l.results.moreLogs.empty() &&
                    !l.results.writesFiles() && !l.isHeadless();
         }},
        {{"--RESULTS", "q.blz", "a.blg", "--takers-csv", "t.csv", "b.blg", "--report-pdf=r.pdf"},
         Action::Results, "",
         [](const CommandLine &l) {
             return l.results.moreLogs == std::vector<std::string>{"a.blg", "b.blg"} &&
                    l.results.takersCsv == "t.csv" && l.results.reportPdf == "r.pdf" &&
                    l.results.itemsCsv.empty() && l.isHeadless();
         }},
        {{"--results", "q.blz", "--", "--items-csv"}, Action::Results, "",
         [](const CommandLine &l) {
             return l.results.moreLogs == std::vector<std::string>{"--items-csv"};
         }},
        {{"--results"}, Action::BadArguments, "--results needs the quiz file", nullptr},
        {{"--results", "q.blz", "--items-csv"}, Action::BadArguments, "--items-csv needs a value",
         nullptr},
        {{"--results", "q.blz", "--items"}, Action::BadArguments, "unknown option --items",
         nullptr},
        {{"--import", "q.gift", "--output", " New.blz", "--format", "GIFT", "--flash-cards"},
         Action::Import, "",
         [](const CommandLine &l) {
             return l.import.file == "q.gift" && l.import.output == " New.blz" &&
                    l.import.format == "gift" && l.import.flashCards && l.isHeadless();
         }},
        {{"--import", "q.txt", "--output=n.blz"}, Action::Import, "",
         [](const CommandLine &l) { return l.import.format.empty() && !l.import.flashCards; }},
        {{"--import", "q.txt"}, Action::BadArguments, "--import needs --output NEW.blz", nullptr},
        {{"--import", "q.txt", "--output", "n.blz", "--format", "docx"}, Action::BadArguments,
         "unknown import format docx", nullptr},
        {{"--import", "q.txt", "--output", "a.blz", "--output", "b.blz"}, Action::BadArguments,
         "--output is given twice", nullptr},
        {{"--import", "q.txt", "--output", "n.blz", "--format", "qti"}, Action::BadArguments,
         "unknown import format qti", nullptr},
        {{"--export", "Moodle-XML", "q.blz", "out.xml"}, Action::Export, "",
         [](const CommandLine &l) {
             return l.exportQuiz.format == "moodle-xml" && l.exportQuiz.quizFile == "q.blz" &&
                    l.exportQuiz.output == "out.xml";
         }},
        {{"--export", "qti", "q.blz"}, Action::BadArguments,
         "--export needs a format, the quiz and the file to write", nullptr},
        {{"--export", "pdf", "q.blz", "o"}, Action::BadArguments, "unknown export format pdf",
         nullptr},
        {{"--print-pdf", "q.blz", "o.pdf"}, Action::PrintPdf, "",
         [](const CommandLine &l) {
             return l.printPdf.content == Content::Paper && l.printPdf.versions == 1;
         }},
        {{"--print-pdf", "q.blz", "--key-only", "o.pdf", "--versions", "26"}, Action::PrintPdf,
         "",
         [](const CommandLine &l) {
             return l.printPdf.content == Content::KeyOnly && l.printPdf.versions == 26 &&
                    l.printPdf.output == "o.pdf";
         }},
        {{"--print-pdf", "q.blz", "o.pdf", "--answer-key"}, Action::PrintPdf, "",
         [](const CommandLine &l) { return l.printPdf.content == Content::PaperAndKey; }},
        {{"--print-pdf", "q.blz", "o.pdf", "--versions", "0"}, Action::BadArguments,
         "--versions takes a number from 1 to 26", nullptr},
        {{"--print-pdf", "q.blz", "o.pdf", "--versions=3x"}, Action::BadArguments,
         "--versions takes a number from 1 to 26", nullptr},
        {{"--print-pdf", "q.blz", "o.pdf", "--answer-key", "--key-only"}, Action::BadArguments,
         "--answer-key and --key-only exclude each other", nullptr},
        {{"--print-pdf", "q.blz", "o.pdf", "--answer-key=yes"}, Action::BadArguments,
         "--answer-key takes no value", nullptr},
        {{"--print-pdf", "", "o.pdf"}, Action::BadArguments, "an empty argument names no file",
         nullptr},
        {{"--import", "a", "--export", "gift", "b", "c"}, Action::BadArguments,
         "only one of --results, --import, --export and --print-pdf at a time", nullptr},
        {{"--edit", "--results", "q.blz"}, Action::BadArguments,
         "--results does not go with --edit or --uninstall", nullptr},
        // Only the "--" form is a file command: these stay quizzes to take.
        {{"/results"}, Action::Start, "",
         [](const CommandLine &l) { return l.startFile == "/results"; }},
        {{"--", "--import"}, Action::Start, "",
         [](const CommandLine &l) { return l.startFile == "--import"; }},
        // Help still wins over everything.
        {{"--import", "--help"}, Action::Help, "", nullptr},
    };
    for (const Case &c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        std::string shown;
        for (const auto &a : c.arguments)
            shown += "[" + a + "]";
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.error, c.error) << shown;
        if (c.check) {
            EXPECT_TRUE(c.check(line)) << shown;
        }
    }
}

TEST(CommandLine, UsageNamesTheProgramAndEveryOption)
{
    const std::string usage = UsageText("brainloft");
    for (const char *word :
         {"brainloft", "--edit", "--uninstall", "--help", "--version", "--results", "--takers-csv",
          "--items-csv", "--summary-csv", "--report-pdf", "--import", "--output", "--format",
          "--flash-cards", "--export", "--print-pdf", "--answer-key", "--key-only", "--versions",
          "BRAINLOFT_PASSWORD"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
}
