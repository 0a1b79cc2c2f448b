// SPDX-License-Identifier: GPL-3.0-or-later
// Appends results to a log from a separate process, for the tests of
// concurrent takers, of a write that fails partway and of a folder the
// taker may not write to.
//
//   log_append_helper LOG COMMENT QUESTIONS REPEAT [--fsize N] [--as-nobody]
//
// Records REPEAT entries of a mixed quiz of QUESTIONS questions (seeded by
// the entry's number), with the comments "COMMENT#0", "COMMENT#1", ....
// --fsize limits the size of files this process may write; --as-nobody
// drops root rights first. Exit 0 when every entry was
// recorded, 1 when one failed, 2 on bad arguments.

#include "LogFixtures.h"

#include "log/ResultsLog.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 5)
        return 2;
    const std::string log = argv[1];
    const std::string comment = argv[2];
    const int questions = std::atoi(argv[3]);
    const int repeat = std::atoi(argv[4]);
    for (int i = 5; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fsize") == 0 && i + 1 < argc) {
            const rlimit limit{rlim_t(std::atoll(argv[++i])), RLIM_INFINITY};
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 2;
        } else if (std::strcmp(argv[i], "--as-nobody") == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                return 2;
        } else {
            return 2;
        }
    }

    bool ok = true;
    for (int r = 0; r < repeat; ++r) {
        Quiz quiz;
        quiz.logPathName = log;
        fillMixedQuiz(quiz, questions, unsigned(r));
        ok = RecordResult(quiz, comment + "#" + std::to_string(r)) && ok;
    }
    return ok ? 0 : 1;
}
