#include "document/planprint.h"

#include "document/filenames.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <memory>
#include <vector>

namespace planprint
{
namespace
{

constexpr qreal MarginInches = 0.75;
constexpr qreal HeaderPoints = 8;

// One laid-out line of the document, in the copy's device units.
struct Line {
    qreal top = 0;
    qreal bottom = 0;
    bool blank = false;
    bool heading = false;  // its paragraph is kept with what follows
    bool dayStart = false; // the first line of a day's heading
    QTextLine line;
    QPointF origin; // where its paragraph's layout stands in the document
};

struct Page {
    int first = 0;
    int end = 0;
};

// Whether every visible character of the paragraph has the attribute.
template <typename Test> bool wholly(const QTextBlock &block, Test test)
{
    bool any = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid() || fragment.text().trimmed().isEmpty())
            continue;
        if (!test(fragment.charFormat()))
            return false;
        any = true;
    }
    return any;
}

bool isHeading(const QTextBlock &block, const QString &text, const Options &options)
{
    if (options.headings.contains(text))
        return true;
    return wholly(block, [](const QTextCharFormat &f) { return f.fontWeight() >= QFont::Bold; }) ||
           wholly(block, [](const QTextCharFormat &f) { return f.fontUnderline(); });
}

bool isDay(const QString &text, const Options &options)
{
    for (const QString &name : options.dayNames) {
        if (name.isEmpty() || !text.startsWith(name))
            continue;
        if (text.size() == name.size() || !text.at(name.size()).isLetterOrNumber())
            return true;
    }
    return false;
}

std::vector<Line> linesOf(const QTextDocument &doc, const Options &options)
{
    std::vector<Line> lines;
    QAbstractTextDocumentLayout *layout = doc.documentLayout();
    // The layout is made in steps as it is needed; the pages need all of it.
    layout->documentSize();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *text = block.layout();
        if (!block.isVisible() || !text || text->lineCount() == 0)
            continue;
        const QString words = block.text().trimmed();
        const bool blank = words.isEmpty();
        const bool heading = !blank && isHeading(block, words, options);
        const bool day = heading && isDay(words, options);
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            const qreal top = origin.y() + line.y();
            lines.push_back(
                {top, top + line.height(), blank, heading, day && i == 0, line, origin});
        }
    }
    return lines;
}

// The page [s, end) shortened so that it does not end in a heading; s when only headings
// would be left.
int keepHeadings(const std::vector<Line> &lines, int s, int end)
{
    int cut = end;
    while (cut > s) {
        int last = cut - 1;
        while (last > s && lines[size_t(last)].blank)
            --last;
        if (!lines[size_t(last)].heading)
            break;
        cut = last;
    }
    return cut;
}

// Breaks the lines into pages of the given height. A page ends where the next line would not
// fit, moved up so that a day that fits on one page starts the next page whole, and then
// further up so that the page does not end in a heading. Blank lines at the top of a page are
// left out.
std::vector<Page> paginate(const std::vector<Line> &lines, qreal height)
{
    const int n = int(lines.size());
    auto skipBlank = [&](int i) {
        while (i < n && lines[i].blank)
            ++i;
        return i;
    };
    std::vector<Page> pages;
    int s = skipBlank(0);
    while (s < n) {
        int e = s + 1;
        while (e < n && lines[e].bottom - lines[s].top <= height)
            ++e;
        if (skipBlank(e) >= n) {
            pages.push_back({s, e});
            break;
        }
        int end = e;
        // The last day that begins on this page, when it runs on past the page but would fit
        // on a page of its own, goes to the next page.
        int day = -1;
        for (int i = e - 1; i > s; --i)
            if (lines[i].dayStart) {
                day = i;
                break;
            }
        if (day > 0) {
            int next = day + 1;
            while (next < n && !lines[next].dayStart &&
                   lines[next].bottom - lines[day].top <= height)
                ++next;
            const bool fits = next >= n || lines[next].dayStart;
            if (fits && next > e)
                end = day;
        }
        // A heading (with the blank lines after it) goes with what follows it. When that
        // would leave nothing but headings on the page, the day is split after all.
        int cut = keepHeadings(lines, s, end);
        if (cut <= s && end != e)
            cut = keepHeadings(lines, s, e);
        // A run of headings longer than a page: nothing better is possible.
        end = cut > s ? cut : e;
        pages.push_back({s, end});
        s = skipBlank(end);
    }
    return pages;
}

} // namespace

int print(const QTextDocument &document, QPagedPaintDevice &device, const Options &options)
{
    QPageLayout pageLayout = device.pageLayout();
    pageLayout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(pageLayout);

    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const qreal dpiX = device.logicalDpiX();
    const qreal dpiY = device.logicalDpiY();
    const QRectF sheet(0, 0, device.width(), device.height());
    const QRectF body = sheet.adjusted(MarginInches * dpiX, MarginInches * dpiY,
                                       -MarginInches * dpiX, -MarginInches * dpiY);

    // A copy laid out for the device, so the document on screen keeps its own layout.
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&device);
    copy->setDocumentMargin(0);
    copy->setTextWidth(body.width());
    const std::vector<Line> lines = linesOf(*copy, options);
    std::vector<Page> pages = paginate(lines, body.height());
    if (pages.empty())
        pages.push_back({0, 0});

    QFont small = copy->defaultFont();
    small.setBold(false);
    small.setItalic(false);
    small.setUnderline(false);
    small.setPointSizeF(HeaderPoints);
    const QFontMetricsF metrics(small, &device);
    const qreal gap = dpiY / 12; // a twelfth of an inch between the header and the text
    const QRectF headerBox(body.left(), body.top() - gap - metrics.height(), body.width(),
                           metrics.height());
    const QRectF footerBox(body.left(), body.bottom() + 2 * gap, body.width(), metrics.height());
    const QString header = metrics.elidedText(options.header, Qt::ElideRight, body.width());

    const int count = int(pages.size());
    for (int p = 0; p < count; ++p) {
        if (p > 0)
            device.newPage();
        const Page &page = pages[size_t(p)];
        if (page.end > page.first) {
            // Line by line: the page holds exactly its own lines, also in the PDF's text.
            painter.save();
            painter.translate(body.left(), body.top() - lines[size_t(page.first)].top);
            painter.setPen(Qt::black);
            for (int i = page.first; i < page.end; ++i)
                lines[size_t(i)].line.draw(&painter, lines[size_t(i)].origin);
            painter.restore();
        }
        painter.setFont(small);
        painter.setPen(Qt::black);
        painter.drawText(headerBox, Qt::AlignLeft | Qt::AlignBottom, header);
        painter.drawText(footerBox, Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("Page %1 of %2").arg(p + 1).arg(count));
    }
    painter.end();
    return count;
}

bool writePdf(const QTextDocument &document, const Options &options, const QLocale &locale,
              QByteArray *pdf, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(paperFor(locale));
        writer.setTitle(options.header);
        writer.setCreator(QStringLiteral("Quillmark"));
        if (print(document, writer, options) == 0) {
            if (error)
                *error = QStringLiteral("The PDF file could not be made.");
            return false;
        }
    }
    *pdf = buffer.data();
    return true;
}

QPageSize paperFor(const QLocale &locale)
{
    const auto territory = locale.territory();
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QString pdfFileName(const QString &documentName)
{
    const QString name = QFileInfo(documentName).fileName();
    // A plan's name holds dots of its own ("A. Teacher"); only a short word after the last
    // dot is an extension.
    static const QRegularExpression extension(QStringLiteral("\\.[A-Za-z0-9]{1,5}$"));
    QString base = name;
    base.remove(extension);
    return base + QStringLiteral(".pdf");
}

QString runningHeader(const PlanNameParts &p)
{
    const QString dot = QStringLiteral("  \u00b7  ");
    QStringList parts;
    for (const QString &part : {p.teacher, p.course})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    if (p.showPeriod && !p.period.trimmed().isEmpty())
        parts << (p.periodHeading + QLatin1Char(' ') + p.period).trimmed();
    if (p.weekly)
        parts << QStringLiteral("Week of %1 %2, %3").arg(p.month, p.date, p.year);
    else
        parts << QStringLiteral("Unit Plan: ") + p.unitTopic.trimmed();
    return parts.join(dot);
}

QString headerFromFileName(const QString &fileName)
{
    QString name = pdfFileName(fileName);
    name.chop(4);
    if (name.startsWith(QStringLiteral("LPlans-- ")))
        name = name.mid(9);
    // The parts of a built name are joined by two blanks.
    return name.split(QStringLiteral("  "), Qt::SkipEmptyParts).join(QStringLiteral("  \u00b7  "));
}

} // namespace planprint
