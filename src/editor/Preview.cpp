#include "editor/Preview.h"

// PLACEHOLDER: the question screens are not in this branch yet. When they
// are, each body becomes
//
//     QuestionDialog screen(quiz, prompts, parent);   // FlashCardDialog
//     screen.question = &question;
//     screen.questionNumber = number;
//     screen.previewMode = true;
//     (void)screen.exec();
//
// with #include "taking/QuestionDialog.h" and "taking/FlashCardDialog.h".
// Until then a preview validates and fills its question and shows nothing.

void PreviewQuestion(Quiz & /*quiz*/, Prompts & /*prompts*/, CQuestion & /*question*/,
                     unsigned /*number*/, QWidget * /*parent*/)
{}

void PreviewFlashCard(Quiz & /*quiz*/, Prompts & /*prompts*/, CQuestion & /*question*/,
                      unsigned /*number*/, QWidget * /*parent*/)
{}
