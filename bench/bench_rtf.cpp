// Throughput of the document engine on a large plan: writing, reading into a bare document and
// into the shown editor, and reading the heavy style other word processors write.
//
//   QT_QPA_PLATFORM=offscreen ./bench_rtf [megabytes]
#include "platform/richtextbox.h"
#include "platform/rtf/rtfformat.h"
#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtfwriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace
{

// A plan of school days: a bold heading, paragraphs with italic and underlined words,
// non-ASCII text and tabs, until the RTF reaches about the requested size.
QByteArray largePlan(qint64 bytes)
{
    QTextDocument doc;
    doc.setDefaultFont(rtf::defaultFont());
    QTextCursor cursor(&doc);
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(12);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    underline.setForeground(QColor(0, 0, 160));

    const QString sentence = QStringLiteral(
        "Students compare fractions with like denominators and explain their reasoning "
        "to a partner; café-style groups of four, naïve models welcome. ");
    QByteArray rtf;
    for (int day = 0;; ++day) {
        cursor.insertText(QStringLiteral("Day %1 \u2013 Monday, August 24\n").arg(day), bold);
        for (int p = 0; p < 4; ++p) {
            cursor.insertText(QStringLiteral("Objective:\t"), plain);
            cursor.insertText(QStringLiteral("fractions"), italic);
            cursor.insertText(QStringLiteral(" "), plain);
            cursor.insertText(sentence.repeated(3), plain);
            cursor.insertText(QStringLiteral("worksheet 3b"), underline);
            cursor.insertText(QStringLiteral(" \u2192 \u65e5\u672c {ok}\n"), plain);
        }
        if (day % 200 == 0 && rtf::write(doc).size() >= bytes)
            break;
    }
    return rtf::write(doc);
}

// The same kind of text the way heavy word processors write it: every run in its own group
// with a dozen control words, revision marks and a picture now and then.
QByteArray heavyPlan(qint64 bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 "
                     "Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}}{\\colortbl;\\red0\\green0"
                     "\\blue255;}\r\n";
    const QByteArray picture = "{\\*\\shppict{\\pict\\pngblip " + QByteArray(4000, 'a') + "}}";
    for (int i = 0; rtf.size() < bytes; ++i) {
        rtf += "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar"
               "\\wrapdefault\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0 ";
        for (int r = 0; r < 8; ++r) {
            rtf += "{\\rtlch\\fcs1 \\af1\\afs22 \\ltrch\\fcs0 \\f1\\fs22";
            rtf += r % 3 == 0 ? "\\b" : r % 3 == 1 ? "\\i\\cf1" : "";
            rtf += "\\insrsid6117426 Students compare fractions \\'e9\\u8211\\'96 run ";
            rtf += QByteArray::number(r) + "}";
        }
        rtf += "{\\rtlch\\fcs1 \\af1 \\ltrch\\fcs0 \\insrsid6117426 \\par }\r\n";
        if (i % 100 == 0)
            rtf += picture;
    }
    return rtf + "}";
}

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 10;

    QElapsedTimer timer;
    timer.start();
    const QByteArray rtf = largePlan(megabytes * 1024 * 1024);
    const double mb = rtf.size() / (1024.0 * 1024.0);
    std::printf("plan: %.1f MB of RTF (built in %.2f s)\n", mb, seconds(timer));

    QTextDocument doc;
    doc.setDefaultFont(rtf::defaultFont());
    QTextCursor cursor(&doc);
    timer.restart();
    rtf::read(rtf, cursor);
    const double readTime = seconds(timer);
    std::printf("read into a document: %.2f s (%.1f MB/s), %d paragraphs\n", readTime,
                mb / readTime, doc.blockCount());

    timer.restart();
    const QByteArray written = rtf::write(doc);
    const double writeTime = seconds(timer);
    std::printf("write: %.2f s (%.1f MB/s), same bytes: %s\n", writeTime, mb / writeTime,
                written == rtf ? "yes" : "NO");

    const QByteArray heavy = heavyPlan(megabytes * 1024 * 1024);
    QTextDocument heavyDoc;
    QTextCursor heavyCursor(&heavyDoc);
    timer.restart();
    rtf::read(heavy, heavyCursor);
    const double heavyTime = seconds(timer);
    std::printf("read %.1f MB in the heavy word-processor style: %.2f s (%.1f MB/s)\n",
                heavy.size() / (1024.0 * 1024.0), heavyTime,
                heavy.size() / (1024.0 * 1024.0) / heavyTime);

    // The editor shown, so that it lays the document out as it would for the teacher.
    RichTextBox box;
    box.resize(800, 600);
    box.show();
    timer.restart();
    box.setTextRTF(QString::fromLatin1(rtf));
    const double setTime = seconds(timer);
    QApplication::processEvents();
    const double boxTime = seconds(timer);
    std::printf("setTextRTF into the shown editor: %.2f s, laid out and painted after %.2f s "
                "(%.1f MB/s)\n",
                setTime, boxTime, mb / boxTime);

    return 0;
}
