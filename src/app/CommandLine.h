// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

// What the program was asked to do on its command line. Options are whole
// arguments, matched without regard to letter case: "/edit" or "--edit"
// (the arguments after it, joined by blanks, name the quiz to edit),
// "/uninstall" or "--uninstall", and "--help" or "--version". Everything else
// is the quiz to take, its letter case kept. After "--" nothing is an option.
//
// The commands that work on files without the main window ("--results",
// "--import", "--export", "--print-pdf") take their file names as whole
// arguments, exactly as given; their options take a value as the next
// argument or after "=" ("--output NEW.blz", "--output=NEW.blz").
struct CommandLine
{
    enum class Action {
        Start,
        Uninstall,
        Help,
        Version,
        Results,  // the results window, or files written from the results
        Import,   // a new quiz from another format's questions
        Export,   // a quiz written in another format
        PrintPdf, // an exam paper or answer key as a PDF
        BadArguments,
    };
    Action action = Action::Start;
    bool editOnStart = false;
    std::string startFile; // empty = no quiz named
    std::string error;     // BadArguments: what is wrong, as one line

    struct Results
    {
        std::string quizFile;
        std::vector<std::string> moreLogs; // further .blg files, in order
        std::string takersCsv, itemsCsv, summaryCsv, reportPdf; // empty = not asked for
        // With any file to write, no window opens.
        [[nodiscard]] bool writesFiles() const
        {
            return !takersCsv.empty() || !itemsCsv.empty() || !summaryCsv.empty() ||
                   !reportPdf.empty();
        }
    } results;

    struct Import
    {
        std::string file;
        std::string output;
        std::string format; // lower case; empty = guess from the file
        bool flashCards = false;
    } import;

    struct Export
    {
        std::string format; // lower case
        std::string quizFile;
        std::string output;
    } exportQuiz;

    struct PrintPdf
    {
        enum class Content { Paper, PaperAndKey, KeyOnly };
        std::string quizFile;
        std::string output;
        Content content = Content::Paper;
        int versions = 1; // 1 to 26
    } printPdf;

    // A command that needs no window system: it runs on the offscreen
    // platform and writes nothing to the user's desktop files.
    [[nodiscard]] bool isHeadless() const
    {
        return action == Action::Import || action == Action::Export ||
               action == Action::PrintPdf || (action == Action::Results && results.writesFiles());
    }
};

[[nodiscard]] CommandLine ParseCommandLine(const std::vector<std::string> &arguments);

// The formats that --import reads and --export writes, lower case.
[[nodiscard]] const std::vector<std::string> &ImportFormats();
[[nodiscard]] const std::vector<std::string> &ExportFormats();

// Turns an English text of the --help text into the user's language (the app
// layer passes one built on Qt's translation; this file stays plain C++).
using UsageTranslator = std::function<std::string(const char *english)>;

// The text printed for --help; in English without a translator.
[[nodiscard]] std::string UsageText(const std::string &programName,
                                    const UsageTranslator &translate = {});
