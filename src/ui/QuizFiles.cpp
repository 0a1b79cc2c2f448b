// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/QuizFiles.h"

#include "model/Quiz.h"
#include "model/QuizFile.h"
#include "ui/ModalDialog.h"
#include "ui/Prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

// This file's texts, under "QuizFiles" in the catalogues.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(QuizFiles)
};

const QString BRAINLOFT = QStringLiteral("Brainloft");

} // namespace

QString pathToQString(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string pathFromQString(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString captionFileName(const std::string &path)
{
    const auto separator = path.find_last_of("/\\");
    if (separator == std::string::npos)
        return QString();
    return pathToQString(path.substr(separator + 1));
}

bool LoadQuizFile(Quiz &quiz, Prompts &prompts, const QString &path, QWidget *owner)
{
    switch (LoadQuizFromFile(pathFromQString(path), quiz)) {
    case LoadResult::Ok:
        // Absolute, so that the caption and the log beside the quiz do not
        // depend on the working directory, which a picture chooser may change.
        quiz.SetQuizPathName(pathFromQString(QFileInfo(path).absoluteFilePath()));
        return true;
    case LoadResult::OpenFailed:
        prompts.messageBox(owner, Texts::tr("Could not open\n%1").arg(path), BRAINLOFT,
                           MB_ICONINFORMATION);
        quiz.ClearQuiz();
        return false;
    case LoadResult::BadContent:
        break;
    }
    prompts.messageBox(owner, Texts::tr("File load failed"), BRAINLOFT, MB_ICONINFORMATION);
    quiz.ClearQuiz();
    quiz.SetQuizPathName({});
    return false;
}

bool SaveQuiz(Quiz &quiz, Prompts &prompts, QWidget *owner)
{
    if (quiz.pathName.empty() && ChooseQuizFileName(quiz, prompts, owner) != ModalDialog::Ok)
        return false;
    int error = 0;
    const QString path = pathToQString(quiz.pathName);
    switch (SaveQuizToFile(quiz, quiz.pathName, &error)) {
    case SaveResult::Ok:
        return true;
    case SaveResult::CreateFailed:
        prompts.messageBox(owner, Texts::tr("Could not create or access\n%1").arg(path),
                           Texts::tr("File Save Error"), MB_ICONINFORMATION);
        return false;
    case SaveResult::WriteFailed:
        break;
    }
    prompts.messageBox(owner,
                       Texts::tr("Could not write\n%1\n%2\nThe file on disk has not been "
                                 "changed.")
                           .arg(path, QString::fromLocal8Bit(std::strerror(error))),
                       Texts::tr("File Save Error"), MB_ICONINFORMATION);
    return false;
}

int ChooseQuizFileName(Quiz &quiz, Prompts &prompts, QWidget *owner)
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.defaultSuffix = QStringLiteral("blz");
    request.initialName =
        quiz.pathName.empty() ? Texts::tr("Untitled") : pathToQString(quiz.pathName);
    //: A file dialog filter: the name shown, then |*.blz|| as it is.
    request.filter = Texts::tr("Brainloft Files (*.blz)|*.blz||");
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const auto chosen = prompts.fileDialog(owner, request);
    if (!chosen)
        return ModalDialog::Cancel;
    quiz.SetQuizPathName(pathFromQString(QFileInfo(*chosen).absoluteFilePath()));
    return ModalDialog::Ok;
}

bool ConfirmSaveChanges(Quiz &quiz, Prompts &prompts, QWidget *owner)
{
    if (!quiz.modified || quiz.questionCount() == 0)
        return true;
    switch (prompts.messageBox(owner, Texts::tr("Save the current quiz?"), BRAINLOFT,
                               MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return SaveQuiz(quiz, prompts, owner);
    case IDNO:
        return true;
    default:
        return false;
    }
}
