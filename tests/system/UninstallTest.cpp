// SPDX-License-Identifier: GPL-3.0-or-later

#include "OrdinaryUser.h"
#include "ScriptedPrompts.h"
#include "TemporaryHome.h"

#include "system/Registration.h"
#include "system/Uninstall.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString DONE = QStringLiteral("Brainloft's data has been removed from the Registry.\n"
                                    "Component files will be removed the next time you start the "
                                    "system.");

void runIfInstalled(const char *tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (!program.isEmpty())
        QProcess::execute(program, arguments);
}

class UninstallTest : public ::testing::Test
{
protected:
    UninstallTest()
    {
        exe = home.writeFile(QStringLiteral("apps/brainloft"), "#!/bin/sh\n", true);
        home.writeFile(QStringLiteral("apps/brainloft.hlp"), "help");
        home.writeFile(QStringLiteral("apps/brainloft.gid"), "help index");
        home.writeFile(QStringLiteral("apps/notes.txt"), "not ours");
        home.writeFile(QStringLiteral("quizzes/unit1.blz"), "quiz");
        home.writeFile(QStringLiteral("quizzes/unit1.blg"), "log");
    }
    // Registers, uninstalls, and checks the closing message.
    void registerAndUninstall()
    {
        ScriptedPrompts prompts;
        RegisterProgram(prompts, exe);
        ASSERT_TRUE(prompts.calls().empty());
        prompts.answer(IDOK);
        UninstallProgram(prompts, exe);
        expectClosingMessage(prompts);
    }
    static void expectClosingMessage(const ScriptedPrompts &prompts)
    {
        ASSERT_EQ(prompts.calls().size(), 1u);
        const auto &call = prompts.calls().front();
        EXPECT_EQ(call.text.toStdString(), DONE.toStdString());
        EXPECT_EQ(call.caption.toStdString(), "Brainloft Uninstall");
        EXPECT_EQ(call.flags, MB_OK | MB_ICONINFORMATION);
        EXPECT_EQ(call.owner, nullptr);
    }
    [[nodiscard]] std::map<QString, QByteArray>
    withoutProgram(std::map<QString, QByteArray> files) const
    {
        for (const char *name : {"apps/brainloft", "apps/brainloft.hlp", "apps/brainloft.gid"})
            files.erase(QString::fromLatin1(name));
        return files;
    }
    [[nodiscard]] QStringList foldersIn(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    TemporaryHome home;
    QString exe;
};

} // namespace

TEST_F(UninstallTest, RemovesEverythingItWroteAndTheProgramsFiles)
{
    const auto before = home.snapshot();
    registerAndUninstall();

    EXPECT_EQ(home.snapshot(), withoutProgram(before));
    EXPECT_TRUE(foldersIn(home.dataHome()).isEmpty())
        << foldersIn(home.dataHome()).join(u' ').toStdString();
    EXPECT_TRUE(foldersIn(home.configHome()).isEmpty());
}

TEST_F(UninstallTest, LeavesTheUsersOtherDesktopFilesAsTheyWere)
{
    home.writeFile(QStringLiteral(".config/mimeapps.list"),
                   "[Default Applications]\ntext/plain=other.desktop;\n");
    home.writeFile(QStringLiteral(".local/share/applications/other.desktop"),
                   "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n"
                   "MimeType=text/plain;\n");
    home.writeFile(QStringLiteral(".local/share/mime/packages/other.xml"),
                   "<?xml version=\"1.0\"?>\n<mime-info "
                   "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                   "<mime-type type=\"application/x-other\"><glob pattern=\"*.oth\"/>"
                   "</mime-type>\n</mime-info>\n");
    home.writeFile(QStringLiteral(".local/share/icons/hicolor/48x48/apps/other.png"), "png");
    runIfInstalled("update-desktop-database", {home.dataHome() + QStringLiteral("/applications")});
    runIfInstalled("update-mime-database", {home.dataHome() + QStringLiteral("/mime")});
    const auto before = home.snapshot();

    registerAndUninstall();

    EXPECT_EQ(home.snapshot(), withoutProgram(before));
}

TEST_F(UninstallTest, AnExtensionTakenMeanwhileKeepsTheAssociationButNotTheRest)
{
    ScriptedPrompts prompts;
    RegisterProgram(prompts, exe);
    home.writeFile(QStringLiteral(".local/share/applications/other.desktop"),
                   "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n");
    home.writeFile(QStringLiteral(".config/mimeapps.list"),
                   "[Default Applications]\napplication/x-brainloft-quiz=other.desktop;\n");
    const QString store = home.dataHome() + QStringLiteral("/brainloft/registry.reg");
    const QString registered = QString::fromUtf8(TemporaryHome::read(store));

    prompts.answer(IDOK);
    UninstallProgram(prompts, exe);
    expectClosingMessage(prompts);

    const QString left = QString::fromUtf8(TemporaryHome::read(store));
    EXPECT_EQ(left.toStdString(),
              "Windows Registry Editor Version 5.00\n" +
                  registered.mid(registered.indexOf(QStringLiteral("\n[HKEY_CLASSES_ROOT")))
                      .toStdString());
    EXPECT_TRUE(
        QFileInfo::exists(home.dataHome() + QStringLiteral("/applications/brainloft.desktop")));
    EXPECT_FALSE(QFileInfo::exists(exe));
}

TEST_F(UninstallTest, WithNothingRegisteredItOnlySaysSo)
{
    ScriptedPrompts prompts;
    prompts.answer(IDOK);
    UninstallProgram(prompts, exe);
    expectClosingMessage(prompts);
    EXPECT_FALSE(QFileInfo::exists(home.dataHome()));
    EXPECT_FALSE(QFileInfo::exists(home.configHome()));
}

TEST_F(UninstallTest, FilesOfTheSystemPackagesAreNotOursToDelete)
{
    EXPECT_TRUE(IsManagedBySystem(QStringLiteral("/usr/bin/brainloft")));
    EXPECT_TRUE(IsManagedBySystem(QStringLiteral("/usr/games/brainloft")));
    EXPECT_TRUE(IsManagedBySystem(QStringLiteral("/bin/brainloft")));
    EXPECT_FALSE(IsManagedBySystem(exe));

    // A system program's uninstall removes the user's entries only.
    ScriptedPrompts prompts;
    RegisterProgram(prompts, QStringLiteral("/usr/bin/brainloft"));
    prompts.answer(IDOK);
    UninstallProgram(prompts, QStringLiteral("/usr/bin/brainloft"));
    expectClosingMessage(prompts);
    EXPECT_TRUE(foldersIn(home.dataHome()).isEmpty());
}

TEST_F(UninstallTest, AProgramInAFolderItCannotWriteStays)
{
    if (RunAsOrdinaryUser())
        return; // root can write every folder
    const QString folder = home.path(QStringLiteral("apps"));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_TRUE(IsManagedBySystem(exe));
    registerAndUninstall();
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(QFileInfo::exists(exe));
    EXPECT_TRUE(foldersIn(home.dataHome()).isEmpty());
}
