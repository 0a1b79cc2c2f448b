// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// HTML in question texts (Moodle XML, GIFT's [html], Anki fields) becomes
// plain text: tags removed, <br> and the end of a paragraph, div or list item
// as line breaks, character references decoded. It never fails; whatever is
// not understood is kept as it stands.

#include <QString>

namespace HtmlText {

[[nodiscard]] QString toPlain(const QString &html);
// Plain text as HTML: the special characters escaped, line breaks as <br>.
[[nodiscard]] QString fromPlain(const QString &plain);

} // namespace HtmlText
