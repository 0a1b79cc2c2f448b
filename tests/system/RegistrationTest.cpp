// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedPrompts.h"
#include "TemporaryHome.h"

#include "system/DesktopIntegration.h"
#include "system/Registration.h"
#include "system/Uninstall.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include <sys/stat.h>

namespace {

const QString QUESTION =
    QStringLiteral("Do you wish to associate the .BLZ extension with Brainloft?");
const QByteArray OTHER_ENTRY = "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n";

class RegistrationTest : public ::testing::Test
{
protected:
    QString program(const QString &folder = QStringLiteral("bin"))
    {
        return home.writeFile(folder + QStringLiteral("/brainloft"), "#!/bin/sh\n", true);
    }
    [[nodiscard]] QString data(const QString &relative) const
    {
        return home.dataHome() + u'/' + relative;
    }
    [[nodiscard]] QString storeText() const
    {
        return QString::fromUtf8(
            TemporaryHome::read(data(QStringLiteral("brainloft/registry.reg"))));
    }
    [[nodiscard]] QByteArray mimeApps() const
    {
        return TemporaryHome::read(home.configHome() + QStringLiteral("/mimeapps.list"));
    }
    // The store's keys under HKEY_CLASSES_ROOT with their values.
    [[nodiscard]] std::string classesPart() const
    {
        QString part;
        for (const QString &block : storeText().split(QStringLiteral("\n\n"))) {
            if (block.startsWith(QStringLiteral("[HKEY_CLASSES_ROOT")))
                part += block.trimmed() + u'\n';
        }
        return part.toStdString();
    }

    TemporaryHome home;
};

} // namespace

TEST_F(RegistrationTest, FirstStartWritesAllTenValuesAndTheDesktopFilesWithoutAsking)
{
    const QString exe = program();
    ScriptedPrompts prompts;
    RegisterProgram(prompts, exe);

    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_EQ(storeText().toStdString(), registeredText(exe).toStdString());

    const QString open = QString::fromUtf8(
        TemporaryHome::read(data(QStringLiteral("applications/brainloft.desktop"))));
    EXPECT_TRUE(open.contains(QStringLiteral("\nExec=%1 %f\n").arg(exe))) << open.toStdString();
    EXPECT_TRUE(open.contains(QStringLiteral("\nTryExec=%1\n").arg(exe)));
    EXPECT_TRUE(open.contains(QStringLiteral("\nMimeType=application/x-brainloft-quiz;\n")));
    const QString edit = QString::fromUtf8(
        TemporaryHome::read(data(QStringLiteral("applications/brainloft-edit.desktop"))));
    EXPECT_TRUE(edit.contains(QStringLiteral("\nExec=%1 --edit %f\n").arg(exe)));
    EXPECT_TRUE(edit.contains(QStringLiteral("\nName=Edit quiz\n")));
    EXPECT_TRUE(edit.contains(QStringLiteral("\nNoDisplay=true\n")));

    EXPECT_TRUE(TemporaryHome::read(data(QStringLiteral("mime/packages/brainloft.xml")))
                    .contains("<glob pattern=\"*.blz\"/>"));
    for (const char *icon :
         {"icons/hicolor/48x48/apps/brainloft.png", "icons/hicolor/scalable/apps/brainloft.svg",
          "icons/hicolor/16x16/mimetypes/application-x-brainloft-quiz.png",
          "icons/hicolor/256x256/mimetypes/application-x-brainloft-quiz.png",
          "icons/hicolor/scalable/mimetypes/application-x-brainloft-quiz.svg"})
        EXPECT_GT(QFileInfo(data(QString::fromLatin1(icon))).size(), 100) << icon;
    EXPECT_EQ(mimeApps(),
              "[Default Applications]\napplication/x-brainloft-quiz=brainloft.desktop;\n");
}

TEST_F(RegistrationTest, AStartFromAnotherFolderRewritesEveryPath)
{
    ScriptedPrompts prompts;
    RegisterProgram(prompts, program());
    const QString moved = program(QStringLiteral("Other Programs/$HOME's \"Quiz\" Tools"));
    RegisterProgram(prompts, moved);

    EXPECT_EQ(storeText().toStdString(), registeredText(moved).toStdString());
    const QString open = QString::fromUtf8(
        TemporaryHome::read(data(QStringLiteral("applications/brainloft.desktop"))));
    // Quoted for Exec ($ and " escaped), then each backslash escaped again.
    QString quoted = moved;
    quoted.replace(u'$', QStringLiteral("\\\\$")).replace(u'"', QStringLiteral("\\\\\""));
    EXPECT_TRUE(open.contains(QStringLiteral("\nExec=\"%1\" %f\n").arg(quoted)))
        << open.toStdString();
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(RegistrationTest, AStartWithNothingToChangeWritesNothing)
{
    ScriptedPrompts prompts;
    const QString exe = program();
    RegisterProgram(prompts, exe);
    const auto identity = [](const QString &path) {
        struct stat info
        {
        };
        ::stat(QFile::encodeName(path).constData(), &info);
        return std::pair(info.st_ino, info.st_mtim.tv_nsec);
    };
    std::map<QString, std::pair<ino_t, long>> before;
    for (const auto &[path, content] : home.snapshot())
        before[path] = identity(home.path(path));

    RegisterProgram(prompts, exe);

    for (const auto &[path, content] : home.snapshot())
        EXPECT_EQ(identity(home.path(path)), before[path]) << path.toStdString();
}

TEST_F(RegistrationTest, DocumentTypeInOtherLetterCaseIsOurs)
{
    home.writeFile(QStringLiteral(".local/share/brainloft/registry.reg"),
                   "[HKEY_CLASSES_ROOT\\.blz]\n@=\"bRAINLOFT.dOCUMENT\"\n");
    ScriptedPrompts prompts;
    const QString exe = program();
    RegisterProgram(prompts, exe);
    EXPECT_TRUE(prompts.calls().empty());
    // The key keeps its place and takes the proper spelling.
    EXPECT_TRUE(storeText().contains(
        QStringLiteral("[HKEY_CLASSES_ROOT\\.blz]\n@=\"Brainloft.Document\"\n")));
}

TEST_F(RegistrationTest, ADefaultNamingAProgramThatIsGoneDoesNotCount)
{
    home.writeFile(QStringLiteral(".config/mimeapps.list"),
                   "[Default Applications]\napplication/x-brainloft-quiz=gone.desktop;\n");
    ScriptedPrompts prompts;
    RegisterProgram(prompts, program());
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_EQ(mimeApps(),
              "[Default Applications]\napplication/x-brainloft-quiz=brainloft.desktop;\n");
}

// The ways another program can hold *.blz: in the store, in the mime
// database, or as the default application.
struct TakenCase
{
    const char *name;
    std::function<void(TemporaryHome &)> take;
    bool needsMimeTool; // taking it back needs a rebuilt mime database
};

void PrintTo(const TakenCase &taken, std::ostream *out)
{
    *out << taken.name;
}

// Another type's glob for quiz files, heavier than the default weight.
void takeByHeavierGlob(TemporaryHome &home)
{
    home.writeFile(QStringLiteral("usr/share/mime/globs2"),
                   "# generated\n60:application/x-other:*.blz\n50:text/plain:*.txt\n");
}

// The user's own list for the current desktop, which comes before
// mimeapps.list, names another default.
void takeByTheUsersDesktop(TemporaryHome &home)
{
    home.setVariable("XDG_CURRENT_DESKTOP", "GNOME");
    home.writeFile(QStringLiteral("usr/share/applications/other.desktop"), OTHER_ENTRY);
    home.writeFile(QStringLiteral(".config/gnome-mimeapps.list"),
                   "[Default Applications]\napplication/x-brainloft-quiz=other.desktop;\n");
}

class TakenExtension : public RegistrationTest, public ::testing::WithParamInterface<TakenCase>
{
};

TEST_P(TakenExtension, AsksAtEveryStartAndNoLeavesItsEntriesAlone)
{
    GetParam().take(home);
    const QByteArray mimeAppsBefore = mimeApps();
    const std::string classesBefore = classesPart();
    const QString exe = program();

    ScriptedPrompts prompts;
    prompts.answer(IDNO).answer(IDNO);
    RegisterProgram(prompts, exe);
    RegisterProgram(prompts, exe);

    ASSERT_EQ(prompts.calls().size(), 2u);
    for (const auto &call : prompts.calls()) {
        EXPECT_EQ(call.text.toStdString(), QUESTION.toStdString());
        EXPECT_EQ(call.caption.toStdString(), "Brainloft");
        EXPECT_EQ(call.flags, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(call.owner, nullptr);
    }
    // The uninstall entry is written all the same; nothing of the association.
    EXPECT_TRUE(storeText().contains(
        QStringLiteral("\"UninstallString\"=\"\\\"%1\\\" /uninstall\"").arg(exe)));
    EXPECT_EQ(classesPart(), classesBefore);
    EXPECT_EQ(mimeApps(), mimeAppsBefore);
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("applications/brainloft.desktop"))));
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("mime/packages/brainloft.xml"))));

    // Yes takes it over, and from then on it is ours.
    prompts.clear();
    prompts.answer(IDYES);
    RegisterProgram(prompts, exe);
    const QString expected = registeredText(exe);
    EXPECT_TRUE(storeText().contains(QStringLiteral("@=\"Brainloft.Document\"\n")));
    EXPECT_TRUE(storeText().endsWith(
        expected.mid(expected.indexOf(QStringLiteral("[HKEY_CLASSES_ROOT\\Brainloft.Document]")))));
    EXPECT_TRUE(QFileInfo::exists(data(QStringLiteral("applications/brainloft.desktop"))));
    EXPECT_TRUE(mimeApps().contains("application/x-brainloft-quiz=brainloft.desktop;\n"));

    if (GetParam().needsMimeTool &&
        QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        return;
    prompts.clear();
    RegisterProgram(prompts, exe);
    EXPECT_TRUE(prompts.calls().empty());

    // The uninstall finds it ours too, and takes every entry of ours away.
    prompts.answer(IDOK);
    UninstallProgram(prompts, exe);
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("applications/brainloft.desktop"))));
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("mime/packages/brainloft.xml"))));
    for (const auto &[path, content] : home.snapshot(QStringLiteral(".config")))
        EXPECT_FALSE(content.contains("brainloft")) << path.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Registration, TakenExtension,
    ::testing::Values(
        TakenCase{"OtherDocumentTypeInTheStore",
                  [](TemporaryHome &home) {
                      home.writeFile(QStringLiteral(".local/share/brainloft/registry.reg"),
                                     "[HKEY_CLASSES_ROOT\\.blz]\n@=\"Other.Document\"\n");
                  },
                  false},
        TakenCase{"StoreKeyWithoutDefaultValue",
                  [](TemporaryHome &home) {
                      home.writeFile(QStringLiteral(".local/share/brainloft/registry.reg"),
                                     "[HKEY_CLASSES_ROOT\\.blz]\n\"Content Type\"=\"x\"\n");
                  },
                  false},
        TakenCase{"StoreDefaultValueNotAString",
                  [](TemporaryHome &home) {
                      home.writeFile(QStringLiteral(".local/share/brainloft/registry.reg"),
                                     "[HKEY_CLASSES_ROOT\\.blz]\n@=dword:00000001\n");
                  },
                  false},
        TakenCase{"GlobOfAnotherMimeType",
                  [](TemporaryHome &home) {
                      home.writeFile(QStringLiteral("usr/share/mime/globs2"),
                                     "# generated\n50:application/x-other:*.BLZ\n");
                  },
                  true},
        TakenCase{"HeavierGlobOfAnotherMimeType",
                  [](TemporaryHome &home) { takeByHeavierGlob(home); }, true},
        TakenCase{"DefaultApplicationOfTheUsersDesktop",
                  [](TemporaryHome &home) { takeByTheUsersDesktop(home); }, false},
        TakenCase{"HeavierGlobAndTheUsersDesktopDefault",
                  [](TemporaryHome &home) {
                      takeByHeavierGlob(home);
                      takeByTheUsersDesktop(home);
                  },
                  true},
        TakenCase{"DefaultApplicationOfTheUser",
                  [](TemporaryHome &home) {
                      home.writeFile(QStringLiteral("usr/share/applications/other.desktop"),
                                     OTHER_ENTRY);
                      home.writeFile(QStringLiteral(".config/mimeapps.list"),
                                     "# mine\n[Added Associations]\ntext/plain=other.desktop;\n\n"
                                     "[Default Applications]\ntext/plain=other.desktop;\n"
                                     "application/x-brainloft-quiz=other.desktop;\n");
                  },
                  false},
        TakenCase{"DefaultApplicationOfTheDesktop",
                  [](TemporaryHome &home) {
                      home.setVariable("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
                      home.writeFile(
                          QStringLiteral(".local/share/applications/vendor/other.desktop"),
                          OTHER_ENTRY);
                      home.writeFile(QStringLiteral("etc/xdg/gnome-mimeapps.list"),
                                     "[Default Applications]\n"
                                     "application/x-brainloft-quiz=vendor-other.desktop;\n");
                  },
                  false}),
    [](const ::testing::TestParamInfo<TakenCase> &info) { return info.param.name; });

TEST(MimeDatabase, QuizFilesAreOursOrFreeAsTheGlobsSay)
{
    // globs2 of the system's data folder and of the user's; whether *.blz
    // is then ours or free.
    struct Case
    {
        const char *name;
        const char *system;
        const char *user;
        bool oursOrFree;
    } cases[] = {
        {"another type", "50:application/x-other:*.blz\n", "", false},
        {"in other letter case", "50:application/x-other:*.BLZ\n", "", false},
        {"case-sensitive in other case", "50:application/x-other:*.BLZ:cs,other\n", "", true},
        {"a character class", "50:application/x-other:*.[bB][lL][zZ]\n", "", false},
        {"a wildcard last", "50:application/x-other:*.bl?\n", "", false},
        {"another extension", "50:application/x-other:*.blz.gz\n50:text/plain:*.txt\n", "", true},
        {"dropped by the user's folder", "50:application/x-other:*.blz\n",
         "0:application/x-other:__NOGLOBS__\n50:application/x-other:*.other\n", true},
        {"outweighed by ours", "60:application/x-other:*.blz\n",
         "61:application/x-brainloft-quiz:*.blz\n", true},
        {"shared at the same weight", "50:application/x-other:*.blz\n",
         "50:application/x-brainloft-quiz:*.blz\n", true},
        {"a longer pattern wins the tie", "50:application/x-other:quiz.blz\n",
         "50:application/x-brainloft-quiz:*.blz\n", false},
        {"lines that are no globs", "# comment\n\nnonsense\nx:y\nheavy:application/x-other:*.blz\n",
         "", true},
    };
    for (const Case &c : cases) {
        TemporaryHome home;
        home.writeFile(QStringLiteral("usr/share/mime/globs2"), c.system);
        home.writeFile(QStringLiteral(".local/share/mime/globs2"), c.user);
        EXPECT_EQ(DesktopIntegration(home.xdgPaths()).isOursOrFree(), c.oursOrFree) << c.name;
    }
}
