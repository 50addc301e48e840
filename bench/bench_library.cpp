// The plan library's full-text index on a folder of generated weekly plans, against a plain
// scan of the same files with the program's RTF reader (what a search without an index does):
//  - first indexing (worker thread, while the event loop's longest pause is measured),
//  - a start with nothing changed,
//  - queries of one to three words (slowest of five runs each),
//  - peak memory (resident) of each stage and of the whole process, the generator, the scan
//    and the bench included (Linux: /proc/self/status).
//
//   QT_QPA_PLATFORM=offscreen ./bench_library [plans] [folder]   (default 4000 plans)
// With a folder given the plans are kept there and made only when it is empty.
#include "archive.h"

#include "document/planindex.h"
#include "platform/rtf/rtfwriter.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace
{
// The processor time of the whole process so far: on a busy machine the wall time says more
// about the other programs than about this one.
double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

double seconds(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

// The peak resident size (VmHWM) since the last stage ended, in MB. Each stage's peak is
// measured from the memory resident when it began (the kernel's peak is reset between
// stages), and the largest of them is the peak of the whole process.
long wholePeak = 0;

long endStage()
{
    long peak = -1;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                peak = line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    wholePeak = std::max(wholePeak, peak);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    return peak;
}

// One week's plan as the program saves it, with the week and one topic word that differ
// from plan to plan so that rare words exist.
void makePlans(const QString &folder, int count)
{
    static const char *const topics[] = {"photosynthesis", "volcanoes",    "fractions", "decimals",
                                         "poetry",         "mitochondria", "geometry",  "erosion",
                                         "electricity",    "migration",    "ratios",    "algebra"};
    static const char *const courses[] = {"Math 7", "Science 7", "English 8", "History 6"};
    QTextDocument doc;
    bench::writeDays(doc, 5);
    const QByteArray plan = rtf::write(doc);
    for (int i = 0; i < count; ++i) {
        const QDate week = QDate(2026, 12, 7).addDays(-7 * (i / 16));
        const QString name = QStringLiteral("LPlans-- A. Teacher  %1  Period %2  Week of %3.doc")
                                 .arg(QLatin1String(courses[i % 4]))
                                 .arg(i / 4 % 4 + 1)
                                 .arg(QLocale::c().toString(week, QStringLiteral("MMM d yyyy")));
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        QByteArray data = plan;
        // Before the closing brace: this plan's topic and a word no other plan has.
        data.insert(data.size() - 1, QByteArray("\\par Topic: ") + topics[i % 12] + " unit" +
                                         QByteArray::number(i) + "\\par ");
        file.write(data);
    }
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 4000;
    QTemporaryDir temp;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temp.filePath("plans");
    QDir().mkpath(folder);
    QElapsedTimer t;
    t.start();
    if (QDir(folder).isEmpty())
        makePlans(folder, count);
    qint64 bytes = 0;
    qint64 plans = 0;
    for (QDirIterator it(folder, QDir::Files); it.hasNext(); ++plans)
        bytes += it.nextFileInfo().size();
    std::printf("%lld plans, %.1f MB (made in %.1f s)\n", plans, double(bytes) / 1e6, seconds(t));

    // The yardstick: every file read with the reader, as a search without an index must.
    t.restart();
    qint64 found = 0;
    for (QDirIterator it(folder, QDir::Files); it.hasNext();) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        found += planText(file.readAll()).contains(QLatin1String("unit17 ")) ? 1 : 0;
    }
    const double scan = seconds(t);
    std::printf("plain scan with the reader:        %8.2f s (one search without an index)\n", scan);
    std::printf("peak memory of generating and scan:%8ld MB\n", endStage());

    // First indexing in a worker thread; the event loop's longest pause meanwhile.
    // Beside a folder given, so that it can be looked at afterwards; made anew each run.
    const QString indexPath =
        argc > 2 ? folder + QStringLiteral(".index.sqlite") : temp.filePath("index.sqlite");
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(indexPath + QLatin1String(suffix));
    IndexReport report;
    QElapsedTimer loop;
    qint64 longestPause = 0;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestPause = std::max(longestPause, loop.restart()); });
    t.restart();
    double cpu = cpuSeconds();
    QThread *worker = QThread::create([&] {
        PlanIndex index(indexPath);
        index.open();
        report = index.update({folder});
    });
    QObject::connect(worker, &QThread::finished, &app, &QCoreApplication::quit);
    loop.start();
    tick.start();
    worker->start(QThread::LowPriority);
    app.exec();
    tick.stop();
    worker->wait();
    delete worker;
    std::printf("first indexing:                    %8.2f s, %.2f s of processor (%d added, %lld "
                "skipped), longest pause of the event loop %lld ms\n",
                seconds(t), cpuSeconds() - cpu, report.added, qlonglong(report.skipped.size()),
                longestPause);
    std::printf("peak memory during the indexing:   %8ld MB\n", endStage());
    std::printf("index file:                        %8.1f MB\n",
                double(QFileInfo(indexPath).size()) / 1e6);

    // A start with nothing changed: open and bring up to date.
    t.restart();
    cpu = cpuSeconds();
    PlanIndex index(indexPath);
    index.open();
    const IndexReport again = index.update({folder});
    std::printf("start, nothing changed:            %8.3f s, %.3f s of processor (%d unchanged)\n",
                seconds(t), cpuSeconds() - cpu, again.unchanged);
    std::printf("peak memory during the start:      %8ld MB\n", endStage());

    const char *const queries[] = {"fractions",
                                   "unit17",
                                   "Photosynthese",
                                   "caf\xc3\xa9 recipe",
                                   "exit ticket naive",
                                   "mitochondria partner",
                                   "zebra"};
    for (const char *query : queries) {
        qint64 slowest = 0;
        double slowestCpu = 0;
        int hits = 0;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer q;
            q.start();
            cpu = cpuSeconds();
            hits = int(index.search(QString::fromUtf8(query)).size());
            slowest = std::max(slowest, q.nsecsElapsed());
            slowestCpu = std::max(slowestCpu, cpuSeconds() - cpu);
        }
        std::printf("query %-24s %8.1f ms, %.1f ms of processor (%d hits shown)\n",
                    qPrintable(QLatin1Char('"') + QString::fromUtf8(query) + QLatin1Char('"')),
                    double(slowest) / 1e6, slowestCpu * 1e3, hits);
    }
    std::printf("peak memory during the queries:    %8ld MB\n", endStage());
    std::printf("peak memory of the whole process:  %8ld MB\n", wholePeak);
    return found >= 0 ? 0 : 1;
}
