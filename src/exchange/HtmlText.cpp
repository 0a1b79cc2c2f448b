// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/HtmlText.h"

#include <QHash>

#include <optional>
#include <utility>

namespace {

// The named references of HTML 4's Latin-1 range, U+00A0 to U+00FF in order,
// and the few others that editors commonly write.
const QHash<QString, char32_t> &namedReferences()
{
    static const QHash<QString, char32_t> references = [] {
        static const char *const latin1[] = {
            "nbsp", "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect", "uml", "copy",
            "ordf", "laquo", "not", "shy", "reg", "macr", "deg", "plusmn", "sup2", "sup3",
            "acute", "micro", "para", "middot", "cedil", "sup1", "ordm", "raquo", "frac14",
            "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc", "Atilde", "Auml", "Aring",
            "AElig", "Ccedil", "Egrave", "Eacute", "Ecirc", "Euml", "Igrave", "Iacute", "Icirc",
            "Iuml", "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde", "Ouml", "times",
            "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute", "THORN", "szlig", "agrave",
            "aacute", "acirc", "atilde", "auml", "aring", "aelig", "ccedil", "egrave", "eacute",
            "ecirc", "euml", "igrave", "iacute", "icirc", "iuml", "eth", "ntilde", "ograve",
            "oacute", "ocirc", "otilde", "ouml", "divide", "oslash", "ugrave", "uacute", "ucirc",
            "uuml", "yacute", "thorn", "yuml"};
        QHash<QString, char32_t> table;
        char32_t code = 0xA0;
        for (const char *name : latin1)
            table.insert(QString::fromLatin1(name), code++);
        const std::pair<const char *, char32_t> others[] = {
            {"amp", '&'},        {"lt", '<'},         {"gt", '>'},        {"quot", '"'},
            {"apos", '\''},      {"ndash", 0x2013},   {"mdash", 0x2014},  {"lsquo", 0x2018},
            {"rsquo", 0x2019},   {"sbquo", 0x201A},   {"ldquo", 0x201C},  {"rdquo", 0x201D},
            {"bdquo", 0x201E},   {"bull", 0x2022},    {"hellip", 0x2026}, {"euro", 0x20AC},
            {"trade", 0x2122},   {"minus", 0x2212},   {"le", 0x2264},     {"ge", 0x2265},
            {"ne", 0x2260},      {"larr", 0x2190},    {"rarr", 0x2192},   {"OElig", 0x152},
            {"oelig", 0x153},    {"Scaron", 0x160},   {"scaron", 0x161},  {"Yuml", 0x178}};
        for (const auto &[name, value] : others)
            table.insert(QString::fromLatin1(name), value);
        return table;
    }();
    return references;
}

// The character a reference starting at `at` (on the '&') stands for, and
// its length; nothing when it is no reference we know.
std::optional<std::pair<QString, qsizetype>> reference(const QString &html, qsizetype at)
{
    // The longest reference we know is short: never look further for its
    // ';', or a text of many '&' would be searched to its end for each.
    const qsizetype found = QStringView(html).mid(at + 1, 12).indexOf(u';');
    if (found < 0)
        return std::nullopt;
    const qsizetype end = at + 1 + found;
    const QString name = html.mid(at + 1, end - at - 1);
    char32_t code = 0;
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint value = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)
                               ? name.mid(2).toUInt(&ok, 16)
                               : name.mid(1).toUInt(&ok, 10);
        if (!ok || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        code = value;
    } else {
        const auto found = namedReferences().constFind(name);
        if (found == namedReferences().constEnd())
            return std::nullopt;
        code = *found;
    }
    return std::pair{QString::fromUcs4(&code, 1), end - at + 1};
}

bool breaksLine(QStringView tag)
{
    static const char *const blocks[] = {"p", "div", "li", "tr", "h1", "h2", "h3",
                                         "h4", "h5", "h6", "ul", "ol", "table", "pre"};
    if (tag.compare(QLatin1String("br"), Qt::CaseInsensitive) == 0)
        return true;
    for (const char *block : blocks) {
        if (tag.compare(QLatin1String(block), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

namespace HtmlText {

QString toPlain(const QString &html)
{
    QString out;
    out.reserve(html.size());
    bool pendingSpace = false;
    auto addText = [&](QStringView text) {
        for (const QChar c : text) {
            if (c.isSpace() && c != QChar(0xA0)) {
                pendingSpace = !out.isEmpty() && !out.endsWith(u'\n');
                continue;
            }
            if (pendingSpace)
                out += u' ';
            pendingSpace = false;
            out += c;
        }
    };
    auto addBreak = [&] {
        pendingSpace = false;
        while (out.endsWith(u' '))
            out.chop(1);
        if (!out.isEmpty() && !out.endsWith(QLatin1String("\n\n")))
            out += u'\n';
    };

    qsizetype i = 0;
    const qsizetype size = html.size();
    while (i < size) {
        const QChar c = html.at(i);
        if (c == u'<' && i + 1 < size &&
            (html.at(i + 1).isLetter() || html.at(i + 1) == u'/' || html.at(i + 1) == u'!')) {
            if (html.mid(i, 4) == QLatin1String("<!--")) {
                const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
                i = end < 0 ? size : end + 3;
                continue;
            }
            const qsizetype end = html.indexOf(u'>', i + 1);
            if (end < 0) { // an unclosed tag: keep the rest as text
                addText(QStringView(html).mid(i));
                break;
            }
            const bool closing = html.at(i + 1) == u'/';
            qsizetype nameStart = i + (closing ? 2 : 1);
            qsizetype nameEnd = nameStart;
            while (nameEnd < end && html.at(nameEnd).isLetterOrNumber())
                ++nameEnd;
            const QStringView name = QStringView(html).mid(nameStart, nameEnd - nameStart);
            i = end + 1;
            if (!closing && (name.compare(QLatin1String("script"), Qt::CaseInsensitive) == 0 ||
                             name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0)) {
                const QString close = QLatin1String("</") + name.toString();
                const qsizetype skip = html.indexOf(close, i, Qt::CaseInsensitive);
                i = skip < 0 ? size : skip;
                continue;
            }
            if (breaksLine(name))
                addBreak();
            continue;
        }
        if (c == u'&') {
            if (const auto decoded = reference(html, i)) {
                addText(decoded->first);
                i += decoded->second;
                continue;
            }
        }
        addText(QStringView(&c, 1));
        ++i;
    }
    while (out.endsWith(u'\n') || out.endsWith(u' '))
        out.chop(1);
    return out;
}

QString fromPlain(const QString &plain)
{
    QString html = plain.toHtmlEscaped();
    html.replace(u'\n', QLatin1String("<br>"));
    return html;
}

} // namespace HtmlText
