// The RTF reader: formatting and groups, characters and code pages, the files other word
// processors write, and hostile input that must neither crash, hang nor lose the text around it.
#include "platform/rtf/rtfformat.h"
#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtfwriter.h"
#include "support/docdump.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace
{

std::unique_ptr<QTextDocument> readDocument(const QByteArray &data)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(rtf::defaultFont());
    QTextCursor cursor(doc.get());
    rtf::read(data, cursor);
    return doc;
}

QString dump(const QByteArray &data)
{
    return dumpDocument(*readDocument(data));
}

// Every run of the document with all the attributes it shows, "{Arial 24 B super}text";
// paragraphs end with "\n", a paragraph with a rule is "<hr>".
QString runsOf(const QTextDocument &doc)
{
    QString out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            out += u'\n';
        if (block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            out += QStringLiteral("<hr>");
        QString last;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const rtf::CharAttributes a =
                rtf::attributesOf(it.fragment().charFormat(), doc.defaultFont());
            QString d = u'{' + a.family + u' ' + QString::number(a.halfPoints);
            d += QString(a.bold ? " B" : "") + (a.italic ? " I" : "") + (a.underline ? " U" : "") +
                 (a.strike ? " S" : "");
            if (a.vertical != rtf::VerticalPosition::Normal)
                d += a.vertical == rtf::VerticalPosition::Super ? " super" : " sub";
            if (a.color)
                d += u' ' + QColor(*a.color).name();
            if (a.highlight)
                d += QStringLiteral(" on ") + QColor(*a.highlight).name();
            d += u'}';
            if (d != last)
                out += d;
            out += it.fragment().text();
            last = d;
        }
    }
    return out;
}

rtf::CharAttributes attributesAt(const QTextDocument &doc, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&doc));
    cursor.setPosition(position + 1);
    return rtf::attributesOf(cursor.charFormat(), doc.defaultFont());
}

QByteArray fixture(const QString &name)
{
    QFile file(QFINDTESTDATA(QStringLiteral("data/") + name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray repeated(const QByteArray &part, int times)
{
    return part.repeated(times);
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatting_data();
    void formatting();
    void characters_data();
    void characters();
    void attributes_data();
    void attributes();
    void tablesAfterText();
    void fixtures_data();
    void fixtures();
    void fixtureFonts();
    void hostile_data();
    void hostile();
    void garbage();
    void plainText_data();
    void plainText();
    void insertsAtCursor();
};

void TestRtfReader::formatting_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text") << QByteArray("{\\rtf1 Hello}") << QStringLiteral("Hello");
    QTest::newRow("toggle in group")
        << QByteArray("{\\rtf1 {\\b a \\i b \\i0 c}}") << QStringLiteral("[B]a [I]b [/I]c[/B]");
    QTest::newRow("nested group") << QByteArray("{\\rtf1 {\\b a {\\i b }c}}")
                                  << QStringLiteral("[B]a [I]b [/I]c[/B]");
    QTest::newRow("plain resets") << QByteArray("{\\rtf1 {\\b a \\i b \\plain\\b c}}")
                                  << QStringLiteral("[B]a [I]b [/I]c[/B]");
    QTest::newRow("group restores")
        << QByteArray("{\\rtf1 a{\\b b}c}") << QStringLiteral("a[B]b[/B]c");
    QTest::newRow("b1 and b0") << QByteArray("{\\rtf1 \\b1 a\\b0 b}")
                               << QStringLiteral("[B]a[/B]b");
    QTest::newRow("ulnone") << QByteArray("{\\rtf1 \\ul a\\ulnone b}")
                            << QStringLiteral("[U]a[/U]b");
    QTest::newRow("ul0") << QByteArray("{\\rtf1 \\ul a\\ul0 b}") << QStringLiteral("[U]a[/U]b");
    QTest::newRow("dotted underline")
        << QByteArray("{\\rtf1 \\uld a\\uld0 b}") << QStringLiteral("[U]a[/U]b");
    QTest::newRow("underline colour is not underline")
        << QByteArray("{\\rtf1 \\ulc2 a}") << QStringLiteral("a");
    QTest::newRow("pard keeps characters")
        << QByteArray("{\\rtf1 \\i a\\par\\pard b}") << QStringLiteral("[I]a[/I]\n[I]b[/I]");
    QTest::newRow("paragraphs") << QByteArray("{\\rtf1 a\\par b\\par\\par c}")
                                << QStringLiteral("a\nb\n\nc");
    QTest::newRow("page and section end paragraphs")
        << QByteArray("{\\rtf1 a\\page b\\sect c}") << QStringLiteral("a\nb\nc");
    QTest::newRow("line") << QByteArray("{\\rtf1 a\\line b}") << QStringLiteral("a[BR]b");
    QTest::newRow("tab word and literal tab")
        << QByteArray("{\\rtf1 a\\tab b\tc}") << QStringLiteral("a\tb\tc");
    QTest::newRow("backslash line end is a paragraph")
        << QByteArray("{\\rtf1 a\\\nb\\\r\nc}") << QStringLiteral("a\nb\nc");
    QTest::newRow("bare line ends ignored")
        << QByteArray("{\\rtf1 a\r\nb\nc\rd}") << QStringLiteral("abcd");
    QTest::newRow("escapes") << QByteArray("{\\rtf1 \\\\ \\{ \\}}") << QStringLiteral("\\ { }");
    QTest::newRow("one space after a word")
        << QByteArray("{\\rtf1 \\b  two\\b0 ;x}") << QStringLiteral("[B] two[/B];x");
    QTest::newRow("digit ends a word") << QByteArray("{\\rtf1 \\tab1}") << QStringLiteral("\t");
    QTest::newRow("starred unknown group")
        << QByteArray("{\\rtf1 a{\\*\\unknownthing hidden {nested} text}b}")
        << QStringLiteral("ab");
    QTest::newRow("starred group is inert")
        << QByteArray("{\\rtf1 a{\\*\\x \\b\\uc5 hidden}b\\u8364?c}") << QStringLiteral("ab€c");
    QTest::newRow("unknown word without star")
        << QByteArray("{\\rtf1 a\\newthing b}") << QStringLiteral("ab");
    QTest::newRow("field keeps result")
        << QByteArray("{\\rtf1 see {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt {\\ul page}}} "
                      "now}")
        << QStringLiteral("see [U]page[/U] now");
    QTest::newRow("field instruction without star")
        << QByteArray("{\\rtf1 {\\field{\\fldinst PAGE}{\\fldrslt 3}}}") << QStringLiteral("3");
    QTest::newRow("old destinations")
        << QByteArray("{\\rtf1 {\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}"
                      "{\\header H\\par}{\\footer F}{\\pict 0a0b}a}")
        << QStringLiteral("a");
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}")
                                 << QStringLiteral("abd");
    QTest::newRow("bin data is not text")
        << QByteArray("{\\rtf1 a\\bin6 }{\\b x}b}") << QStringLiteral("ab");
    QTest::newRow("bin in skipped group")
        << QByteArray("{\\rtf1 a{\\*\\blob\\bin3 }}}}b}") << QStringLiteral("ab");
    QTest::newRow("list text is kept")
        << QByteArray("{\\rtf1 {\\listtext 1.\\tab}Item}") << QStringLiteral("1.\tItem");
    QTest::newRow("embedded object shows its result")
        << QByteArray("{\\rtf1 a{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}"
                      "{\\result Result text}}b}")
        << QStringLiteral("aResult textb");
    QTest::newRow("footnotes numbered after the text")
        << QByteArray(
               "{\\rtf1 a{\\super\\chftn}{\\*\\footnote{\\super\\chftn} one}b{\\super\\chftn}"
               "{\\footnote\\pard\\plain{\\super\\chftn} two\\par}\\par}")
        << QStringLiteral("a1b2\n\n1 one\n2 two");
    QTest::newRow("associated properties")
        << QByteArray(
               "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fnil\\fcharset128 MS Mincho;}}\\pard"
               "\\plain{\\dbch\\af1\\ab\\afs40\\dbch \\u26085?\\u26412?}{\\rtlch\\ai\\ab "
               "\\u1506?\\u1489?} plain\\par}")
        << QStringLiteral("[B]日本[I]עב[/I][/B] plain\n");
    QTest::newRow("utf-8 byte order mark before the signature")
        << QByteArray("\xef\xbb\xbf{\\rtf1 {\\b a}}") << QStringLiteral("[B]a[/B]");
    QTest::newRow("blank lines before the signature")
        << QByteArray("\r\n \t\n{\\rtf1 {\\b a}}") << QStringLiteral("[B]a[/B]");
    QTest::newRow("table cells and rows")
        << QByteArray("{\\rtf1 \\trowd a\\cell b\\cell\\row c}") << QStringLiteral("a\tb\t\nc");
}

void TestRtfReader::formatting()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(dump(rtf), expected);
}

void TestRtfReader::characters_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hex in cp1252")
        << QByteArray("{\\rtf1\\ansi x\\'e9\\'80\\'93}") << QStringLiteral("xé€“");
    QTest::newRow("no code page means 1252") << QByteArray("{\\rtf1 \\'9c}") << QStringLiteral("œ");
    QTest::newRow("ansicpg1250") << QByteArray("{\\rtf1\\ansi\\ansicpg1250 \\'b9\\'e8}")
                                 << QStringLiteral("ąč");
    QTest::newRow("font charset over ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset238 "
                      "B;}}\\f1 \\'b9\\f0 \\'b9}")
        << QStringLiteral("ą¹");
    QTest::newRow("cyrillic charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204 C;}}\\f0 \\'cf\\'f0}")
        << QStringLiteral("Пр");
    QTest::newRow("deff gives the code page")
        << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f1\\fcharset238 B;}}\\'b9}")
        << QStringLiteral("ą");
    QTest::newRow("raw high bytes")
        << QByteArray("{\\rtf1\\ansicpg1250 \xb9\xe8}") << QStringLiteral("ąč");
    QTest::newRow("dbcs pair") << QByteArray("{\\rtf1\\ansicpg932 \\'82\\'a0\\'82\\'a2}")
                               << QStringLiteral("あい");
    QTest::newRow("dbcs trail byte is a brace")
        << QByteArray("{\\rtf1\\ansicpg932 \\'96\\'7b}") << QStringLiteral("本");
    QTest::newRow("unknown code page reads as 1252")
        << QByteArray("{\\rtf1\\ansicpg99999 \\'e9}") << QStringLiteral("é");
    QTest::newRow("unicode skips one") << QByteArray("{\\rtf1 \\u233 e!}") << QStringLiteral("é!");
    QTest::newRow("unicode skips hex")
        << QByteArray("{\\rtf1 \\u8364\\'80x}") << QStringLiteral("€x");
    QTest::newRow("uc2") << QByteArray("{\\rtf1\\uc2 \\u8364 EUx}") << QStringLiteral("€x");
    QTest::newRow("uc0") << QByteArray("{\\rtf1\\uc0 \\u8364 x}") << QStringLiteral("€x");
    QTest::newRow("uc is scoped") << QByteArray("{\\rtf1 {\\uc2 \\u8364 ab}\\u8364 ab}")
                                  << QStringLiteral("€€b");
    QTest::newRow("uc in an empty group")
        << QByteArray("{\\rtf1 {\\uc3}\\u8364 abc}") << QStringLiteral("€bc");
    QTest::newRow("skip stops at a brace")
        << QByteArray("{\\rtf1 \\uc3\\u8364{x}y}") << QStringLiteral("€xy");
    QTest::newRow("skip stops at a closing brace")
        << QByteArray("{\\rtf1 {\\uc3\\u8364}xyz}") << QStringLiteral("€xyz");
    QTest::newRow("skip never eats the next unicode")
        << QByteArray("{\\rtf1\\uc2 \\u8364\\u8364 ab}") << QStringLiteral("€€");
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QStringLiteral("😀");
    QTest::newRow("lowest value") << QByteArray("{\\rtf1 \\u-32768?}") << QStringLiteral("\u8000");
    QTest::newRow("out of range ignored")
        << QByteArray("{\\rtf1 \\u-32769 a\\u65536 b\\u99999999999999999999 c}")
        << QStringLiteral("abc");
    QTest::newRow("control symbols")
        << QByteArray("{\\rtf1 a\\~b\\-c\\_d}") << QStringLiteral("a\u00a0b\u00adc\u2011d");
    QTest::newRow("typographic words")
        << QByteArray(
               "{\\rtf1 \\lquote a\\rquote \\ldblquote b\\rdblquote \\emdash\\endash\\bullet}")
        << QStringLiteral("‘a’“b”—–•");
    QTest::newRow("control characters dropped") << QByteArray("{\\rtf1 a\\'00\\'0d\\'0ab\x01\x02"
                                                              "c\\u13 ?d}")
                                                << QStringLiteral("abc\nd");
    QTest::newRow("symbol font")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\froman\\fcharset2 Symbol;}}"
                      "\\f1 \\'b7 a\\'b9\\u-3913\\'b7\\f0\\'b7}")
        << QStringLiteral("• α≠•·");
    QTest::newRow("symbol font without its charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fnil Symbol;}}p}") << QStringLiteral("π");
    QTest::newRow("wingdings")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset2 Wingdings;}}\\'a7\\'fc\\'43\\'ff}")
        << QStringLiteral("▪✓👍\uf0ff");
    QTest::newRow("symbol glyph before its font table")
        << QByteArray("{\\rtf\\f2\\u-3913{\\fonttbl\\f2 Symbol") << QStringLiteral("•");
    QTest::newRow("symbol glyph, font table never closed")
        << QByteArray("{\\rtf\\fonttbl\\f1\\f0Symbol}\\f1\\u-3913") << QStringLiteral("•");
    QTest::newRow("editor marks dropped")
        << QByteArray("{\\rtf1 a\\u-560?b\\u-559?c\\u-4?d}") << QStringLiteral("abcd");
}

void TestRtfReader::characters()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(dump(rtf), expected);
    // What was read survives our own write and read.
    QCOMPARE(dump(rtf::write(*readDocument(rtf))), expected);
}

void TestRtfReader::attributes_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    const QByteArray tables = "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman{\\*\\panose 0102}Times "
                              "New Roman;}{\\f2 Courier{\\*\\falt Mono};}}"
                              "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}";
    QTest::newRow("unstated size is RTF's 12 pt")
        << QByteArray("{\\rtf1 x}") << QStringLiteral("{Arial 24}x");
    QTest::newRow("font table") << "{\\rtf1" + tables + "\\f1\\fs28 x}"
                                << QStringLiteral("{Times New Roman 28}x");
    QTest::newRow("alternative name not taken")
        << "{\\rtf1" + tables + "\\f2 x}" << QStringLiteral("{Courier 24}x");
    QTest::newRow("colour") << "{\\rtf1" + tables + "\\cf2 x}"
                            << QStringLiteral("{Arial 24 #008000}x");
    QTest::newRow("cf0 is automatic")
        << "{\\rtf1" + tables + "\\cf1\\cf0 x}" << QStringLiteral("{Arial 24}x");
    QTest::newRow("colour out of range")
        << "{\\rtf1" + tables + "\\cf9 x}" << QStringLiteral("{Arial 24}x");
    QTest::newRow("unknown font falls back to deff")
        << "{\\rtf1\\deff1" + tables + "\\f7 x}" << QStringLiteral("{Times New Roman 24}x");
    QTest::newRow("plain restores the default font")
        << "{\\rtf1\\deff1" + tables + "\\f2\\fs40\\cf1\\plain x}"
        << QStringLiteral("{Times New Roman 24}x");
    QTest::newRow("huge size clamped") << QByteArray("{\\rtf1\\fs99999999999999 x}")
                                       << QStringLiteral("{Arial %1}x").arg(rtf::maxHalfPoints);
    QTest::newRow("zero size is RTF's 12 pt")
        << QByteArray("{\\rtf1\\fs0 x}") << QStringLiteral("{Arial 24}x");
    QTest::newRow("font table without groups")
        << QByteArray("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fnil Menlo;}\\f1 x}")
        << QStringLiteral("{Menlo 24}x");
    QTest::newRow("font name in its own charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c\\u12354 ?\\'82\\'72;}}x}")
        << QStringLiteral("{Ｍあ\uff33 24}x");
    QTest::newRow("font name with escapes")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 A\\'3bB \\{C\\} D\\u228 ?;}}x}")
        << QStringLiteral("{A;B {C} Dä 24}x");
    QTest::newRow("raised, lowered, struck through and highlighted")
        << QByteArray("{\\rtf1{\\colortbl;\\red255\\green255\\blue0;}a{\\super b}{\\sub c}{\\up6 d}"
                      "{\\dn4 e\\dn0 f}\\strike g\\strike0\\striked1 h\\striked0 \\highlight1 i"
                      "\\highlight0 j}")
        << QStringLiteral(
               "{Arial 24}a{Arial 24 super}b{Arial 24 sub}c{Arial 24 super}d"
               "{Arial 24 sub}e{Arial 24}f{Arial 24 S}gh{Arial 24 on #ffff00}i{Arial 24}j");
    QTest::newRow("associated properties of East Asian and right-to-left text")
        << QByteArray(
               "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fnil\\fcharset128 MS Mincho;}}\\pard"
               "\\plain{\\dbch\\af1\\ab\\afs40\\dbch \\u26085?\\u26412?}{\\rtlch\\ai\\ab "
               "\\u1506?\\u1489?} plain}")
        << QStringLiteral("{MS Mincho 40 B}日本{Arial 24 B I}עב{Arial 24} plain");
    QTest::newRow("associated properties by the characters' script")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Mincho;}{\\f2 David;}}\\rtlch\\af2\\ab"
                      "\\afs30\\dbch\\af1\\afs40\\ai\\loch a \\u26085?\\u1506? b}")
        << QStringLiteral("{Arial 24}a {Mincho 40 I}日{David 30 B}ע {Arial 24}b");
    QTest::newRow("footnote mark and note")
        << QByteArray(
               "{\\rtf1 Body.{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn} Note.}}")
        << QStringLiteral(
               "{Arial 24}Body.{Arial 24 super}1\n<hr>\n{Arial 24 super}1{Arial 24} Note.");
}

// Lost attributes: fonts, sizes, colours, raised and struck text, and the associated
// properties of East Asian and right-to-left text.
void TestRtfReader::attributes()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(runsOf(*readDocument(rtf)), expected);
}

// Font and colour numbers used before their tables are read mean the default until then; the
// same numbers afterwards take the table's entries.
void TestRtfReader::tablesAfterText()
{
    const auto doc = readDocument("{\\rtf1\\f1\\cf1 a{\\b b}{\\fonttbl{\\f1 Menlo;}}"
                                  "{\\colortbl;\\red0\\green128\\blue0;}c}");
    QCOMPARE(doc->toPlainText(), QStringLiteral("abc"));
    QCOMPARE(attributesAt(*doc, 0).family, QStringLiteral("Arial"));
    QVERIFY(!attributesAt(*doc, 0).color);
    QCOMPARE(attributesAt(*doc, 2).family, QStringLiteral("Menlo"));
    QCOMPARE(QColor(*attributesAt(*doc, 2).color).name(), QStringLiteral("#008000"));
}

void TestRtfReader::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("heavy word processor")
        << QStringLiteral("heavy-wordprocessor.rtf")
        << QStringLiteral("[B]Monday, August 24[/B]\n"
                          "Objective: students [I]compare[/I] fractions with like denominators.\n"
                          "•\tRead chapter [U]three[/U] of the [U]workbook[/U] – pages 4–7\n"
                          "•\t[B][I]Exit ticket[/I][/B]: two questions\n"
                          "Picture above\n");
    QTest::newRow("small editor, cp1250 font")
        << QStringLiteral("small-editor.rtf")
        << QStringLiteral("Zażółć gęślą jaźń\n[B]Plan lekcji[/B]\nCafé [I]naïve[/I] [U]€5[/U]\n\n");
    QTest::newRow("text editor")
        << QStringLiteral("text-editor.rtf")
        << QStringLiteral("Tuesday, August 25\n\n[B]Objective[/B]: compare fractions\n"
                          "\t“Quoted” café {braces} back\\slash\nąć end");
    QTest::newRow("unicode") << QStringLiteral("unicode.rtf")
                             << QStringLiteral("Euro €, smile 😀, clef 𝄞\n"
                                               "two € fallback, back to one €x\n"
                                               "你好, uc0 €after\n"
                                               "cp1252: “smart” € é\n"
                                               "cp1250: ščž ą\n"
                                               "edges: \u8000|\uffff|\uffff||?");
    QTest::newRow("cp932") << QStringLiteral("cp932.rtf")
                           << QStringLiteral(
                                  "日本語の授業 (Japanese lesson)\nあいう [B]表[/B]\nあ done\n");
}

void TestRtfReader::fixtures()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    const QByteArray data = fixture(file);
    QVERIFY2(!data.isEmpty(), qPrintable(file));
    const QString text = dump(data);
    QCOMPARE(text, expected);

    // Nothing of the tables, pictures, fields or binary data may reach the text.
    static const QStringList leaks = {
        QStringLiteral("Leak"),      QStringLiteral("Times"),  QStringLiteral("Calibri"),
        QStringLiteral("Symbol"),    QStringLiteral("panose"), QStringLiteral("Normal"),
        QStringLiteral("HYPERLINK"), QStringLiteral("http"),   QStringLiteral("PAGE"),
        QStringLiteral("504b"),      QStringLiteral("ffd8"),   QStringLiteral("ÿ"),
        QStringLiteral("Helvetica"), QStringLiteral("ＭＳ"),   QStringLiteral("SimSun"),
        QStringLiteral("\uFFFD")};
    for (const QString &leak : leaks)
        QVERIFY2(!text.contains(leak), qPrintable(leak));
}

void TestRtfReader::fixtureFonts()
{
    const auto doc = readDocument(fixture(QStringLiteral("cp932.rtf")));
    QCOMPARE(attributesAt(*doc, 0).family, QStringLiteral("ＭＳ 明朝"));
    QCOMPARE(attributesAt(*doc, 0).halfPoints, 21);
    QCOMPARE(attributesAt(*doc, 8).family, QStringLiteral("Arial"));

    const auto heavy = readDocument(fixture(QStringLiteral("heavy-wordprocessor.rtf")));
    QCOMPARE(attributesAt(*heavy, 0).halfPoints, 32);
    QCOMPARE(attributesAt(*heavy, 0).family, QStringLiteral("Calibri Light"));
}

void TestRtfReader::hostile_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    const int deep = 1000000;
    QTest::newRow("deep nesting") << "{\\rtf1 a" + repeated("{", deep) + "b" + repeated("}", deep) +
                                         "c}"
                                  << QStringLiteral("abc");
    QTest::newRow("deep nesting never closed")
        << "{\\rtf1 a" + repeated("{\\b ", deep) + "b" << QStringLiteral("a[B]b[/B]");
    QTest::newRow("deep skipped group")
        << "{\\rtf1 a{\\*\\x" + repeated("{", deep) + "hidden" + repeated("}", deep) + "}b}"
        << QStringLiteral("ab");
    QTest::newRow("stray closing braces") << QByteArray("{\\rtf1 a}}}b}}") << QStringLiteral("ab");
    QTest::newRow("truncated in a group")
        << QByteArray("{\\rtf1 {\\b bold") << QStringLiteral("[B]bold[/B]");
    QTest::newRow("truncated after backslash")
        << QByteArray("{\\rtf1 abc\\") << QStringLiteral("abc");
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 abc\\'4") << QStringLiteral("abc");
    QTest::newRow("truncated font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Aria") << QString();
    QTest::newRow("truncated in bin") << QByteArray("{\\rtf1 a\\bin100 xyz") << QStringLiteral("a");
    QTest::newRow("huge bin") << QByteArray("{\\rtf1 a{\\pict\\bin99999999999999999999 xyz}}b")
                              << QStringLiteral("a");
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringLiteral("ab");
    QTest::newRow("huge colour index")
        << QByteArray("{\\rtf1 \\cf99999999999 a}") << QStringLiteral("a");
    QTest::newRow("huge font number")
        << QByteArray("{\\rtf1 \\f-99999999999999 a}") << QStringLiteral("a");
    QTest::newRow("huge uc") << QByteArray("{\\rtf1 \\uc999999999\\u8364 abcdefghijklmnopqrstu}")
                             << QStringLiteral("€qrstu");
    QTest::newRow("huge font table")
        << "{\\rtf1{\\fonttbl" + repeated("{\\f1 Font;}{\\f99999 F;}", 20000) + "}ok}"
        << QStringLiteral("ok");
    QByteArray fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 100000; ++i)
        fonts += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
    QTest::newRow("many fonts") << fonts + "}\\f99999 ok}" << QStringLiteral("ok");
    QTest::newRow("huge colour table")
        << "{\\rtf1{\\colortbl" + repeated("\\red1\\green2\\blue3;", 200000) + "}\\cf5000 ok}"
        << QStringLiteral("ok");
    QTest::newRow("endless font name")
        << "{\\rtf1{\\fonttbl{\\f0 " + repeated("x", 2000000) + ";}}ok}" << QStringLiteral("ok");
    QTest::newRow("endless word") << "{\\rtf1 a\\" + repeated("b", 1000000) + " c}"
                                  << QStringLiteral("ac");
    QTest::newRow("endless number")
        << "{\\rtf1 a\\fs" + repeated("9", 1000000) + " c}" << QStringLiteral("ac");
    QTest::newRow("many stars") << "{\\rtf1 a" + repeated("\\*", 100000) + " c}"
                                << QStringLiteral("a c");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("just the signature") << QByteArray("{\\rtf") << QString();
}

void TestRtfReader::hostile()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(dump(rtf), expected);
}

void TestRtfReader::garbage()
{
    // Random bytes, with and without the RTF signature: any text may come out, but the reader
    // must come back and leave a sane document.
    QRandomGenerator rng(20240824);
    const QByteArray alphabet = "{}\\\\\\'*abcuf0123456789-; \r\n\t\x80\xff";
    for (int round = 0; round < 300; ++round) {
        QByteArray data = round % 2 ? QByteArray("{\\rtf1 ") : QByteArray();
        const int length = rng.bounded(0, 4000);
        for (int i = 0; i < length; ++i) {
            data += round % 3 ? alphabet.at(rng.bounded(alphabet.size())) : char(rng.bounded(256));
        }
        const auto doc = readDocument(data);
        QVERIFY(doc->characterCount() <= data.size() + 1);
    }
}

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");

    QTest::newRow("lines") << QByteArray("Hello\r\nWorld\nagain\rend")
                           << QStringLiteral("Hello\nWorld\nagain\nend");
    QTest::newRow("utf-8") << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                         "e")
                           << QStringLiteral("Grüße");
    QTest::newRow("cp1252") << QByteArray("Gr\xfc\xdf"
                                          "e \x80")
                            << QStringLiteral("Grüße €");
    QTest::newRow("utf-16 with bom") << QByteArray("\xff\xfeH\0i\0", 6) << QStringLiteral("Hi");
    QTest::newRow("braces are text")
        << QByteArray("{\\b not rtf}") << QStringLiteral("{\\b not rtf}");
    QTest::newRow("control bytes dropped")
        << QByteArray("a\0b\x01\tc", 6) << QStringLiteral("ab\tc");
}

void TestRtfReader::plainText()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QVERIFY(!rtf::looksLikeRtf(data));
    QCOMPARE(dump(data), expected);
}

void TestRtfReader::insertsAtCursor()
{
    QTextDocument doc;
    doc.setDefaultFont(rtf::defaultFont());
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("Start end"));
    cursor.setPosition(6);
    cursor.setPosition(9, QTextCursor::KeepAnchor); // "end" is replaced
    rtf::read("{\\rtf1 {\\b middle}\\par next}", cursor);
    QCOMPARE(dumpDocument(doc), QStringLiteral("Start [B]middle[/B]\nnext"));
    QCOMPARE(cursor.position(), 17);

    // One undo step takes the whole insertion back.
    doc.undo();
    QCOMPARE(doc.toPlainText(), QStringLiteral("Start end"));

    // Footnotes follow what was inserted; the text after the cursor keeps its own paragraph.
    cursor.setPosition(5);
    rtf::read("{\\rtf1 X{\\super\\chftn}{\\footnote N}}", cursor);
    QCOMPARE(doc.toPlainText(), QStringLiteral("StartX1\n\nN\n end"));
    QCOMPARE(cursor.position(), 10);
}

QTEST_APPLESS_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
