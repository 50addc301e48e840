// The RTF reader and writer: hostile input that must neither crash, hang nor lose the text
// around it, characters and code pages, what other programs write, and that whatever we write
// reads back as the document it came from.
#include "platform/rtf/rtfformat.h"
#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtfwriter.h"
#include "support/docdump.h"

#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>
#include <string>

namespace
{

const QString sourceDir = QStringLiteral(QUILLMARK_SOURCE_DIR);

std::unique_ptr<QTextDocument> newDocument()
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(rtf::defaultFont());
    return doc;
}

std::unique_ptr<QTextDocument> readDocument(const QByteArray &data)
{
    auto doc = newDocument();
    QTextCursor cursor(doc.get());
    rtf::read(data, cursor);
    return doc;
}

QString dump(const QByteArray &data)
{
    return dumpDocument(*readDocument(data));
}

// Every run with all the attributes it shows, "{Arial 24 B super #ff0000 on #ffff00}text";
// paragraphs end with "\n", a paragraph with a rule starts with "<hr>", an empty one shows
// the attributes that text typed into it takes.
QString runsOf(const QTextDocument &doc)
{
    const auto describe = [&](const QTextCharFormat &format) {
        const auto a = rtf::attributesOf(format, doc.defaultFont());
        QString d = u'{' + a.family + u' ' + QString::number(a.halfPoints) + (a.bold ? " B" : "") +
                    (a.italic ? " I" : "") + (a.underline ? " U" : "") + (a.strike ? " S" : "");
        if (a.vertical != rtf::VerticalPosition::Normal)
            d += a.vertical == rtf::VerticalPosition::Super ? " super" : " sub";
        if (a.color)
            d += u' ' + QColor(*a.color).name();
        if (a.highlight)
            d += QStringLiteral(" on ") + QColor(*a.highlight).name();
        return d + u'}';
    };
    QString out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            out += u'\n';
        if (block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            out += QStringLiteral("<hr>");
        QString last = block.begin().atEnd() ? describe(block.charFormat()) : QString();
        out += last;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString d = describe(it.fragment().charFormat());
            out += (d == last ? QString() : d) + it.fragment().text();
            last = d;
        }
    }
    return out;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The expectation kept in a file; QUILLMARK_REGOLD=1 writes it from what the test saw.
QString golden(const QString &path, const QString &actual)
{
    if (qEnvironmentVariableIsSet("QUILLMARK_REGOLD")) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(actual.toUtf8());
    }
    return QString::fromUtf8(contentsOf(path));
}

void row(const char *tag, const QByteArray &rtf, const QString &expected)
{
    QTest::newRow(tag) << rtf << expected;
}

bool isSevenBitAscii(const QByteArray &data)
{
    return std::all_of(data.begin(), data.end(), [](char c) { return uchar(c) < 0x80; });
}

// Random runs: attributes (some left open, so the default font counts too), characters of
// every plane, RTF's special characters, tabs, line breaks and empty paragraphs.
std::unique_ptr<QTextDocument> randomDocument(quint32 seed)
{
    QRandomGenerator rng(seed);
    const QStringList families = {"Arial", "Times New Roman", "Ünïcödé Sans", "Odd;Name {x}",
                                  "Symbol"};
    const std::u32string specials = U"\\{}\t\u2028é€ßП日\u00a0😀𝄞\uffff\u0080;? \n";
    auto doc = newDocument();
    QTextCursor cursor(doc.get());
    for (int r = rng.bounded(1, 60); r > 0; --r) {
        QTextCharFormat f;
        if (rng.bounded(4) != 0) {
            f.setFontFamilies({families.at(rng.bounded(families.size()))});
            f.setFontPointSize(rng.bounded(2, 145) / 2.0);
            f.setFontWeight(rng.bounded(2) ? QFont::Bold : QFont::Normal);
            f.setFontItalic(rng.bounded(2));
            f.setFontUnderline(rng.bounded(2));
            f.setFontStrikeOut(rng.bounded(4) == 0);
            f.setVerticalAlignment(QTextCharFormat::VerticalAlignment(rng.bounded(3)));
            if (rng.bounded(3) == 0)
                f.setForeground(QColor::fromRgb(rng.generate() & 0xffffff));
            if (rng.bounded(4) == 0)
                f.setBackground(QColor::fromRgb(rng.generate() & 0xffffff));
        }
        QString text;
        for (int i = rng.bounded(0, 25); i > 0; --i) {
            const int kind = rng.bounded(4);
            if (kind == 0)
                text += QString::fromUcs4(&specials.at(rng.bounded(int(specials.size()))), 1);
            else if (kind == 1) // any BMP character but surrogates, controls and editor marks
                text += QChar(char16_t(rng.bounded(0xa0, 0xd800)));
            else
                text += QChar(char16_t(rng.bounded(0x20, 0x7f)));
        }
        cursor.insertText(text, f);
    }
    return doc;
}

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void attributes_data();
    void attributes();
    void files_data();
    void files();
    void written_data();
    void written();
    void range_data();
    void range();
    void roundTrip_data();
    void roundTrip();
    void garbage();
    void insertsAtCursor();
};

// A reader that crashes, hangs, lets hidden text through or misreads a group, a character or a
// code page; and what it read must survive our own write and read.
void TestRtf::read_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    // Groups, words and destinations.
    row("toggle in group", "{\\rtf1 {\\b a \\i b \\i0 c}}", "[B]a [I]b [/I]c[/B]");
    row("nested group", "{\\rtf1 {\\b a {\\i b }c}}", "[B]a [I]b [/I]c[/B]");
    row("plain resets", "{\\rtf1 {\\b a \\i b \\plain\\b c}}", "[B]a [I]b [/I]c[/B]");
    row("group restores", "{\\rtf1 a{\\b b}c}", "a[B]b[/B]c");
    row("underline ends", "{\\rtf1 \\ul a\\ulnone b\\ul c\\ul0 d\\uld e\\uld0 f\\ulc2 g}",
        "[U]a[/U]b[U]c[/U]d[U]e[/U]fg");
    row("pard keeps characters", "{\\rtf1 \\i a\\par\\pard b}", "[I]a[/I]\n[I]b[/I]");
    row("paragraphs", "{\\rtf1 a\\par b\\par\\par c\\page d\\sect e}", "a\nb\n\nc\nd\ne");
    row("line and tabs", "{\\rtf1 a\\line b\\tab c\td\\tab1}", "a[BR]b\tc\td\t");
    row("line ends", "{\\rtf1 a\\\nb\\\r\nc\r\nd\ne\rf}", "a\nb\ncdef");
    row("escapes and the space after a word", "{\\rtf1 \\\\ \\{ \\}\\b  two\\b0 ;x}",
        "\\ { }[B] two[/B];x");
    row("unknown words and starred groups",
        "{\\rtf1 a{\\*\\unknown hidden {nested}}\\newthing b{\\*\\x \\b\\uc5 c}d\\u8364?e}",
        "abd€e");
    row("field instruction without star", "{\\rtf1 {\\field{\\fldinst PAGE}{\\fldrslt 3}}}", "3");
    row("hidden text", "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", "abd");
    row("bin data is not text", "{\\rtf1 a\\bin6 }{\\b x}b}", "ab");
    row("bin in skipped group", "{\\rtf1 a{\\*\\blob\\bin3 }}}}b}", "ab");
    // Characters and code pages.
    row("hex in cp1252", "{\\rtf1\\ansi x\\'e9\\'80\\'93\\'9c}", "xé€“œ");
    row("ansicpg1250", "{\\rtf1\\ansi\\ansicpg1250 \\'b9\\'e8\xb9}", "ąčą");
    row("font charset over ansicpg",
        "{\\rtf1\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset238 B;}"
        "{\\f2\\fcharset204 C;}}\\f1 \\'b9\\f0 \\'b9\\f2 \\'cf}",
        "ą¹П");
    row("deff gives the code page", "{\\rtf1\\deff1{\\fonttbl{\\f1\\fcharset238 B;}}\\'b9}", "ą");
    row("dbcs pairs", "{\\rtf1\\ansicpg932 \\'82\\'a0\\'96\\'7b}", "あ本");
    row("unknown code page", "{\\rtf1\\ansicpg99999 \\'e9}", "é");
    row("single-byte charsets",
        "{\\rtf1{\\fonttbl{\\f1\\fcharset161 G;}{\\f2\\fcharset162 T;}{\\f3\\fcharset163 V;}"
        "{\\f4\\fcharset178 A;}{\\f5\\fcharset186 B;}{\\f6\\fcharset222 H;}{\\f7\\fcharset254 P;}"
        "{\\f8\\fcharset255 O;}{\\f9\\fcharset161\\cpg1251 C;}}\\f1\\'e1\\f2\\'fd\\f3\\'f0"
        "\\f4\\'c7\\f5\\'e0\\f6\\'a1\\f7\\'b0\\f8\\'b5\\f9\\'cf}",
        "αıđاąก░ÁП");
    row("double-byte charsets",
        "{\\rtf1\\ansicpg20932{\\fonttbl{\\f1\\fcharset129 K;}{\\f2\\fcharset136 B;}}"
        "\\'a4\\'a2\\f1\\'b0\\'a1\\f2\\'a4\\'a4\\f1\\'c9\\'5a}",
        "あ가中\ufffd");
    row("mac and dos code pages",
        "{\\rtf1\\mac{\\fonttbl{\\f1\\fcharset77 M;}}\\'a5\\pc \\'e1\\pca \\'d0\\ansicpg65001 "
        "\\'c3\\'a9\\f1\\'d2}",
        "•ßðé“");
    row("wingdings", "{\\rtf1{\\fonttbl{\\f0 Wingdings;}}\\'5e\\'82\\'8d\\'b8\\'09\\'01\\'fc}",
        "♈②❷🕑\t✓");
    row("unicode skips", "{\\rtf1 \\u233 e\\u8364\\'80x}", "é€x");
    row("uc2 and uc0", "{\\rtf1\\uc2 \\u8364 EUx\\uc0 \\u8364 y}", "€x€y");
    row("uc is scoped", "{\\rtf1 {\\uc2 \\u8364 ab}\\u8364 ab{\\uc3}\\u8364 abc}", "€€b€bc");
    row("skip stops at braces", "{\\rtf1 \\uc3\\u8364{x}y{\\uc3\\u8364}xyz}", "€xy€xyz");
    row("skip never eats the next unicode", "{\\rtf1\\uc2 \\u8364\\u8364 ab}", "€€");
    row("surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", "😀");
    row("unicode limits", "{\\rtf1 \\u-32768?\\u-32769 a\\u65536 b\\u99999999999999999999 c}",
        "\u8000abc");
    row("control symbols and typographic words",
        "{\\rtf1 a\\~b\\-c\\_d\\lquote a\\rquote \\ldblquote b\\rdblquote \\emdash}",
        "a\u00a0b\u00adc\u2011d‘a’“b”—");
    row("control characters",
        "{\\rtf1 a\\'00\\'0d\\'0ab\x01\x02"
        "c\\u13 ?d\\u-560?e}",
        "abc\nde");
    // Hostile input.
    const int deep = 1000000;
    row("deep nesting",
        "{\\rtf1 a" + QByteArray("{").repeated(deep) + "b" + QByteArray("}").repeated(deep) + "c}",
        "abc");
    row("deep nesting never closed", "{\\rtf1 a" + QByteArray("{\\b ").repeated(deep) + "b",
        "a[B]b[/B]");
    row("deep skipped group",
        "{\\rtf1 a{\\*\\x" + QByteArray("{").repeated(deep) + "hidden" +
            QByteArray("}").repeated(deep) + "}b}",
        "ab");
    row("stray closing braces", "{\\rtf1 a}}}b}}", "ab");
    row("truncated in a group", "{\\rtf1 {\\b bold", "[B]bold[/B]");
    row("truncated after backslash", "{\\rtf1 abc\\", "abc");
    row("truncated hex", "{\\rtf1 abc\\'4", "abc");
    row("truncated font table", "{\\rtf1{\\fonttbl{\\f0 Aria", "");
    row("truncated in bin", "{\\rtf1 a\\bin100 xyz", "a");
    row("huge bin", "{\\rtf1 a{\\pict\\bin99999999999999999999 xyz}}b", "a");
    row("negative bin", "{\\rtf1 a\\bin-5 b}", "ab");
    row("huge numbers", "{\\rtf1 \\cf99999999999 a\\f-99999999999999 b}", "ab");
    row("huge uc", "{\\rtf1 \\uc999999999\\u8364 abcdefghijklmnopqrstu}", "€qrstu");
    row("huge font table",
        "{\\rtf1{\\fonttbl" + QByteArray("{\\f1 Font;}{\\f99999 F;}").repeated(20000) + "}ok}",
        "ok");
    QByteArray fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 100000; ++i)
        fonts += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
    row("many fonts", fonts + "}\\f99999 ok}", "ok");
    row("huge colour table",
        "{\\rtf1{\\colortbl" + QByteArray("\\red1\\green2\\blue3;").repeated(200000) +
            "}\\cf5000 ok}",
        "ok");
    row("endless font name",
        "{\\rtf1{\\fonttbl{\\f0 " + QByteArray("x").repeated(2000000) + ";}}ok}", "ok");
    row("endless word and number",
        "{\\rtf1 a\\" + QByteArray("b").repeated(1000000) + " c\\fs" +
            QByteArray("9").repeated(1000000) + " d}",
        "acd");
    row("many stars", "{\\rtf1 a" + QByteArray("\\*").repeated(100000) + " c}", "a c");
    row("empty", QByteArray(), "");
    // Files that are not RTF are text in the encoding they have.
    row("plain lines", "Hello\r\nWorld\nagain\rend", "Hello\nWorld\nagain\nend");
    row("plain utf-8", "Gr\xc3\xbc\xc3\x9f", "Grüß");
    row("plain cp1252", "Gr\xfc\xdf \x80", "Grüß €");
    row("plain utf-16", QByteArray("\xff\xfeH\0i\0", 6), "Hi");
    row("plain braces", "{\\b not rtf}", "{\\b not rtf}");
    row("plain control bytes", QByteArray("a\0b\x01\tc", 6), "ab\tc");
    row("just the signature", "{\\rtf", "");
}

void TestRtf::read()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    const auto doc = readDocument(rtf);
    QCOMPARE(dumpDocument(*doc), expected);
    QCOMPARE(dump(rtf::write(*doc)), expected);
}

// Lost attributes: fonts, sizes, colours, tables read after the text that uses them.
void TestRtf::attributes_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    const QByteArray tables = "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman{\\*\\panose 0102}Times "
                              "New Roman;}{\\f2 Courier{\\*\\falt Mono};}}"
                              "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}";
    row("unstated and zero size are 12 pt", "{\\rtf1 x\\fs0 y}", "{Arial 24}xy");
    row("font table", "{\\rtf1" + tables + "\\f1\\fs28 x\\f2 y}",
        "{Times New Roman 28}x{Courier 28}y");
    row("colours", "{\\rtf1" + tables + "\\cf2 x\\cf1\\cf0 y\\cf9 z}",
        "{Arial 24 #008000}x{Arial 24}yz");
    row("unknown font falls back to deff", "{\\rtf1\\deff1" + tables + "\\f7 x}",
        "{Times New Roman 24}x");
    row("plain restores the default font", "{\\rtf1\\deff1" + tables + "\\f2\\fs40\\cf1\\plain x}",
        "{Times New Roman 24}x");
    row("huge size", "{\\rtf1\\fs99999999999999 x}",
        QStringLiteral("{Arial %1}x").arg(rtf::maxHalfPoints));
    row("tables after the text",
        "{\\rtf1\\f1\\cf1 a{\\fonttbl{\\f1 Menlo;}}{\\colortbl;\\red0\\green128\\blue0;}c}",
        "{Menlo 24 #008000}ac");
}

void TestRtf::attributes()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(runsOf(*readDocument(rtf)), expected);
}

// Files other programs wrote, and every input that once crashed, hung or misread: each has its
// expected runs in a .dump beside it (the fuzzing finds' dumps live in data/regressions).
void TestRtf::files_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    const QString data = sourceDir + QStringLiteral("/tests/platform/data/");
    for (const QString &folder : {data, data + QStringLiteral("corpus/"),
                                  sourceDir + QStringLiteral("/fuzz/regressions/")}) {
        const QStringList names = QDir(folder).entryList({"*.rtf"}, QDir::Files, QDir::Name);
        QVERIFY2(!names.isEmpty(), qPrintable(folder));
        for (const QString &name : names) {
            const QString dumpFolder =
                folder.contains(QLatin1StringView("/fuzz/")) ? data + "regressions/" : folder;
            QTest::newRow(qPrintable(name))
                << folder + name << dumpFolder + QFileInfo(name).completeBaseName() + ".dump";
        }
    }
}

void TestRtf::files()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    const auto doc = readDocument(contentsOf(file));
    const QString runs = runsOf(*doc);
    QCOMPARE(runs, golden(expected, runs));
    // Our own copy reads back as the same text and runs (rules and pictures are not kept).
    QCOMPARE(
        runsOf(*readDocument(rtf::write(*doc))),
        QString(runs).remove(QStringLiteral("<hr>")).remove(QChar::ObjectReplacementCharacter));
}

// The writer's words for each attribute and character, read back by the reader: a row that
// fails names the word written wrong or read wrong.
void TestRtf::written_data()
{
    QTest::addColumn<QTextCharFormat>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *tag, int property, const QVariant &value, const QString &text,
                        const QByteArray &bytes) {
        QTextCharFormat f;
        if (property >= 0)
            f.setProperty(property, value);
        QTest::newRow(tag) << f << text << "w" + bytes + "y}\r\n";
    };
    using F = QTextFormat;
    row("bold", F::FontWeight, QFont::Bold, "x", "\\b x\\b0 ");
    row("italic", F::FontItalic, true, "x", "\\i x\\i0 ");
    row("underline", F::TextUnderlineStyle, QTextCharFormat::SingleUnderline, "x",
        "\\ul x\\ulnone ");
    row("size in half points", F::FontPointSize, 10.5, "x", "\\fs21 x\\fs20 ");
    row("colour", F::ForegroundBrush, QBrush(QColor(0, 0, 255)), "x", "\\cf1 x\\cf0 ");
    row("font", F::FontFamilies, QStringList{"Courier New"}, "x", "\\f1 x\\f0 ");
    row("strike", F::FontStrikeOut, true, "x", "\\strike x\\strike0 ");
    row("superscript", F::TextVerticalAlignment, QTextCharFormat::AlignSuperScript, "x",
        "\\super x\\nosupersub ");
    row("subscript", F::TextVerticalAlignment, QTextCharFormat::AlignSubScript, "x",
        "\\sub x\\nosupersub ");
    row("highlight", F::BackgroundBrush, QBrush(QColor(255, 255, 0)), "x",
        "\\highlight1 x\\highlight0 ");
    row("symbol font letters", F::FontFamilies, QStringList{"Symbol"}, "a", "\\f1 \\u97 ?\\f0 ");
    row("escapes", -1, {}, "\\{x}", "\\\\\\{x\\}");
    row("tab, line and a digit after a word", -1, {}, "\t1\u2028b", "\\tab 1\\line b");
    row("unicode", -1, {}, "é€\uffff😀", "\\u233 ?\\u8364 ?\\u-1 ?\\u-10179 ?\\u-8704 ?");
    row("paragraphs", -1, {}, "\n\n", "\\par\r\n\\par\r\n");
}

void TestRtf::written()
{
    QFETCH(QTextCharFormat, format);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    auto doc = newDocument();
    QTextCursor cursor(doc.get());
    cursor.insertText(QStringLiteral("w"));
    cursor.insertText(text, format);
    cursor.insertText(QStringLiteral("y"), QTextCharFormat());
    const QByteArray rtf = rtf::write(*doc);
    // The first run states everything; later runs state only what changes.
    QVERIFY2(rtf.endsWith("\\plain \\f0 \\fs20 \\cf0 " + expected), rtf.constData());
    QVERIFY(isSevenBitAscii(rtf));
    QCOMPARE(runsOf(*readDocument(rtf)), runsOf(*doc));
}

// A selection copied as RTF: the wrong characters, or a paragraph end that was not selected.
void TestRtf::range_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");
    // Document: "Monday\nPlan [B]bold[/B]\nEnd"
    QTest::newRow("past the end") << 0 << 10000 << QStringLiteral("Monday\nPlan [B]bold[/B]\nEnd");
    QTest::newRow("with its paragraph end") << 0 << 7 << QStringLiteral("Monday\n");
    QTest::newRow("up to a paragraph end") << 0 << 6 << QStringLiteral("Monday");
    QTest::newRow("across paragraphs") << 4 << 14 << QStringLiteral("ay\nPlan [B]bo[/B]");
}

void TestRtf::range()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);
    auto doc = newDocument();
    QTextCursor cursor(doc.get());
    cursor.insertText(QStringLiteral("Monday\nPlan "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("bold"), bold);
    cursor.insertText(QStringLiteral("\nEnd"), QTextCharFormat());
    const QByteArray rtf = rtf::write(*doc, from, to);
    QVERIFY(rtf.startsWith("{\\rtf1") && rtf.endsWith("}\r\n"));
    QCOMPARE(dump(rtf), expected);
}

void TestRtf::roundTrip_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 200; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Whatever we write reads back as the same text and runs, and writes the same file again.
void TestRtf::roundTrip()
{
    QFETCH(quint32, seed);
    const auto doc = randomDocument(seed);
    const QByteArray rtf = rtf::write(*doc);
    QVERIFY(isSevenBitAscii(rtf));
    const auto back = readDocument(rtf);
    QCOMPARE(runsOf(*back), runsOf(*doc));
    QCOMPARE(rtf::write(*back), rtf);
}

// A reader that crashes or hangs on random bytes, with or without the signature.
void TestRtf::garbage()
{
    QRandomGenerator rng(20240824);
    const QByteArray alphabet = "{}\\\\\\'*abcuf0123456789-; \r\n\t\x80\xff";
    for (int round = 0; round < 300; ++round) {
        QByteArray data = round % 2 ? QByteArray("{\\rtf1 ") : QByteArray();
        for (int i = rng.bounded(0, 4000); i > 0; --i)
            data += round % 3 ? alphabet.at(rng.bounded(alphabet.size())) : char(rng.bounded(256));
        QVERIFY(readDocument(data)->characterCount() <= data.size() + 1);
    }
}

// Pasted RTF replaces the selection in one undo step; its footnotes follow what was inserted.
void TestRtf::insertsAtCursor()
{
    auto doc = newDocument();
    QTextCursor cursor(doc.get());
    cursor.insertText(QStringLiteral("Start end"));
    cursor.setPosition(6);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    rtf::read("{\\rtf1 {\\b middle}\\par next}", cursor);
    QCOMPARE(dumpDocument(*doc), QStringLiteral("Start [B]middle[/B]\nnext"));
    QCOMPARE(cursor.position(), 17);
    doc->undo();
    QCOMPARE(doc->toPlainText(), QStringLiteral("Start end"));
    cursor.setPosition(5);
    rtf::read("{\\rtf1 X{\\super\\chftn}{\\footnote N}}", cursor);
    QCOMPARE(doc->toPlainText(), QStringLiteral("StartX1\n\nN\n end"));
    QCOMPARE(cursor.position(), 10);
}

QTEST_APPLESS_MAIN(TestRtf)
#include "tst_rtf.moc"
