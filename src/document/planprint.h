#pragma once

#include <QByteArray>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QTextDocument;
struct PlanNameParts;

// Plans laid out on paper: a running header on every page, "Page n of m" at the foot, margins
// of three quarters of an inch, and page breaks that never leave a heading at the foot of a
// page and never split a day that would fit on the next page. The document itself is never
// touched: a copy is laid out for the page.
namespace planprint
{

struct Options {
    // The line at the top of every page, in small type.
    QString header;
    // Section headings as they stand in the document ("Strategies:"); a paragraph of exactly
    // this text is kept with what follows it. Paragraphs that are wholly bold or wholly
    // underlined (the day, the heading line, the course line) are kept with what follows too.
    QStringList headings;
    // The names a day's heading begins with ("Monday"): a day runs from its heading to the
    // next day's.
    QStringList dayNames;
};

// Lays the document out for the device's paper and paints it, page after page. The device's
// page layout is switched to the whole sheet (the margins are ours). Returns the number of
// pages, or 0 when the device could not be painted on.
int print(const QTextDocument &document, QPagedPaintDevice &device, const Options &options);

// The plan as a PDF file on the paper the locale uses. False, with the reason in *error, when
// it could not be made.
bool writePdf(const QTextDocument &document, const Options &options, const QLocale &locale,
              QByteArray *pdf, QString *error = nullptr);

// Letter in the United States and Canada, A4 elsewhere.
QPageSize paperFor(const QLocale &locale);

// The PDF's file name for a plan's document file name: its extension replaced by ".pdf".
QString pdfFileName(const QString &documentName);

// The running header of the plan on screen: teacher, course, period, week or unit.
QString runningHeader(const PlanNameParts &parts);
// The running header of an earlier plan, known only by its file name (which the program
// built from the same entries).
QString headerFromFileName(const QString &fileName);

} // namespace planprint
