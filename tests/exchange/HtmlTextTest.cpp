// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/HtmlText.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

TEST(HtmlText, ToPlain)
{
    const struct
    {
        const char *html;
        const char *plain;
    } cases[] = {
        {"plain text", "plain text"},
        {"<p>One</p><p>Two</p>", "One\n\nTwo"}, // paragraphs keep a blank line between them
        {"a<br>b<BR/>c", "a\nb\nc"},
        {"<b>bold</b>  and\n\t<i>spaced</i>", "bold and spaced"},
        {"&lt;tag&gt; &amp; &quot;q&quot; &#233; &#x41; &eacute;&nbsp;x", "<tag> & \"q\" \xC3\xA9 A \xC3\xA9\xC2\xA0x"},
        {"&unknown; &#0; &#xD800; &", "&unknown; &#0; &#xD800; &"},
        {"<script>alert(1)</script>kept<style>p{}</style>", "kept"},
        {"<!-- comment -->after", "after"},
        {"x < y and <unclosed", "x < y and <unclosed"},
        {"<ul><li>one</li><li>two</li></ul>", "one\n\ntwo"},
        {"one<br><br><br><br>two", "one\n\ntwo"}, // never more than one blank line
        {"<p></p><p></p><p>far</p>", "far"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HtmlText::toPlain(QString::fromUtf8(c.html)), QString::fromUtf8(c.plain)) << c.html;
}

TEST(HtmlText, FromPlainReadsBack)
{
    for (const char *plain : {"a < b & c > d", "two\nlines", "\"quoted\" 'single'", "caf\xC3\xA9"}) {
        const QString text = QString::fromUtf8(plain);
        EXPECT_EQ(HtmlText::toPlain(HtmlText::fromPlain(text)), text) << plain;
    }
    EXPECT_EQ(HtmlText::fromPlain(QStringLiteral("a<b\nc")), QStringLiteral("a&lt;b<br>c"));
}

// Each '&' looks ahead only as far as a reference can reach: a text of
// many that never closes is read in one pass, not one pass per '&'.
TEST(HtmlText, ManyUnclosedReferencesAreReadInOnePass)
{
    const QString html = QString(u'&').repeated(2'000'000);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(HtmlText::toPlain(html), html);
    EXPECT_LT(timer.elapsed(), 2000);
}
