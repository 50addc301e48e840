// RTF written by real word processors: the documents in data/corpus/sources, saved as RTF by
// LibreOffice and by pandoc (data/corpus/remake.sh). The expected text below is written from
// the sources, with what each tool adds or changes stated where it differs.
//
// What the reader makes of them:
// - headers, footers, pictures and field instructions are left out; a field's result (the
//   text of a hyperlink, the page number) is kept;
// - list bullets and numbers are the text the file gives for them (\listtext, or plain text in
//   pandoc's case), followed by the tab that separates them from the item;
// - a table row becomes a paragraph whose cells each end with a tab; a paragraph end just
//   before a cell's end is that cell's end.
#include "platform/rtf/rtfformat.h"
#include "platform/rtf/rtfreader.h"
#include "support/docdump.h"

#include <QFile>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace
{

std::unique_ptr<QTextDocument> readCorpusFile(const QString &name)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(rtf::defaultFont());
    QFile file(QFINDTESTDATA(QStringLiteral("data/corpus/") + name));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QTextCursor cursor(doc.get());
    rtf::read(file.readAll(), cursor);
    return doc;
}

// pandoc --standalone puts the HTML title first, bold at 18 pt, and an empty paragraph after it
// (where the author and date would go).
QString pandocTitle(const QString &title)
{
    return QStringLiteral("[B]") + title + QStringLiteral("[/B]\n\n");
}

} // namespace

class TestRtfCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documents_data();
    void documents();
    void attributes_data();
    void attributes();
};

void TestRtfCorpus::documents_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    // Both tools end the last paragraph with \par, which leaves an empty paragraph at the end.
    const QString formatting = QStringLiteral(
        "[B]Week one[/B]\n"
        "Plain paragraph about fractions and decimals.\n"
        "Words in [B]bold[/B], [I]italic[/I] and [U]underline[/U].\n"
        "[B]Bold [I]bold italic [U]all three[/U] back[/I] bold[/B] plain.\n"
        "[I]Italic with [U]underlined[/U] part[/I] and [B][U]bold underline[/U][/B] end.\n"
        "Sizes: small, large, huge.\n"
        "Colours: red, green, blue.\n"
        "Line one[BR]line two after a break.\n"
        "Symbols: back\\slash {braces} 100% & <tags> \"quotes\" it's\n");
    QTest::newRow("formatting, LibreOffice")
        << QStringLiteral("formatting-libreoffice.rtf") << formatting;
    QTest::newRow("formatting, pandoc") << QStringLiteral("formatting-pandoc.rtf")
                                        << pandocTitle(QStringLiteral("Formatting")) + formatting;

    const QString scripts = QStringLiteral("Accents: café naïve Zażółć gęślą jaźń Grüße Øresund\n"
                                           "Greek: Καλημέρα κόσμε\n"
                                           "Cyrillic: [B]Урок[/B] математики\n"
                                           "CJK: 日本語の授業 中文课程 한국어\n"
                                           "Arabic: مرحبا Hebrew: שלום\n"
                                           "Emoji: 😀 clef 𝄞 done\n"
                                           "Typography: “quoted” ‘single’ – en — em … €5\n");
    QTest::newRow("scripts, LibreOffice") << QStringLiteral("scripts-libreoffice.rtf") << scripts;
    QTest::newRow("scripts, pandoc")
        << QStringLiteral("scripts-pandoc.rtf") << pandocTitle(QStringLiteral("Scripts")) + scripts;

    // LibreOffice keeps the line end before </li> as a space and puts a space before the
    // numbers.
    QTest::newRow("lists, LibreOffice") << QStringLiteral("lists-libreoffice.rtf")
                                        << QStringLiteral("Materials:\n"
                                                          "•\tFraction strips \n"
                                                          "•\t[B]Whiteboard[/B] markers \n"
                                                          "Steps:\n"
                                                          " 1.\tWarm-up \n"
                                                          " 2.\tGuided [I]practice[/I] \n"
                                                          " 3.\tExit ticket \n"
                                                          "After the lists.\n");
    QTest::newRow("lists, pandoc")
        << QStringLiteral("lists-pandoc.rtf")
        << pandocTitle(QStringLiteral("Lists")) + QStringLiteral("Materials:\n"
                                                                 "•\tFraction strips\n"
                                                                 "•\t[B]Whiteboard[/B] markers\n"
                                                                 "Steps:\n"
                                                                 "1.\tWarm-up\n"
                                                                 "2.\tGuided [I]practice[/I]\n"
                                                                 "3.\tExit ticket\n"
                                                                 "After the lists.\n");

    // A cell of two paragraphs keeps them. LibreOffice makes the header cells bold; pandoc ends
    // every cell's paragraphs with \par, the last one too, and writes an empty paragraph after
    // the table.
    QTest::newRow("table, LibreOffice") << QStringLiteral("table-libreoffice.rtf")
                                        << QStringLiteral("Before the table.\n"
                                                          "[B]Day\tTopic\t[/B]\n"
                                                          "Monday\t[I]Fractions[/I]\t\n"
                                                          "Tuesday\tDécimales\t\n"
                                                          "Wednesday\tReview\nquiz\t\n"
                                                          "After the table.\n");
    QTest::newRow("table, pandoc")
        << QStringLiteral("table-pandoc.rtf")
        << pandocTitle(QStringLiteral("Table")) + QStringLiteral("Before the table.\n"
                                                                 "Day\tTopic\t\n"
                                                                 "Monday\t[I]Fractions[/I]\t\n"
                                                                 "Tuesday\tDécimales\t\n"
                                                                 "Wednesday\tReview\nquiz\t\n"
                                                                 "\n"
                                                                 "After the table.\n");

    // The picture between the two spaces is left out.
    const QString links = QStringLiteral("See [U]the fraction guide[/U] for more.\n"
                                         "Picture:  after the picture.\n");
    QTest::newRow("link and picture, LibreOffice")
        << QStringLiteral("links-libreoffice.rtf") << links;
    QTest::newRow("link and picture, pandoc")
        << QStringLiteral("links-pandoc.rtf") << pandocTitle(QStringLiteral("Links")) + links;

    // Header and footer ("Header: Grade 4 mathematics", "Footer page 1") are left out.
    QTest::newRow("page fields, header and footer, LibreOffice")
        << QStringLiteral("pagefields-libreoffice.rtf")
        << QStringLiteral("Unit plan for [B]week one[/B].\n"
                          "Column\tafter a tab[BR]and a second line.\n"
                          "This is page 1 of the plan.\n"
                          "Read [U]the [/U][I][U]unit notes[/U][/I] first.\n"
                          "Picture  inline.\n"
                          "Last paragraph.\n");
}

void TestRtfCorpus::documents()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    const auto doc = readCorpusFile(file);
    QVERIFY2(doc, qPrintable(file));
    QCOMPARE(dumpDocument(*doc), expected);
}

void TestRtfCorpus::attributes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("halfPoints");
    QTest::addColumn<QString>("color"); // "auto" or #rrggbb

    const QString formatting = QStringLiteral("formatting-libreoffice.rtf");
    QTest::newRow("8 pt") << formatting << QStringLiteral("small") << 16 << QStringLiteral("auto");
    QTest::newRow("16 pt") << formatting << QStringLiteral("large") << 32 << QStringLiteral("auto");
    QTest::newRow("24 pt") << formatting << QStringLiteral("huge") << 48 << QStringLiteral("auto");
    QTest::newRow("red") << formatting << QStringLiteral("red") << 24 << QStringLiteral("#ff0000");
    QTest::newRow("green") << formatting << QStringLiteral("green") << 24
                           << QStringLiteral("#008000");
    QTest::newRow("blue") << formatting << QStringLiteral("blue") << 24
                          << QStringLiteral("#0000ff");
    QTest::newRow("link colour") << QStringLiteral("links-libreoffice.rtf")
                                 << QStringLiteral("fraction guide") << 24
                                 << QStringLiteral("#000080");
    QTest::newRow("stated body size") << QStringLiteral("pagefields-libreoffice.rtf")
                                      << QStringLiteral("week one") << 24 << QStringLiteral("auto");
    // Both tools state a heading's size and weight in the paragraph, besides its style.
    QTest::newRow("heading, LibreOffice")
        << formatting << QStringLiteral("Week one") << 36 << QStringLiteral("auto");
    QTest::newRow("heading, pandoc") << QStringLiteral("formatting-pandoc.rtf")
                                     << QStringLiteral("Week one") << 32 << QStringLiteral("auto");
    QTest::newRow("pandoc title") << QStringLiteral("formatting-pandoc.rtf")
                                  << QStringLiteral("Formatting") << 36 << QStringLiteral("auto");
}

void TestRtfCorpus::attributes()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(int, halfPoints);
    QFETCH(QString, color);
    const auto doc = readCorpusFile(file);
    QVERIFY2(doc, qPrintable(file));
    const QTextCursor found =
        doc->find(text, 0, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
    QVERIFY2(!found.isNull(), qPrintable(text));

    // Every character of the text has the attributes, not only the first.
    for (int position = found.selectionStart(); position < found.selectionEnd(); ++position) {
        QTextCursor cursor(doc.get());
        cursor.setPosition(position + 1);
        const rtf::CharAttributes a = rtf::attributesOf(cursor.charFormat(), doc->defaultFont());
        QCOMPARE(a.halfPoints, halfPoints);
        QCOMPARE(a.color ? QColor(*a.color).name() : QStringLiteral("auto"), color);
    }
}

QTEST_APPLESS_MAIN(TestRtfCorpus)
#include "tst_rtfcorpus.moc"
