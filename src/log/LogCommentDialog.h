// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ModalDialog.h"

#include <memory>
#include <string>

class Prompts;
namespace Ui {
class LogCommentDialog;
}

// Asks the taker for a comment (name, student number) that identifies the
// log entry of the run just finished. OK logs with the comment, "Don't log
// my score!" logs nothing. The field starts with the word Comment selected,
// so the first key typed replaces it.
class LogCommentDialog : public ModalDialog
{
    Q_OBJECT

public:
    static constexpr int MAX_COMMENT_LENGTH = 64;

    explicit LogCommentDialog(Prompts &prompts, QWidget *parent = nullptr);
    ~LogCommentDialog() override;

    // The comment confirmed with OK, in the log's code page: as typed, blanks
    // included, or "No comment" when the field was empty.
    [[nodiscard]] const std::string &comment() const { return m_comment; }

protected:
    // Refuses, with a message, characters that the code page cannot hold,
    // rather than log a damaged comment.
    void onOk() override;

private:
    std::unique_ptr<Ui::LogCommentDialog> ui;
    Prompts &m_prompts;
    std::string m_comment = "Comment";
};
