// SPDX-License-Identifier: GPL-3.0-or-later

#include "OrdinaryUser.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <grp.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr char USER_VARIABLE[] = "BRAINLOFT_TEST_AS_USER";
constexpr uid_t NOBODY = 65534;
// Set in a process that is such a run: it never starts another.
bool g_isRun = false;

} // namespace

bool RunAsOrdinaryUser()
{
    if (::geteuid() != 0)
        return false;
    if (g_isRun) {
        ADD_FAILURE() << "the run as an ordinary user is still root";
        return true;
    }
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString name =
        QString::fromUtf8(test->test_suite_name()) + u'.' + QString::fromUtf8(test->name());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(USER_VARIABLE), QString::number(NOBODY));
    QProcess run;
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + name});
    const bool finished = run.waitForFinished(60000);
    if (!finished)
        run.kill();
    const QString output = QString::fromUtf8(run.readAll());
    // A filter that matches nothing passes too: the case must have run.
    EXPECT_TRUE(finished && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0 &&
                output.contains(QStringLiteral("[  PASSED  ] 1 test.")))
        << "run as user " << NOBODY << ":\n"
        << output.toStdString();
    return true;
}

bool DropToTheUserAskedFor()
{
    const char *asked = std::getenv(USER_VARIABLE);
    if (!asked)
        return true;
    const auto user = uid_t(std::strtoul(asked, nullptr, 10));
    ::unsetenv(USER_VARIABLE);
    g_isRun = true;
    if (user == 0)
        return false;
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0))
        return false;
    // Changing the user makes the process undumpable, which would keep the
    // leak checker of the sanitizer builds from inspecting its own threads.
    ::prctl(PR_SET_DUMPABLE, 1);
    return ::getuid() == user && ::geteuid() == user;
}
