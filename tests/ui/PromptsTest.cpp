// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Prompts.h"

#include "ModalScript.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

TEST(Prompts, FileFiltersConvertToQtForm)
{
    struct Case
    {
        const char *windows;
        const char *qt;
    } cases[] = {
        {"Brainloft Files (*.blz)|*.blz||", "Brainloft Files (*.blz)"},
        {"Windows Bitmaps (*.bmp)|*.bmp||", "Windows Bitmaps (*.bmp)"},
        {"Text files (*.txt)|*.txt|Log files (*.log)|*.log|All Files (*.*)|*.*||",
         "Text files (*.txt);;Log files (*.log);;All Files (*)"},
        {"Pictures|*.bmp;*.dib||", "Pictures (*.bmp *.dib)"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(qtFileFilter(QString::fromLatin1(c.windows)), QLatin1String(c.qt)) << c.windows;
}

TEST(Prompts, FileDialogsRefuseANameInAFolderThatDoesNotExist)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing/quiz.blz"));
    const QString good = dir.filePath(QStringLiteral("quiz.blz"));
    for (const auto mode : {FileDialogRequest::Mode::Save, FileDialogRequest::Mode::Open}) {
        FileDialogRequest request;
        request.mode = mode;
        request.defaultSuffix = QStringLiteral("blz");
        request.filter = QStringLiteral("Brainloft Files (*.blz)|*.blz||");
        request.pathMustExist = true;
        ModalScript script;
        script
            .then<QFileDialog>([&](QFileDialog &fileDialog) {
                // Through QDialog: QFileDialog makes accept() protected.
                QDialog &d = fileDialog;
                auto *name = d.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                ASSERT_NE(name, nullptr);
                name->setText(missing);
                d.accept(); // refused, with the message below
                EXPECT_TRUE(d.isVisible());
                name->setText(good);
                d.accept();
            })
            .then<QMessageBox>([&](QMessageBox &box) {
                EXPECT_EQ(box.text(),
                          QDir::toNativeSeparators(dir.filePath(QStringLiteral("missing"))) +
                              QStringLiteral("\nThe folder does not exist.\n"
                                             "Check the folder name and try again."));
                box.accept();
            });
        QtPrompts prompts;
        EXPECT_EQ(prompts.fileDialog(nullptr, request), std::optional<QString>(good));
        EXPECT_TRUE(script.finished());
    }
}
