// A school year's plan (180 days) laid out on pages and written as a PDF file, as the PDF button
// does it: header, page numbers and the page-break rules included. Prints the best of five runs
// and the number of pages.
//
//   QT_QPA_PLATFORM=offscreen ./bench_pdf [days]
#include "archive.h"

#include "document/planprint.h"
#include "settings/settings.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const int days = argc > 1 ? std::max(1, atoi(argv[1])) : 180;
    QTextDocument plan;
    bench::writeDays(plan, days);
    planprint::Options options;
    options.header = QStringLiteral("A. Teacher  \u00b7  Algebra I  \u00b7  Period 3  \u00b7  "
                                    "Week of September 7, 2009");
    options.headings = {QStringLiteral("Activities")};
    options.dayNames = strDayNames.mid(0, 7);

    double best = 1e9;
    qsizetype size = 0;
    qsizetype pages = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        QByteArray pdf;
        QString error;
        if (!planprint::writePdf(plan, options, QLocale(QLocale::English, QLocale::UnitedStates),
                                 &pdf, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        size = pdf.size();
        pages = pdf.count("/Type /Page\n");
    }
    std::printf("%d days as PDF: %.0f ms (best of 5), %lld pages, %.0f KiB\n", days, best,
                static_cast<long long>(pages), size / 1024.0);
    return 0;
}
