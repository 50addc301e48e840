// Appending a day to the Lesson Plan Document through the program's own writer, to a document
// of one day and to one of 500 days: the cost must not grow with the document. Each day is
// written piece by piece as the plan writes it, then laid out and painted.
//
//   QT_QPA_PLATFORM=offscreen ./bench_append [days appended per run]
#include "archive.h"

#include "app/frmmain.h"
#include "plan/daywriter.h"
#include "platform/qtplatform.h"
#include "platform/richtextbox.h"
#include "platform/rtf/rtfwriter.h"
#include "settings/settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace
{

// Milliseconds per appended day, the best of five runs of `days` days each.
double appendDay(frmMain &w, int days)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int day = 0; day < days; ++day) {
            for (const bench::Piece &piece : bench::dayPieces(0, day))
                w.writer->append(piece.text, piece.bold, piece.italic, piece.underline);
            QApplication::processEvents();
        }
        best = std::min(best, timer.nsecsElapsed() / 1e6 / days);
    }
    return best;
}

double measure(int documentDays, int days)
{
    LessonPlanModule module;
    QtPlatform platform;
    frmMain w(module, platform);
    w.Form_Load();
    w.showMain();
    QTextDocument plan;
    bench::writeDays(plan, documentDays);
    w.RTxtComposite->setTextRTF(QString::fromLatin1(rtf::write(plan)));
    QApplication::processEvents();
    return appendDay(w, days);
}

} // namespace

int main(int argc, char **argv)
{
    // The settings and window state go to a folder of their own, not the teacher's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int days = argc > 1 ? std::max(1, atoi(argv[1])) : 10;

    measure(1, days); // fonts, styles and caches warmed up before anything is timed
    const double small = measure(1, days);
    const double large = measure(500, days);
    std::printf("append a day to a 1-day document:   %6.2f ms\n", small);
    std::printf("append a day to a 500-day document: %6.2f ms  (ratio %.2f)\n", large,
                large / small);
    return 0;
}
