// The main of every test program: widget tests need a QApplication, and run
// headless on the offscreen platform with a fixed code page and locale.

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("BRAINLOFT_CODEPAGE", "windows-1252");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brainloft"));
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
