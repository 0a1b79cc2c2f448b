#include "app/CommandLine.h"

#include <gtest/gtest.h>

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

TEST(CommandLine, UsageNamesTheProgramAndEveryOption)
{
    const std::string usage = UsageText("brainloft");
    for (const char *word : {"brainloft", "--edit", "--uninstall", "--help", "--version"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
}
