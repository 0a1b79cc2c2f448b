// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/QuizPrint.h"

#include "model/Quiz.h"
#include "print/PrintLayout.h"
#include "taking/ImageFiles.h"
#include "ui/CodePage.h"
#include "ui/FontConversion.h"
#include "ui/QuizFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSet>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// This file's texts, under "QuizPrint" in the catalogues.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(QuizPrint)
};

QString pointsText(long long points)
{
    return points == 1 ? Texts::tr("1 point") : Texts::tr("%1 points").arg(points);
}

QString timeLimitText(int seconds)
{
    return seconds == 1 ? Texts::tr("Time limit: 1 second")
                        : Texts::tr("Time limit: %1 seconds").arg(seconds);
}

// Quiz text as one paragraph whose line breaks stay line breaks.
QString plainText(const std::string &bytes)
{
    QString text = CodePage::toUnicode(bytes);
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

const QColor INK(0, 0, 0);
const QColor GREY(85, 85, 85);
const QColor LIGHT(170, 170, 170);
const QColor FAINT(215, 215, 215);

// Text laid out once for the device, drawn wherever its block goes.
struct TextPiece
{
    std::shared_ptr<QTextLayout> layout;
    double height = 0;
    double naturalWidth = 0;
    double ascent = 0; // of the first line
};

struct Item
{
    enum class Kind { Text, Box, Picture, Frame, Line, DottedLine };
    Kind kind = Kind::Text;
    QPointF at;
    TextPiece text;
    QRectF rect; // Box, Picture, Frame; a line runs from its top left to its bottom right
    QImage image;
    QColor colour = INK;
};

// A question, a header or a row of the key: items placed from the block's
// top-left corner.
struct Block
{
    double height = 0;
    std::vector<Item> items;

    void addText(const TextPiece &piece, double x, double y, QColor colour = INK)
    {
        Item item;
        item.kind = Item::Kind::Text;
        item.at = {x, y};
        item.text = piece;
        item.colour = colour;
        items.push_back(std::move(item));
    }
    void addShape(Item::Kind kind, const QRectF &rect, QColor colour = INK)
    {
        Item item;
        item.kind = kind;
        item.rect = rect;
        item.colour = colour;
        items.push_back(std::move(item));
    }
};

// The quiz's pictures, each found and loaded once per print.
class Pictures
{
public:
    explicit Pictures(const Quiz &quiz)
        : m_folder(quizFolderOf(pathToQString(quiz.pathName)))
    {}

    // The picture at its own size, or a null image with `problem` saying
    // why it is missing.
    QImage original(const QString &stored, QString &problem)
    {
        if (const auto known = m_problems.constFind(stored); known != m_problems.constEnd()) {
            problem = *known;
            return QImage();
        }
        if (const auto loaded = m_images.constFind(stored); loaded != m_images.constEnd())
            return *loaded;
        QString found;
        QImage image;
        if (!LocateImageFile(stored, found, m_folder)) {
            problem = Texts::tr("Picture not found: %1").arg(stored);
        } else {
            image = LoadBitmapFile(found);
            if (image.isNull())
                problem = Texts::tr("Picture cannot be read: %1").arg(stored);
        }
        if (image.isNull()) {
            m_problems.insert(stored, problem);
            m_notes << problem;
        } else {
            m_images.insert(stored, image);
        }
        return image;
    }

    // The picture for a place `inches` wide: a large picture is reduced
    // once to what a 300 dpi printer can show, so that a document does not
    // carry megapixels for a thumbnail. The same image is handed out for
    // every place of the same width, so a PDF stores it once.
    QImage forWidth(const QString &stored, const QImage &original, double inches)
    {
        const int wanted = std::max(1, int(std::ceil(inches * 300)));
        if (original.width() <= 2 * wanted)
            return original;
        const QString key = stored + QLatin1Char('@') + QString::number(wanted);
        auto scaled = m_scaled.constFind(key);
        if (scaled == m_scaled.constEnd())
            scaled = m_scaled.insert(key, original.scaledToWidth(wanted, Qt::SmoothTransformation));
        return *scaled;
    }

    [[nodiscard]] const QStringList &notes() const { return m_notes; }

private:
    QString m_folder;
    QHash<QString, QImage> m_images;
    QHash<QString, QImage> m_scaled;
    QHash<QString, QString> m_problems;
    QStringList m_notes;
};

// Pages of the whole document as they are begun; those outside the asked
// range are laid out but not drawn.
class PageStream
{
public:
    PageStream(QPagedPaintDevice &device, int from, int to)
        : m_device(device)
        , m_from(from)
        , m_to(to)
    {}

    // Starts the next page; false when it is not to be drawn.
    bool begin()
    {
        ++m_number;
        if ((m_from > 0 && m_number < m_from) || (m_to > 0 && m_number > m_to))
            return false;
        if (m_emitted && !m_device.newPage())
            m_failed = true;
        m_emitted = true;
        return !m_failed;
    }
    [[nodiscard]] int count() const { return m_number; }
    [[nodiscard]] bool failed() const { return m_failed; }

private:
    QPagedPaintDevice &m_device;
    int m_from, m_to;
    int m_number = 0;
    bool m_emitted = false; // the painter's first page is open from the start
    bool m_failed = false;
};

class QuizPrinter
{
public:
    QuizPrinter(const Quiz &quiz, const PrintRequest &request, QPagedPaintDevice &device,
                QPainter &painter);

    void run();
    [[nodiscard]] int pages() const { return m_pages.count(); }
    [[nodiscard]] bool failed() const { return m_pages.failed(); }
    [[nodiscard]] QStringList notes() const { return m_pictures.notes(); }

private:
    // Lengths in device pixels.
    [[nodiscard]] double mm(double millimetres) const { return millimetres * m_dpi / 25.4; }
    [[nodiscard]] double pt(double points) const { return points * m_dpi / 72.0; }

    TextPiece text(const QString &text, const QFont &font, double width,
                   Qt::Alignment alignment = Qt::AlignLeft) const;
    // Shrinks the font until the text fits the height (down to half size).
    TextPiece fittedText(const QString &text, QFont font, double width, double height) const;
    [[nodiscard]] QFont font(double points, bool bold = false, bool italic = false) const;
    [[nodiscard]] QFont questionFont(const CQuestion &question, double points) const;

    // The question's picture, or the framed note that stands in for it,
    // centred or at the left of the width; returns the height used.
    double addPicture(Block &block, const CQuestion &question, double x, double y, double width,
                      double maxHeight, bool centred);

    [[nodiscard]] QString versionName(int version) const;
    [[nodiscard]] QString versionSuffix(int version) const;
    [[nodiscard]] double pageSpace() const { return m_content.height() - m_footerHeight; }

    void drawBlock(const Block &block, QPointF origin);
    void drawFooter(const QString &left, int page, int pageCount);
    // Lays blocks out under a first block (a header) and a block repeated at
    // the top of every page (a table's header row), and draws the pages.
    void drawFlow(const Block &first, const Block &repeated, const std::vector<Block> &blocks,
                  double gap, const QString &footer);

    void paper(int version);
    Block paperHeader(int version) const;
    Block questionBlock(const PrintedQuestion &printed, int number);
    void cardSheets(int version);
    void drawCard(const QRectF &cell, const CQuestion &question, int number, bool back);
    void key(int version);
    Block titleBlock(const QString &title, const QString &subtitle) const;
    Block tableRow(const QStringList &cells, const QFont &font, bool strong) const;

    const Quiz &m_quiz;
    const PrintRequest &m_request;
    QPagedPaintDevice &m_device;
    QPainter &m_painter;
    PageStream m_pages;
    Pictures m_pictures;
    int m_versions;
    double m_dpi;
    QRectF m_content;  // the page's printable area; the painter's origin is its corner
    QRectF m_fullPage; // the whole sheet, in the same coordinates
    QString m_family;  // of the paper's own text
    double m_footerHeight = 0;
    double m_numberWidth = 0;
    long long m_totalPoints = 0;
    std::vector<double> m_columns; // key: left edges, and the right edge last
};

QuizPrinter::QuizPrinter(const Quiz &quiz, const PrintRequest &request, QPagedPaintDevice &device,
                         QPainter &painter)
    : m_quiz(quiz)
    , m_request(request)
    , m_device(device)
    , m_painter(painter)
    , m_pages(device, request.fromPage, request.toPage)
    , m_pictures(quiz)
    , m_versions(std::clamp(request.versions, 1, MAX_VERSIONS))
    , m_dpi(device.logicalDpiY())
{
    const QPageLayout layout = device.pageLayout();
    const QRectF paint = layout.paintRectPixels(int(m_dpi));
    const QRectF full = layout.fullRectPixels(int(m_dpi));
    m_content = QRectF(QPointF(0, 0), paint.size());
    m_fullPage = full.translated(-paint.topLeft());
    // The desktop's sans-serif face, the same whether printed from a window or
    // from a terminal (where the window font may differ).
    m_family = QStringLiteral("Sans Serif");
    m_footerHeight = text(QStringLiteral("Page"), font(8.5), m_content.width()).height + mm(4);
    m_numberWidth = std::max(
        mm(8),
        text(QStringLiteral("512."), font(11, true), m_content.width()).naturalWidth + mm(3));
    for (int i = 0; i < quiz.questionCount(); ++i)
        m_totalPoints += quiz.QuestionAt(i)->score;
}

QFont QuizPrinter::font(double points, bool bold, bool italic) const
{
    QFont result(m_family);
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(points);
    result.setBold(bold);
    result.setItalic(italic);
    return result;
}

QFont QuizPrinter::questionFont(const CQuestion &question, double points) const
{
    if (!question.useCustomFont || !question.font)
        return font(points);
    QFont own = fontFromLogFont(*question.font);
    if (own.pointSizeF() <= 0)
        own.setPointSizeF(points);
    return own;
}

TextPiece QuizPrinter::text(const QString &text, const QFont &font, double width,
                            Qt::Alignment alignment) const
{
    TextPiece piece;
    piece.layout = std::make_shared<QTextLayout>(text, font, &m_device);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    piece.layout->setTextOption(option);
    piece.layout->beginLayout();
    for (;;) {
        QTextLine line = piece.layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, piece.height));
        if (piece.height == 0)
            piece.ascent = line.ascent();
        piece.height += line.height();
        piece.naturalWidth = std::max(piece.naturalWidth, line.naturalTextWidth());
    }
    piece.layout->endLayout();
    return piece;
}

TextPiece QuizPrinter::fittedText(const QString &content, QFont font, double width,
                                  double height) const
{
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : 12;
    TextPiece piece;
    for (double factor = 1.0; factor > 0.45; factor -= 0.1) {
        font.setPointSizeF(std::max(4.0, size * factor));
        piece = text(content, font, width, Qt::AlignHCenter);
        if (piece.height <= height)
            break;
    }
    return piece;
}

double QuizPrinter::addPicture(Block &block, const CQuestion &question, double x, double y,
                               double width, double maxHeight, bool centred)
{
    const QString stored = CodePage::toUnicode(question.imageFile);
    QString problem;
    const QImage original = m_pictures.original(stored, problem);
    if (original.isNull()) {
        const double pad = mm(1.5);
        const TextPiece note = text(problem, font(8.5, false, true), width - 2 * pad);
        const double w = std::min(width, note.naturalWidth + 2 * pad);
        const double h = note.height + 2 * pad;
        const double left = centred ? x + (width - w) / 2 : x;
        block.addShape(Item::Kind::Frame, QRectF(left, y, w, h), GREY);
        block.addText(note, left + pad, y + pad, GREY);
        return h;
    }
    // Its size on a screen (96 pixels to the inch), made smaller to fit.
    const QSizeF natural(original.width() * m_dpi / 96.0, original.height() * m_dpi / 96.0);
    const double scale = std::min({1.0, width / natural.width(), maxHeight / natural.height()});
    const QSizeF size = natural * scale;
    Item item;
    item.kind = Item::Kind::Picture;
    item.rect = QRectF(QPointF(centred ? x + (width - size.width()) / 2 : x, y), size);
    item.image = m_pictures.forWidth(stored, original, size.width() / m_dpi);
    block.items.push_back(std::move(item));
    return size.height();
}

QString QuizPrinter::versionName(int version) const
{
    return Texts::tr("Version %1").arg(VersionLetter(version));
}

QString QuizPrinter::versionSuffix(int version) const
{
    return m_versions > 1 ? Texts::tr(" \u2014 Version %1").arg(VersionLetter(version)) : QString();
}

void QuizPrinter::drawBlock(const Block &block, QPointF origin)
{
    for (const Item &item : block.items) {
        switch (item.kind) {
        case Item::Kind::Text:
            m_painter.setPen(item.colour);
            item.text.layout->draw(&m_painter, origin + item.at);
            break;
        case Item::Kind::Box:
        case Item::Kind::Frame:
            m_painter.setPen(QPen(item.colour, pt(item.kind == Item::Kind::Box ? 0.8 : 0.5)));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(item.rect.translated(origin));
            break;
        case Item::Kind::Picture:
            m_painter.drawImage(item.rect.translated(origin), item.image);
            break;
        case Item::Kind::Line:
        case Item::Kind::DottedLine: {
            QPen pen(item.colour, pt(0.6));
            if (item.kind == Item::Kind::DottedLine)
                pen.setStyle(Qt::DotLine);
            m_painter.setPen(pen);
            const QRectF r = item.rect.translated(origin);
            m_painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        }
        }
    }
}

void QuizPrinter::drawFooter(const QString &left, int page, int pageCount)
{
    const double top = m_content.height() - m_footerHeight + mm(2);
    m_painter.setPen(QPen(LIGHT, pt(0.5)));
    m_painter.drawLine(QPointF(0, top), QPointF(m_content.width(), top));
    const QFont small = font(8.5);
    Block footer;
    footer.addText(text(left, small, m_content.width() * 0.7), 0, mm(1.5), GREY);
    footer.addText(text(Texts::tr("Page %1 of %2").arg(page).arg(pageCount), small,
                        m_content.width(), Qt::AlignRight),
                   0, mm(1.5), GREY);
    drawBlock(footer, QPointF(0, top));
}

void QuizPrinter::drawFlow(const Block &first, const Block &repeated,
                           const std::vector<Block> &blocks, double gap, const QString &footer)
{
    const double space = pageSpace() - repeated.height;
    std::vector<double> heights;
    heights.reserve(blocks.size());
    for (const Block &block : blocks)
        heights.push_back(block.height);
    int pageCount = 1;
    const std::vector<BlockPlace> places =
        Paginate(heights, space - first.height, space, gap, pageCount);
    std::size_t next = 0; // the first block not yet drawn to its end
    for (int page = 0; page < pageCount; ++page) {
        if (!m_pages.begin()) {
            if (m_pages.failed())
                return;
            while (next < places.size() && places[next].page + places[next].pageSpan - 1 <= page)
                ++next;
            continue;
        }
        double top = 0;
        if (page == 0) {
            drawBlock(first, QPointF(0, 0));
            top = first.height;
        }
        drawBlock(repeated, QPointF(0, top));
        top += repeated.height;
        for (std::size_t i = next; i < places.size() && places[i].page <= page; ++i) {
            const BlockPlace &place = places[i];
            const int slice = page - place.page;
            if (slice >= place.pageSpan)
                continue;
            if (place.pageSpan == 1) {
                drawBlock(blocks[i], QPointF(0, top + place.top));
                continue;
            }
            // A block taller than a page shows one page's worth on each.
            m_painter.save();
            m_painter.setClipRect(QRectF(m_fullPage.left(), top, m_fullPage.width(), space));
            drawBlock(blocks[i], QPointF(0, top + place.top - slice * space));
            m_painter.restore();
        }
        while (next < places.size() && places[next].page + places[next].pageSpan - 1 <= page)
            ++next;
        drawFooter(footer, page + 1, pageCount);
    }
}

Block QuizPrinter::paperHeader(int version) const
{
    Block header;
    const double width = m_content.width();
    const TextPiece title = text(QuizTitle(m_quiz), font(17, true), width * 0.68);
    header.addText(title, 0, 0);
    double y = title.height;
    if (m_versions > 1) {
        const TextPiece name =
            text(versionName(version), font(14, true), width * 0.3, Qt::AlignRight);
        header.addText(name, width * 0.7, title.ascent - name.ascent);
        y = std::max(y, name.height);
    }
    y += mm(5);

    // Name and date lines for the student to fill in.
    const QFont body = font(11);
    const TextPiece name = text(Texts::tr("Name:"), body, width);
    const TextPiece date = text(Texts::tr("Date:"), body, width);
    const double dateLeft = width * 0.66;
    const double baseline = y + name.ascent + mm(0.6);
    header.addText(name, 0, y);
    header.addShape(Item::Kind::Line, QRectF(name.naturalWidth + mm(2), baseline,
                                             dateLeft - mm(6) - name.naturalWidth - mm(2), 0));
    header.addText(date, dateLeft, y);
    header.addShape(Item::Kind::Line, QRectF(dateLeft + date.naturalWidth + mm(2), baseline,
                                             width - dateLeft - date.naturalWidth - mm(2), 0));
    y += name.height + mm(4);

    const int count = m_quiz.questionCount();
    QStringList facts;
    facts << (count == 1 ? Texts::tr("1 question") : Texts::tr("%1 questions").arg(count));
    facts << Texts::tr("Total: %1").arg(pointsText(m_totalPoints));
    if (m_quiz.overallTimeLimitOn) {
        const int minutes = m_quiz.overallTimeLimit;
        facts << (minutes == 1 ? Texts::tr("Time allowed: 1 minute")
                               : Texts::tr("Time allowed: %1 minutes").arg(minutes));
    }
    const TextPiece info = text(facts.join(QStringLiteral("   \u00b7   ")), font(10), width);
    header.addText(info, 0, y, GREY);
    y += info.height + mm(2);
    header.addShape(Item::Kind::Line, QRectF(0, y, width, 0), GREY);
    header.height = y + mm(6);
    return header;
}

Block QuizPrinter::questionBlock(const PrintedQuestion &printed, int number)
{
    const CQuestion &question = *m_quiz.QuestionAt(printed.stored);
    const double indent = m_numberWidth;
    const double width = m_content.width() - indent;
    Block block;

    const TextPiece label = text(QStringLiteral("%1.").arg(number), font(11, true), indent);
    QString facts = pointsText(question.score);
    if (question.timeLimit > 0)
        facts += QStringLiteral("   \u00b7   ") + timeLimitText(question.timeLimit);
    const TextPiece meta = text(facts, font(9, false, true), width);
    double y = 0;
    if (!question.text.empty()) {
        const TextPiece body = text(plainText(question.text), questionFont(question, 11), width);
        // The number sits on the first line's baseline, whatever the fonts.
        const double baseline = std::max(body.ascent, label.ascent);
        block.addText(label, 0, baseline - label.ascent);
        block.addText(body, indent, baseline - body.ascent);
        y = baseline - body.ascent + body.height + mm(0.8);
        block.addText(meta, indent, y, GREY);
        y += meta.height;
    } else {
        // Only a picture: the points stand on the number's line.
        const double baseline = std::max(meta.ascent, label.ascent);
        block.addText(label, 0, baseline - label.ascent);
        block.addText(meta, indent, baseline - meta.ascent, GREY);
        y = baseline + std::max(label.height - label.ascent, meta.height - meta.ascent);
    }
    if (question.multipleCorrect && !printed.answers.empty()) {
        const TextPiece several =
            text(Texts::tr("Several answers may be correct"), font(9, false, true), width);
        block.addText(several, indent, y, GREY);
        y += several.height;
    }
    if (!question.imageFile.empty()) {
        y += mm(2.5);
        y += addPicture(block, question, indent, y, width, pageSpace() * 0.4, false);
    }
    if (!printed.answers.empty()) {
        y += mm(2.5);
        const QFont body = font(11);
        const double box = mm(3.6);
        const double letterLeft = indent + box + mm(2.5);
        const double answerLeft =
            letterLeft + text(QStringLiteral("M."), body, width).naturalWidth + mm(2);
        for (std::size_t slot = 0; slot < printed.answers.size(); ++slot) {
            const TextPiece letter =
                text(QStringLiteral("%1.").arg(QChar(u'A' + int(slot))), body, width);
            const TextPiece answer = text(plainText(question.answers[printed.answers[slot]]), body,
                                          m_content.width() - answerLeft);
            block.addShape(Item::Kind::Box,
                           QRectF(indent, y + answer.ascent - box * 0.9, box, box));
            block.addText(letter, letterLeft, y);
            block.addText(answer, answerLeft, y);
            y += std::max(answer.height, box) + mm(1.6);
        }
    }
    block.height = y;
    return block;
}

void QuizPrinter::paper(int version)
{
    if (m_quiz.quizType != 0) {
        cardSheets(version);
        return;
    }
    const std::vector<PrintedQuestion> order = VersionOrder(m_quiz, version, m_versions);
    std::vector<Block> blocks;
    blocks.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        blocks.push_back(questionBlock(order[i], int(i) + 1));
    drawFlow(paperHeader(version), Block(), blocks, mm(7),
             QuizTitle(m_quiz) + versionSuffix(version));
}

void QuizPrinter::drawCard(const QRectF &cell, const CQuestion &question, int number, bool back)
{
    const double pad = mm(4);
    const QRectF inner = cell.adjusted(pad, pad, -pad, -pad);
    const QFont small = font(8, false, false);
    Block card;
    const TextPiece label =
        text(QString::number(number), small, inner.width(), back ? Qt::AlignRight : Qt::AlignLeft);
    card.addText(label, 0, 0, GREY);
    double top = label.height + mm(1);
    double bottom = inner.height();
    if (!back) {
        QString facts = pointsText(question.score);
        if (question.timeLimit > 0)
            facts += QStringLiteral("   \u00b7   ") + timeLimitText(question.timeLimit);
        const TextPiece meta = text(facts, small, inner.width());
        bottom -= meta.height;
        card.addText(meta, 0, bottom, GREY);
        bottom -= mm(1);
        if (!question.imageFile.empty()) {
            const double room = question.text.empty() ? bottom - top : (bottom - top) * 0.55;
            top += addPicture(card, question, 0, top, inner.width(), room, true) + mm(2);
        }
    }
    const std::string &content = back ? question.answers[0] : question.text;
    if (!content.empty() && bottom > top) {
        const TextPiece body =
            fittedText(plainText(content), back ? font(14) : questionFont(question, 14),
                       inner.width(), bottom - top);
        card.addText(body, 0, top + std::max(0.0, (bottom - top - body.height) / 2));
    }
    m_painter.save();
    m_painter.setClipRect(cell);
    drawBlock(card, inner.topLeft());
    m_painter.restore();
}

void QuizPrinter::cardSheets(int version)
{
    const std::vector<PrintedQuestion> order = VersionOrder(m_quiz, version, m_versions);
    const int sheets = std::max(1, int((order.size() + CARDS_PER_SHEET - 1) / CARDS_PER_SHEET));
    const int pageCount = 2 * sheets;

    // The grid sits in the middle of the sheet, so that its mirror image on
    // the back lies exactly behind it; a band around it holds the cut marks.
    const double band = mm(6);
    const double margin = std::max(-m_fullPage.left(), m_fullPage.right() - m_content.width());
    const double gridWidth =
        std::min(m_content.width(), m_fullPage.width() - 2 * margin) - 2 * band;
    const double gridLeft = m_fullPage.left() + (m_fullPage.width() - gridWidth) / 2;
    const double gridTop = band;
    const double gridHeight = pageSpace() - 2 * band;
    const double cellWidth = gridWidth / CARD_COLUMNS;
    const double cellHeight = gridHeight / CARD_ROWS;

    for (int page = 0; page < pageCount; ++page) {
        if (!m_pages.begin()) {
            if (m_pages.failed())
                return;
            continue;
        }
        const bool back = page % 2 == 1;
        const int sheet = page / 2;
        // Faint dotted edges to cut along, and short marks outside the grid
        // that stay visible once the cards are cut.
        Block marks;
        const double tick = band - mm(2);
        for (int column = 0; column <= CARD_COLUMNS; ++column) {
            const double x = gridLeft + column * cellWidth;
            marks.addShape(Item::Kind::DottedLine, QRectF(x, gridTop, 0, gridHeight), FAINT);
            marks.addShape(Item::Kind::Line, QRectF(x, gridTop - band + mm(1), 0, tick), LIGHT);
            marks.addShape(Item::Kind::Line, QRectF(x, gridTop + gridHeight + mm(1), 0, tick),
                           LIGHT);
        }
        for (int row = 0; row <= CARD_ROWS; ++row) {
            const double y = gridTop + row * cellHeight;
            marks.addShape(Item::Kind::DottedLine, QRectF(gridLeft, y, gridWidth, 0), FAINT);
            marks.addShape(Item::Kind::Line, QRectF(gridLeft - band + mm(1), y, tick, 0), LIGHT);
            marks.addShape(Item::Kind::Line, QRectF(gridLeft + gridWidth + mm(1), y, tick, 0),
                           LIGHT);
        }
        drawBlock(marks, QPointF(0, 0));
        for (int i = 0; i < CARDS_PER_SHEET; ++i) {
            const std::size_t index = std::size_t(sheet * CARDS_PER_SHEET + i);
            if (index >= order.size())
                break;
            const CardCell cell = CardPosition(i, back);
            const QRectF rect(gridLeft + cell.column * cellWidth, gridTop + cell.row * cellHeight,
                              cellWidth, cellHeight);
            drawCard(rect, *m_quiz.QuestionAt(order[index].stored), int(index) + 1, back);
        }
        drawFooter(QuizTitle(m_quiz) + versionSuffix(version) + QStringLiteral(" \u00b7 ") +
                       (back ? Texts::tr("card backs") : Texts::tr("card fronts")),
                   page + 1, pageCount);
    }
}

Block QuizPrinter::titleBlock(const QString &title, const QString &subtitle) const
{
    Block block;
    const TextPiece big = text(title, font(17, true), m_content.width());
    block.addText(big, 0, 0);
    const TextPiece small = text(subtitle, font(13, true), m_content.width());
    block.addText(small, 0, big.height + mm(1));
    block.height = big.height + mm(1) + small.height + mm(6);
    return block;
}

Block QuizPrinter::tableRow(const QStringList &cells, const QFont &font, bool strong) const
{
    Block row;
    const double pad = mm(1.4);
    double height = 0;
    for (qsizetype c = 0; c < cells.size() && c + 1 < qsizetype(m_columns.size()); ++c) {
        const double left = m_columns[std::size_t(c)] + (c == 0 ? 0 : mm(2));
        const double width = m_columns[std::size_t(c) + 1] - left - mm(2);
        // The last column of a multiple-choice key (the points) is numbers.
        const bool numbers = m_quiz.quizType == 0 && c == 2;
        const TextPiece piece =
            text(cells[c], font, std::max(width, mm(5)), numbers ? Qt::AlignRight : Qt::AlignLeft);
        row.addText(piece, left, pad);
        height = std::max(height, piece.height);
    }
    row.height = height + 2 * pad;
    row.addShape(Item::Kind::Line, QRectF(0, row.height, m_content.width(), 0),
                 strong ? GREY : FAINT);
    return row;
}

void QuizPrinter::key(int version)
{
    const std::vector<PrintedQuestion> order = VersionOrder(m_quiz, version, m_versions);
    const double width = m_content.width();
    const QFont body = font(11);
    const QFont bold = font(11, true);
    const bool cards = m_quiz.quizType != 0;
    if (cards)
        m_columns = {0, width * 0.5, width};
    else
        m_columns = {0, mm(28), width - mm(28), width};

    const QString subtitle =
        m_versions > 1 ? Texts::tr("Answer key \u2014 Version %1").arg(VersionLetter(version))
                       : Texts::tr("Answer key");
    const Block title = titleBlock(QuizTitle(m_quiz), subtitle);
    const Block header =
        cards ? tableRow({Texts::tr("Card"), Texts::tr("Answer")}, bold, true)
              : tableRow({Texts::tr("Question"), Texts::tr("Answer"), Texts::tr("Points")}, bold,
                         true);
    std::vector<Block> rows;
    rows.reserve(order.size() + 1);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const CQuestion &question = *m_quiz.QuestionAt(order[i].stored);
        const QString number = QString::number(i + 1);
        if (cards) {
            QString front = plainText(question.text);
            if (front.isEmpty() && !question.imageFile.empty())
                front = Texts::tr("[picture: %1]").arg(CodePage::toUnicode(question.imageFile));
            rows.push_back(
                tableRow({number + QStringLiteral(". ") + front, plainText(question.answers[0])},
                         body, false));
        } else {
            const QString letters = CorrectLetters(question, order[i].answers);
            rows.push_back(tableRow({number, letters.isEmpty() ? QStringLiteral("\u2014") : letters,
                                     QString::number(question.score)},
                                    body, false));
        }
    }
    if (cards)
        rows.push_back(tableRow({Texts::tr("Total"), pointsText(m_totalPoints)}, bold, true));
    else
        rows.push_back(
            tableRow({Texts::tr("Total"), QString(), QString::number(m_totalPoints)}, bold, true));
    drawFlow(title, header, rows, 0, QuizTitle(m_quiz) + QStringLiteral(" \u2014 ") + subtitle);
}

void QuizPrinter::run()
{
    if (m_request.paper) {
        for (int version = 0; version < m_versions && !failed(); ++version)
            paper(version);
    }
    if (m_request.key) {
        for (int version = 0; version < m_versions && !failed(); ++version)
            key(version);
    }
}

bool sameFile(const QString &a, const std::string &b)
{
    if (b.empty())
        return false;
    const QString canonical = QFileInfo(pathToQString(b)).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(a).canonicalFilePath();
}

} // namespace

PrintOutcome PrintQuiz(const Quiz &quiz, const PrintRequest &request, QPagedPaintDevice &device)
{
    PrintOutcome outcome;
    if (!request.paper && !request.key) {
        outcome.error =
            Texts::tr("There is nothing to print: choose the exam paper, the answer key, "
                      "or both.");
        return outcome;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        outcome.error = Texts::tr("The printer or file could not be opened for printing.");
        return outcome;
    }
    QuizPrinter printer(quiz, request, device, painter);
    printer.run();
    outcome.pages = printer.pages();
    outcome.notes = printer.notes();
    const bool ended = painter.end();
    if (printer.failed() || !ended) {
        outcome.error = Texts::tr("The printer stopped before the last page.");
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

PrintOutcome WriteQuizPdf(const Quiz &quiz, const PrintRequest &request, const QString &path,
                          const QPageSize &pageSize)
{
    PrintOutcome outcome;
    if (sameFile(path, quiz.pathName) || sameFile(path, quiz.logPathName)) {
        outcome.error =
            Texts::tr("%1 belongs to the quiz itself; please choose another file for the "
                      "PDF.")
                .arg(path);
        return outcome;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        outcome.error = file.errorString();
        return outcome;
    }
    {
        QPdfWriter writer(&file);
        // Metadata is the same in every language.
        writer.setTitle(QuizTitle(quiz));
        writer.setCreator(QStringLiteral("Brainloft"));
        writer.setPageLayout(PaperPageLayout(pageSize));
        outcome = PrintQuiz(quiz, request, writer);
    }
    if (!outcome.ok) {
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit()) {
        outcome.ok = false;
        outcome.error = file.errorString();
    }
    return outcome;
}

QPageSize DefaultPageSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

QPageLayout PaperPageLayout(const QPageSize &pageSize)
{
    return QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter);
}

QString QuizTitle(const Quiz &quiz)
{
    QString name = captionFileName(quiz.pathName);
    if (name.isEmpty())
        name = pathToQString(quiz.pathName);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    return name.isEmpty() ? Texts::tr("New Quiz") : name;
}
