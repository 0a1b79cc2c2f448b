#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace {

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

bool isOption(const std::string &argument, const char *name)
{
    const std::string wanted = name;
    const std::string value = trimmed(argument);
    const auto matches = [&value](const std::string &form) {
        return value.size() == form.size() &&
               std::equal(value.begin(), value.end(), form.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == b;
               });
    };
    return matches("/" + wanted) || matches("--" + wanted);
}

std::string joined(std::vector<std::string>::const_iterator first,
                   std::vector<std::string>::const_iterator last)
{
    std::string text;
    for (auto it = first; it != last; ++it) {
        if (it != first)
            text += ' ';
        text += *it;
    }
    return trimmed(text);
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string> &arguments)
{
    CommandLine result;
    const auto endOfOptions = std::find(arguments.begin(), arguments.end(), "--");
    const auto find = [&](const char *name) {
        return std::find_if(arguments.begin(), endOfOptions,
                            [name](const std::string &a) { return isOption(a, name); });
    };
    // The quiz named by the arguments from `first` on, the "--" marker left out.
    const auto fileFrom = [&](std::vector<std::string>::const_iterator first) {
        std::vector<std::string> rest(first, endOfOptions);
        if (endOfOptions != arguments.end())
            rest.insert(rest.end(), endOfOptions + 1, arguments.end());
        return joined(rest.begin(), rest.end());
    };

    if (find("help") != endOfOptions) {
        result.action = CommandLine::Action::Help;
    } else if (find("version") != endOfOptions) {
        result.action = CommandLine::Action::Version;
    } else if (find("uninstall") != endOfOptions) {
        result.action = CommandLine::Action::Uninstall;
    } else if (const auto edit = find("edit"); edit != endOfOptions) {
        result.editOnStart = true;
        result.startFile = fileFrom(edit + 1);
    } else {
        result.startFile = fileFrom(arguments.begin());
    }
    return result;
}

std::string UsageText(const std::string &programName)
{
    return "Usage: " + programName +
           " [QUIZ.blz]\n"
           "       " +
           programName +
           " --edit QUIZ.blz\n"
           "       " +
           programName +
           " --uninstall\n"
           "\n"
           "Builds and takes quizzes.\n"
           "\n"
           "  QUIZ.blz          take the quiz, then quit\n"
           "  --edit QUIZ.blz   open the quiz for editing (asks for its password)\n"
           "  --uninstall       remove Brainloft's desktop entries and program files\n"
           "  --help            show this help and quit\n"
           "  --version         show the version and quit\n"
           "\n"
           "Options may also be written /edit and /uninstall.\n";
}
