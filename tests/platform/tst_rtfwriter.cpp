// The RTF writer: what it emits for each attribute and character, and that every document we
// write reads back unchanged.
#include "platform/rtf/rtfformat.h"
#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtfwriter.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace
{

std::unique_ptr<QTextDocument> newDocument()
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(rtf::defaultFont());
    return doc;
}

QString describe(const QTextCharFormat &format, const QTextDocument &doc)
{
    const rtf::CharAttributes a = rtf::attributesOf(format, doc.defaultFont());
    const char *const vertical[] = {"", "^", "_"};
    return QStringLiteral("%1/%2/%3%4%5%6%7/%8/%9")
        .arg(a.family)
        .arg(a.halfPoints)
        .arg(a.bold ? "B" : "")
        .arg(a.italic ? "I" : "")
        .arg(a.underline ? "U" : "")
        .arg(a.strike ? "S" : "")
        .arg(vertical[int(a.vertical)])
        .arg(a.color ? QString::number(*a.color, 16) : QStringLiteral("auto"))
        .arg(a.highlight ? QString::number(*a.highlight, 16) : QStringLiteral("none"));
}

// Every character of the document with the attributes it shows, one line per run, so that a
// difference shows where it is. Paragraph ends are listed with their own format.
QStringList runs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            out.append(QStringLiteral("<par %1>").arg(describe(block.charFormat(), doc)));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString attributes = describe(it.fragment().charFormat(), doc);
            // Adjacent fragments with equal attributes are one run.
            const QString text = it.fragment().text();
            if (!out.isEmpty() && out.last().startsWith(attributes + u'|'))
                out.last() += text;
            else
                out.append(attributes + u'|' + text);
        }
    }
    return out;
}

QByteArray body(const QByteArray &rtf)
{
    const qsizetype start = rtf.indexOf("\\pard ");
    return start < 0 ? QByteArray() : rtf.mid(start + 6);
}

bool isSevenBitAscii(const QByteArray &data)
{
    return std::all_of(data.begin(), data.end(), [](char c) { return uchar(c) < 0x80; });
}

// A document of random runs: random attributes, text with Unicode (also beyond U+FFFF),
// RTF's special characters, tabs, line breaks and empty paragraphs.
std::unique_ptr<QTextDocument> randomDocument(quint32 seed)
{
    QRandomGenerator rng(seed);
    const QStringList families = {QStringLiteral("Arial"),        QStringLiteral("Times New Roman"),
                                  QStringLiteral("Courier New"),  QStringLiteral("Ünïcödé Sans"),
                                  QStringLiteral("Odd;Name {x}"), QStringLiteral("Symbol")};
    const QList<char32_t> specials = {U'\\', U'{',      U'}',      U'\t', U'\u2028', U'é',
                                      U'€',  U'ß',      U'П',      U'日', U'\u00a0', U'😀',
                                      U'𝄞',  U'\uffff', U'\u0080', U';',  U'?',      U' '};
    auto doc = newDocument();
    QTextCursor cursor(doc.get());
    const int runCount = rng.bounded(1, 60);
    for (int r = 0; r < runCount; ++r) {
        QTextCharFormat format;
        // Some runs leave attributes open, so the document's default font must count too.
        if (rng.bounded(4) != 0) {
            format.setFontFamilies({families.at(rng.bounded(families.size()))});
            format.setFontPointSize(rng.bounded(2, 145) / 2.0);
            format.setFontWeight(rng.bounded(2) ? QFont::Bold : QFont::Normal);
            format.setFontItalic(rng.bounded(2));
            format.setFontUnderline(rng.bounded(2));
            if (rng.bounded(3) == 0)
                format.setForeground(QColor::fromRgb(rng.generate() & 0xffffff));
            format.setFontStrikeOut(rng.bounded(4) == 0);
            const QTextCharFormat::VerticalAlignment vertical[] = {
                QTextCharFormat::AlignNormal, QTextCharFormat::AlignSuperScript,
                QTextCharFormat::AlignSubScript};
            format.setVerticalAlignment(vertical[rng.bounded(3)]);
            if (rng.bounded(4) == 0)
                format.setBackground(QColor::fromRgb(rng.generate() & 0xffffff));
        }
        QString text;
        const int length = rng.bounded(0, 25);
        for (int i = 0; i < length; ++i) {
            switch (rng.bounded(6)) {
            case 0:
                text += QString::fromUcs4(&specials.at(rng.bounded(specials.size())), 1);
                break;
            case 1: {
                // Any BMP character except surrogates, controls and the editor's own marks.
                char16_t c = char16_t(rng.bounded(0xa0, 0xd800));
                text += QChar(c);
                break;
            }
            case 2:
                if (rng.bounded(4) == 0)
                    text += u'\n'; // paragraph end, sometimes several (empty paragraphs)
                break;
            default:
                text += QChar(char16_t(rng.bounded(0x20, 0x7f)));
            }
        }
        cursor.insertText(text, format);
    }
    return doc;
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void header();
    void characters_data();
    void characters();
    void attributes_data();
    void attributes();
    void paragraphs_data();
    void paragraphs();
    void range_data();
    void range();
    void roundTrip_data();
    void roundTrip();
};

void TestRtfWriter::header()
{
    auto doc = newDocument();
    QTextCursor cursor(doc.get());
    QTextCharFormat times;
    times.setFontFamilies({QStringLiteral("Times New Roman")});
    times.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("plain "));
    cursor.insertText(QStringLiteral("red"), times);

    const QByteArray rtf = rtf::write(*doc);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1 {\\fonttbl"));
    QVERIFY(rtf.endsWith("}\r\n"));
    QVERIFY(
        rtf.contains("{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Times New Roman;}}"));
    QVERIFY(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;}"));
    QVERIFY(body(rtf).contains("\\f1 \\cf1 red"));
    QCOMPARE(rtf.count('{'), rtf.count('}'));
}

void TestRtfWriter::characters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("ascii") << QStringLiteral("Plan 1: ok?") << QByteArray("Plan 1: ok?");
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QByteArray("a\\\\b");
    QTest::newRow("braces") << QStringLiteral("{x}") << QByteArray("\\{x\\}");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b");
    QTest::newRow("line break") << QStringLiteral("a\u2028b") << QByteArray("a\\line b");
    QTest::newRow("latin") << QStringLiteral("é") << QByteArray("\\u233 ?");
    QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\\u8364 ?");
    QTest::newRow("above 32767 is negative") << QStringLiteral("\uffff") << QByteArray("\\u-1 ?");
    QTest::newRow("surrogate pair") << QStringLiteral("😀") << QByteArray("\\u-10179 ?\\u-8704 ?");
    QTest::newRow("digits after a word") << QStringLiteral("\t1") << QByteArray("\\tab 1");
}

void TestRtfWriter::characters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    auto doc = newDocument();
    QTextCursor(doc.get()).insertText(text);
    const QByteArray rtf = rtf::write(*doc);
    QVERIFY(isSevenBitAscii(rtf));
    QVERIFY2(body(rtf).endsWith(expected + '}' + "\r\n"), body(rtf).constData());
}

void TestRtfWriter::attributes_data()
{
    QTest::addColumn<QTextCharFormat>("format");
    QTest::addColumn<QByteArray>("on");
    QTest::addColumn<QByteArray>("off");

    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    QTest::newRow("bold") << f << QByteArray("\\b x") << QByteArray("\\b0 y");
    f = {};
    f.setFontItalic(true);
    QTest::newRow("italic") << f << QByteArray("\\i x") << QByteArray("\\i0 y");
    f = {};
    f.setFontUnderline(true);
    QTest::newRow("underline") << f << QByteArray("\\ul x") << QByteArray("\\ulnone y");
    f = {};
    f.setFontPointSize(14);
    QTest::newRow("size in half points") << f << QByteArray("\\fs28 x") << QByteArray("\\fs20 y");
    f = {};
    f.setFontPointSize(10.5);
    QTest::newRow("half point size") << f << QByteArray("\\fs21 x") << QByteArray("\\fs20 y");
    f = {};
    f.setForeground(QColor(0, 0, 255));
    QTest::newRow("colour") << f << QByteArray("\\cf1 x") << QByteArray("\\cf0 y");
    f = {};
    f.setFontFamilies({QStringLiteral("Courier New")});
    QTest::newRow("font") << f << QByteArray("\\f1 x") << QByteArray("\\f0 y");
    f = {};
    f.setFontStrikeOut(true);
    QTest::newRow("strike-through") << f << QByteArray("\\strike x") << QByteArray("\\strike0 y");
    f = {};
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    QTest::newRow("superscript") << f << QByteArray("\\super x") << QByteArray("\\nosupersub y");
    f = {};
    f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    QTest::newRow("subscript") << f << QByteArray("\\sub x") << QByteArray("\\nosupersub y");
    f = {};
    f.setBackground(QColor(255, 255, 0));
    QTest::newRow("highlight") << f << QByteArray("\\highlight1 x") << QByteArray("\\highlight0 y");
}

void TestRtfWriter::attributes()
{
    QFETCH(QTextCharFormat, format);
    QFETCH(QByteArray, on);
    QFETCH(QByteArray, off);
    auto doc = newDocument();
    QTextCursor cursor(doc.get());
    cursor.insertText(QStringLiteral("w"));
    cursor.insertText(QStringLiteral("x"), format);
    cursor.insertText(QStringLiteral("y"), QTextCharFormat());
    const QByteArray b = body(rtf::write(*doc));
    // The first run states everything; later runs state only what changes.
    QVERIFY2(b.startsWith("\\plain \\f0 \\fs20 \\cf0 w"), b.constData());
    QVERIFY2(b.contains("w" + on + off + "}"), b.constData());
}

void TestRtfWriter::paragraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty document") << QString() << QByteArray("}\r\n");
    QTest::newRow("one") << QStringLiteral("a") << QByteArray("a}\r\n");
    QTest::newRow("two") << QStringLiteral("a\nb") << QByteArray("a\\par\r\nb}\r\n");
    QTest::newRow("empty between")
        << QStringLiteral("a\n\nb") << QByteArray("a\\par\r\n\\par\r\nb}\r\n");
    QTest::newRow("empty last") << QStringLiteral("a\n") << QByteArray("a\\par\r\n}\r\n");
}

void TestRtfWriter::paragraphs()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    auto doc = newDocument();
    QTextCursor(doc.get()).insertText(text);
    QVERIFY2(rtf::write(*doc).endsWith(expected), rtf::write(*doc).constData());
}

void TestRtfWriter::range_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");

    // Document: "Monday\nPlan [B]bold[/B]\nEnd"
    QTest::newRow("all") << 0 << -1 << QStringLiteral("Monday\nPlan bold\nEnd");
    QTest::newRow("past the end") << 0 << 10000 << QStringLiteral("Monday\nPlan bold\nEnd");
    QTest::newRow("inside a paragraph") << 1 << 4 << QStringLiteral("ond");
    QTest::newRow("with its paragraph end") << 0 << 7 << QStringLiteral("Monday\n");
    QTest::newRow("up to a paragraph end") << 0 << 6 << QStringLiteral("Monday");
    QTest::newRow("across paragraphs") << 4 << 14 << QStringLiteral("ay\nPlan bo");
    QTest::newRow("empty") << 3 << 3 << QString();
    QTest::newRow("reversed") << 5 << 2 << QString();
}

void TestRtfWriter::range()
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
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.endsWith("}\r\n"));
    auto back = newDocument();
    QTextCursor readCursor(back.get());
    rtf::read(rtf, readCursor);
    QCOMPARE(back->toPlainText(), expected);
    if (expected.contains(QLatin1StringView("bo")))
        QVERIFY(body(rtf).contains("\\b bo"));
}

void TestRtfWriter::roundTrip_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 200; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestRtfWriter::roundTrip()
{
    QFETCH(quint32, seed);
    const auto doc = randomDocument(seed);
    const QByteArray rtf = rtf::write(*doc);
    QVERIFY(isSevenBitAscii(rtf));

    auto back = newDocument();
    QTextCursor cursor(back.get());
    rtf::read(rtf, cursor);
    QCOMPARE(back->toRawText(), doc->toRawText());
    QCOMPARE(runs(*back), runs(*doc));
    // Writing what we read gives the same file.
    QCOMPARE(rtf::write(*back), rtf);
}

QTEST_APPLESS_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
