// Saves a plan with our RTF writer and checks what other word processors make of it.
// check_writer.sh runs them in between: each opens the plan and saves it as RTF again.
//   rtf_conformance write DIR                  writes DIR/plan.rtf
//   rtf_conformance check DIR [odt] [pandoc]   reads DIR/odt/plan.rtf (saved by LibreOffice)
//       and DIR/pandoc/plan.rtf (saved by pandoc) and compares the text and the bold, italic
//       and underline runs with the plan's, as document dumps. Exit status 1 on a mismatch.
// Our reader reads both programs' RTF faithfully (the corpus tests show it), so a mismatch is
// what that program made of our file.
#include "platform/rtf/rtfformat.h"
#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtfwriter.h"
#include "support/docdump.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

namespace
{

// The plan, one paragraph a line: formatting nested every way, an empty paragraph, line
// breaks, tabs, RTF's special characters, text of many scripts and beyond the first plane.
const QStringList plan = {
    "<b>Monday, August 24</b>",
    "Objective: students <i>compare</i> fractions with <u>like</u> denominators.",
    "<b>Bold <i>bold italic <u>all three</u></i></b> plain <i><u>italic underlined</u></i> and "
    "<b><u>bold underlined</u></b>.",
    "",
    "Day\tTopic<br/>Monday\t<b>Fractions</b><br/><i>third line</i>",
    "Braces {x}, back\\slash; Zażółć gęślą Grüße Øresund; Greek: <i>Καλημέρα</i> κόσμε",
    "Cyrillic: <b>Урок</b>; CJK: 日本語の授業 <u>中文课程</u> 한국어; Arabic: مرحبا Hebrew: שלום",
    "Beyond the first plane: 😀 smile, 𝄞 clef; typography: “quoted” ‘single’ – en — em … €5"};

std::unique_ptr<QTextDocument> planDocument()
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(rtf::defaultFont());
    QTextCursor cursor(doc.get());
    for (const QString &paragraph : plan) {
        if (&paragraph != &plan.first())
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertHtml("<span style=\"white-space:pre-wrap\">" + paragraph + "</span>");
    }
    return doc;
}

// The dump of an RTF file; both programs end the last paragraph with \par, which leaves an
// empty paragraph at the end.
QString dumpOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(no file)");
    QTextDocument doc;
    doc.setDefaultFont(rtf::defaultFont());
    QTextCursor cursor(&doc);
    rtf::read(file.readAll(), cursor);
    QString dump = dumpDocument(doc);
    while (dump.endsWith(u'\n'))
        dump.chop(1);
    return dump;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString dir = args.value(1), expected = dumpDocument(*planDocument());
    QTextStream err(stderr);
    if (args.size() == 2 && args.at(0) == "write") {
        QFile out(dir + "/plan.rtf");
        return out.open(QIODevice::WriteOnly) && out.write(rtf::write(*planDocument())) > 0 ? 0 : 1;
    }
    if (args.size() < 2 || args.at(0) != "check") {
        err << "usage: rtf_conformance write DIR | check DIR [odt] [pandoc]\n";
        return 2;
    }
    int failures = 0;
    const auto compare = [&](const QString &tool, const QString &wanted) {
        const QString got = dumpOf(dir + u'/' + tool + "/plan.rtf");
        failures += got != wanted;
        err << (got == wanted ? "ok: the plan through " : "FAIL: the plan through ") << tool
            << '\n';
        if (got != wanted)
            err << "--- expected\n" << wanted << "\n--- got\n" << got << "\n---\n";
    };
    if (args.contains("odt"))
        compare("odt", expected);
    // pandoc's model has no tabs (they become spaces) and no empty paragraphs, and its RTF
    // reader (2.17) reads each half of a surrogate pair as U+FFFD.
    QString pandocView = QString(expected).replace("\n\n", "\n").replace(u'\t', u' ');
    for (qsizetype i = 0; i + 1 < pandocView.size(); ++i) {
        if (pandocView[i].isHighSurrogate() && pandocView[i + 1].isLowSurrogate())
            pandocView[i] = pandocView[i + 1] = QChar(0xfffd);
    }
    if (args.contains("pandoc"))
        compare("pandoc", pandocView);
    return failures ? 1 : 0;
}
