// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/MimeAppsList.h"

#include <gtest/gtest.h>

namespace {

const QString TYPE = QStringLiteral("application/x-brainloft-quiz");
const QStringList OURS{QStringLiteral("brainloft.desktop"),
                       QStringLiteral("brainloft-edit.desktop")};

struct EditCase
{
    const char *name;
    const char *before;
    const char *withDefault;
};

void PrintTo(const EditCase &edit, std::ostream *out)
{
    *out << edit.name;
}

class MimeAppsEdit : public ::testing::TestWithParam<EditCase>
{
};

} // namespace

TEST_P(MimeAppsEdit, SetsTheDefaultKeepingEveryOtherLineAndTakesItOutAgain)
{
    const QString before = QString::fromUtf8(GetParam().before);
    const QString with = withDefaultApplication(before, TYPE, QStringLiteral("brainloft.desktop"));
    EXPECT_EQ(with.toStdString(), GetParam().withDefault);
    EXPECT_EQ(defaultApplications(with, TYPE), QStringList{QStringLiteral("brainloft.desktop")});
    // Setting it again changes nothing.
    EXPECT_EQ(withDefaultApplication(with, TYPE, QStringLiteral("brainloft.desktop")), with);
}

INSTANTIATE_TEST_SUITE_P(
    MimeAppsList, MimeAppsEdit,
    ::testing::Values(
        EditCase{"NoFile", "",
                 "[Default Applications]\napplication/x-brainloft-quiz=brainloft.desktop;\n"},
        EditCase{"NoGroup", "# mine\n[Added Associations]\ntext/plain=a.desktop;",
                 "# mine\n[Added Associations]\ntext/plain=a.desktop;\n\n[Default Applications]\n"
                 "application/x-brainloft-quiz=brainloft.desktop;\n"},
        EditCase{
            "GroupAmongOthers",
            "[Default Applications]\ntext/plain=a.desktop;\n\n[Added Associations]\nx/y=b;\n",
            "[Default Applications]\ntext/plain=a.desktop;\n"
            "application/x-brainloft-quiz=brainloft.desktop;\n\n[Added Associations]\nx/y=b;\n"},
        EditCase{"OtherDefaultReplaced",
                 "[Default Applications]\n# keep\nApplication/X-Brainloft-Quiz = other.desktop;b;\n"
                 "text/plain=a.desktop;\napplication/x-brainloft-quiz=third.desktop\n",
                 "[Default Applications]\n# keep\napplication/x-brainloft-quiz=brainloft.desktop;\n"
                 "text/plain=a.desktop;\n"},
        EditCase{"OtherGroupsOfTheSameTypeUntouched",
                 "[Added Associations]\napplication/x-brainloft-quiz=other.desktop;\n",
                 "[Added Associations]\napplication/x-brainloft-quiz=other.desktop;\n\n"
                 "[Default Applications]\napplication/x-brainloft-quiz=brainloft.desktop;\n"}),
    [](const ::testing::TestParamInfo<EditCase> &info) { return info.param.name; });

TEST(MimeAppsList, RemovingOurDefaultRestoresTheFileWeFound)
{
    for (const char *original :
         {"", "# mine\n[Added Associations]\ntext/plain=a.desktop;\n",
          "[Default Applications]\ntext/plain=a.desktop;\n\n[Added Associations]\nx/y=b;\n"}) {
        const QString text = QString::fromUtf8(original);
        const QString with =
            withDefaultApplication(text, TYPE, QStringLiteral("brainloft.desktop"));
        EXPECT_EQ(withoutDefaultApplications(with, TYPE, OURS).toStdString(), original);
    }
}

TEST(MimeAppsList, RemovingTakesOnlyOurEntriesOutOfALine)
{
    const QString text = QStringLiteral(
        "[Default "
        "Applications]\napplication/x-brainloft-quiz=brainloft-edit.desktop;other.desktop;\n");
    EXPECT_EQ(withoutDefaultApplications(text, TYPE, OURS).toStdString(),
              "[Default Applications]\napplication/x-brainloft-quiz=other.desktop;\n");
    const QString others =
        QStringLiteral("[Default Applications]\napplication/x-brainloft-quiz=x;\n");
    EXPECT_EQ(withoutDefaultApplications(others, TYPE, OURS), others);
}
