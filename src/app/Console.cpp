// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Console.h"

#include <QByteArray>

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

void writeLines(std::FILE *stream, const QString &lines)
{
    const QByteArray bytes = lines.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

void writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done,
                                  static_cast<std::size_t>(bytes.size() - done));
        if (n < 0)
            return;
        done += n;
    }
}

} // namespace

void StandardConsole::print(const QString &lines)
{
    writeLines(stdout, lines);
}

void StandardConsole::printError(const QString &lines)
{
    writeLines(stderr, lines);
}

std::optional<QString> StandardConsole::environment(const char *name) const
{
    if (!qEnvironmentVariableIsSet(name))
        return std::nullopt;
    return qEnvironmentVariable(name);
}

std::optional<QString> StandardConsole::askHidden(const QString &prompt)
{
    // The terminal itself, not standard input: a command whose input is
    // redirected still asks the person at the keyboard.
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0)
        return std::nullopt;
    termios saved {};
    const bool isTerminal = ::tcgetattr(tty, &saved) == 0;
    if (!isTerminal) {
        ::close(tty);
        return std::nullopt;
    }
    termios quiet = saved;
    quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
    quiet.c_lflag |= ECHONL;
    writeAll(tty, prompt.toUtf8());
    ::tcsetattr(tty, TCSAFLUSH, &quiet);

    std::string line;
    bool ended = false;
    char c = 0;
    while (true) {
        const ssize_t n = ::read(tty, &c, 1);
        if (n <= 0) {
            ended = line.empty();
            break;
        }
        if (c == '\n' || c == '\r')
            break;
        line += c;
    }
    ::tcsetattr(tty, TCSAFLUSH, &saved);
    ::close(tty);
    if (ended)
        return std::nullopt;
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}
