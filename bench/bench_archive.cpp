// Load and save of a large plan archive, each measured in the same run against a yardstick:
//  - load (RTF bytes to a document) against the floor of building the same document directly
//    from text that is already parsed into runs;
//  - save (document to RTF bytes) against Qt's own HTML export of the same document;
//  - peak memory of a process that loads the file against one that builds it from runs.
//
//   QT_QPA_PLATFORM=offscreen ./bench_archive [weeks]     (default 2000 weekly plans)
#include "archive.h"

#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtfwriter.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace
{

struct Run {
    QString text;
    QTextCharFormat format;
};

// The document as the runs a parser would hand over: text with '\n' at paragraph ends.
QList<Run> runsOf(const QTextDocument &doc)
{
    QList<Run> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            runs.append({it.fragment().text(), it.fragment().charFormat()});
        if (block.next().isValid())
            runs.append({QStringLiteral("\n"), block.next().charFormat()});
    }
    return runs;
}

void build(const QList<Run> &runs, QTextDocument &doc)
{
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (const Run &run : runs)
        cursor.insertText(run.text, run.format);
    cursor.endEditBlock();
}

void load(const QByteArray &rtf, QTextDocument &doc)
{
    QTextCursor cursor(&doc);
    rtf::read(rtf, cursor);
}

// The best of five runs, in seconds.
double best(const std::function<void()> &work)
{
    double fastest = 1e9;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e9);
    }
    return fastest;
}

// Kilobytes of this process: its peak and its present resident size.
qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Child process: reads its input, then builds the document; prints the resident size before
// the build and the peak after it.
int measureMemory(const QString &mode, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QTextDocument doc;
    doc.setDefaultFont(rtf::defaultFont());
    if (mode == QLatin1String("load")) {
        const QByteArray rtf = file.readAll();
        const qint64 before = statusKb("VmRSS:");
        load(rtf, doc);
        std::printf("%lld %lld\n", before, statusKb("VmHWM:"));
    } else {
        QList<Run> runs;
        QDataStream in(&file);
        qsizetype count = 0;
        in >> count;
        runs.reserve(count);
        for (qsizetype i = 0; i < count; ++i) {
            Run run;
            in >> run.text >> run.format;
            runs.append(run);
        }
        const qint64 before = statusKb("VmRSS:");
        build(runs, doc);
        std::printf("%lld %lld\n", before, statusKb("VmHWM:"));
    }
    return 0;
}

struct Peak {
    qint64 before = 0;
    qint64 peak = 0;
};

Peak childPeak(const QString &mode, const QString &path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), mode, path});
    child.waitForFinished(-1);
    const QList<QByteArray> numbers = child.readAllStandardOutput().trimmed().split(' ');
    if (numbers.size() != 2)
        return {};
    return {numbers.at(0).toLongLong(), numbers.at(1).toLongLong()};
}

void compare(const char *name, int days, const QString &folder, bool withMemory)
{
    QTextDocument source;
    bench::writeDays(source, days);
    const QByteArray rtf = rtf::write(source);
    QTextDocument loaded;
    loaded.setDefaultFont(rtf::defaultFont());
    load(rtf, loaded);
    // The runs of the very document the load makes, formats and all.
    const QList<Run> runs = runsOf(loaded);
    const double mb = rtf.size() / (1024.0 * 1024.0);
    std::printf("\n%s: %d days, %.2f MB of RTF, %lld runs\n", name, days, mb,
                static_cast<long long>(runs.size()));

    const double loadTime = best([&] {
        QTextDocument doc;
        doc.setDefaultFont(rtf::defaultFont());
        load(rtf, doc);
    });
    const double floorTime = best([&] {
        QTextDocument doc;
        doc.setDefaultFont(rtf::defaultFont());
        build(runs, doc);
    });
    std::printf("  load   %8.1f ms  (%.1f MB/s)\n", loadTime * 1e3, mb / loadTime);
    std::printf("  floor  %8.1f ms  direct build from parsed runs; load/floor = %.2f\n",
                floorTime * 1e3, loadTime / floorTime);

    QByteArray written;
    const double saveTime = best([&] { written = rtf::write(source); });
    QString html;
    const double htmlTime = best([&] { html = source.toHtml(); });
    std::printf("  save   %8.1f ms  (%.1f MB/s)\n", saveTime * 1e3, mb / saveTime);
    std::printf("  html   %8.1f ms  Qt's HTML export; save/html = %.2f\n", htmlTime * 1e3,
                saveTime / htmlTime);
    std::printf("  the loaded document writes the same bytes: %s\n",
                rtf::write(loaded) == rtf ? "yes" : "NO");

    if (!withMemory)
        return;
    const QString rtfPath = folder + QStringLiteral("/archive.rtf");
    const QString runsPath = folder + QStringLiteral("/archive.runs");
    QFile rtfFile(rtfPath);
    QFile runsFile(runsPath);
    if (!rtfFile.open(QIODevice::WriteOnly) || !runsFile.open(QIODevice::WriteOnly))
        return;
    rtfFile.write(rtf);
    rtfFile.close();
    QDataStream out(&runsFile);
    out << runs.size();
    for (const Run &run : runs)
        out << run.text << run.format;
    runsFile.close();
    const Peak loadPeak = childPeak(QStringLiteral("load"), rtfPath);
    const Peak floorPeak = childPeak(QStringLiteral("floor"), runsPath);
    std::printf("  peak memory, load  %7.1f MB (%.1f MB above the input in memory)\n",
                loadPeak.peak / 1024.0, (loadPeak.peak - loadPeak.before) / 1024.0);
    std::printf("  peak memory, floor %7.1f MB (%.1f MB above the runs in memory); "
                "load/floor = %.2f\n",
                floorPeak.peak / 1024.0, (floorPeak.peak - floorPeak.before) / 1024.0,
                double(loadPeak.peak) / double(std::max<qint64>(1, floorPeak.peak)));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--memory"))
        return measureMemory(args.at(2), args.at(3));

    const int weeks = args.size() > 1 ? args.at(1).toInt() : 2000;
    QTemporaryDir folder;
    compare("a school year", 180, folder.path(), false);
    compare("the archive of weekly plans", weeks * 5, folder.path(), true);
    return 0;
}
