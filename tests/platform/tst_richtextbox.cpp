// RichTextBox: the document members the program's procedures use, its files, its events and
// its clipboard.
#include "platform/richtextbox.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/fulldisk.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// The day heading and two lines, written the way the program appends to a plan.
void appendDay(RichTextBox &box)
{
    box.MoveToEnd();
    box.setSelBold(true);
    box.setSelText(QStringLiteral("Monday, August 24\r\n"));
    box.setSelBold(false);
    box.setSelText(QStringLiteral("Objective: "));
    box.setSelItalic(true);
    box.setSelText(QStringLiteral("fractions"));
    box.setSelItalic(false);
    box.setSelText(QStringLiteral("\r\n"));
    box.setSelUnderline(true);
    box.setSelFontSize(14);
    box.setSelText(QStringLiteral("Materials"));
    box.setSelUnderline(false);
    box.setSelFontSize(10);
    box.setSelText(QStringLiteral(": {ruler} \\ €\r\n"));
}

const QString dayDump = QStringLiteral("[B]Monday, August 24[/B]\n"
                                       "Objective: [I]fractions[/I]\n"
                                       "[U]Materials[/U]: {ruler} \\ €\n");

} // namespace

class TestRichTextBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void appendPattern();
    void textAndSelection();
    void rtfInAndOut();
    void selectionAttributes_data();
    void selectionAttributes();
    void saveAndLoad();
    void fileFails_data();
    void fileFails();
    void changeSignal();
    void mouseAndClipboard();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRichTextBox::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// A day appended to a plan lands before the caret, or loses its formatting or its CR LF.
void TestRichTextBox::appendPattern()
{
    RichTextBox box;
    appendDay(box);
    QCOMPARE(box.Text(), QStringLiteral("Monday, August 24\r\nObjective: fractions\r\n"
                                        "Materials: {ruler} \\ €\r\n"));
    QCOMPARE(box.SelStart(), 62);
    box.setSelStart(3);
    appendDay(box);
    QCOMPARE(dumpDocument(box), dayDump + dayDump);
}

// New text keeps the old text's formatting or reads as RTF; positions out of range select
// nothing or the wrong text instead of clamping.
void TestRichTextBox::textAndSelection()
{
    RichTextBox box;
    box.setSelBold(true);
    box.setSelText(QStringLiteral("old content"));
    box.setText(QStringLiteral("{\\b x}\nb"));
    box.setSelText(QStringLiteral("typed "));
    QCOMPARE(dumpDocument(box), QStringLiteral("typed {\\b x}\nb"));
    QCOMPARE(box.Text(), QStringLiteral("typed {\\b x}\r\nb"));
    box.setText(QStringLiteral("ab\r\ncd"));
    box.setSelStart(1);
    box.setSelLength(3);
    QCOMPARE(box.SelText(), QStringLiteral("b\r\nc"));
    box.setSelStart(3);
    box.setSelLength(100);
    QCOMPARE(box.SelText(), QStringLiteral("cd"));
    box.setSelStart(100);
    QCOMPARE(box.SelStart(), 5);
    box.setSelLength(-3);
    QCOMPARE(box.SelLength(), 0);
}

// RTF of a selection or of the whole plan: a wrong range, characters beyond ASCII misread
// when handed over as a string, plain text taken for RTF, a mixed selection shown as italic.
void TestRichTextBox::rtfInAndOut()
{
    RichTextBox source;
    appendDay(source);
    source.setSelStart(18); // "Objective: fractions\r\n"
    source.setSelLength(21);
    RichTextBox target;
    target.setSelText(QStringLiteral("before after"));
    target.setSelStart(7);
    target.setSelLength(5);
    target.setSelRTF(source.SelRTF());
    QCOMPARE(target.SelStart(), 28);
    target.setSelBold(true);
    target.setSelRTF(QStringLiteral("not {rtf}"));
    QCOMPARE(dumpDocument(target),
             QStringLiteral("before Objective: [I]fractions[/I]\n[B]not {rtf}[/B]"));
    target.setSelStart(17);
    target.setSelLength(10); // mixed: the Italic button would unformat all of it
    QVERIFY(!target.SelItalic());
    target.setSelStart(18);
    target.setSelLength(9);
    QVERIFY(target.SelItalic());
    target.setTextRTF(source.TextRTF());
    QCOMPARE(dumpDocument(target), dayDump);
    target.setTextRTF(QStringLiteral("{\\rtf1 {\\b Grüße} 😀}"));
    QCOMPARE(dumpDocument(target), QStringLiteral("[B]Grüße[/B] 😀"));
}

// The toolbar shows what the selection has: a mixed selection shown bold, the end's font or
// colour instead of the start's, a size of 0 taken instead of refused, a font name with spaces.
void TestRichTextBox::selectionAttributes_data()
{
    dataColumns<int, int, bool, int, QString, QColor, QString>(
        {"start", "length", "bold", "points", "family", "color", "rtf"});
    const QString fonts = QStringLiteral("{\\rtf1{\\fonttbl{\\f1 Arial;}{\\f2 Courier New;}}"
                                         "{\\colortbl;\\red255\\green0\\blue0;}");
    dataRow("caret after bold", 3, 0, true, 14, "Arial", QColor(Qt::red),
            fonts + "\\f1\\fs28\\b\\cf1 big}");
    dataRow("mixed bold, odd half-points", 0, 2, false, 12, "Arial", QColor(),
            fonts + "\\f1\\fs23 {\\b a}b}");
    dataRow("from the start", 0, 2, true, 10, "Arial", QColor(Qt::red),
            fonts + "\\b\\f1\\fs20\\cf1 a\\f2\\fs40\\cf0 b}");
}

void TestRichTextBox::selectionAttributes()
{
    QFETCH(QString, rtf);
    QFETCH(int, start);
    QFETCH(int, length);
    RichTextBox box;
    box.setTextRTF(rtf);
    box.setSelStart(start);
    box.setSelLength(length);
    box.setSelFontSize(0);
    QTEST(box.SelBold(), "bold");
    QTEST(box.SelFontSize(), "points");
    QTEST(box.SelFontName(), "family");
    QTEST(box.SelColor(), "color");
    box.setSelFontName(QStringLiteral(" Courier New "));
    box.setSelColor(Qt::blue);
    QCOMPARE(box.SelFontName(), QStringLiteral("Courier New"));
    QCOMPARE(box.SelColor(), QColor(Qt::blue));
}

// A saved plan that reloads different, or loads into what was there before.
void TestRichTextBox::saveAndLoad()
{
    RichTextBox box;
    appendDay(box);
    const QString path = m_dir->filePath(QStringLiteral("plan.rtf"));
    QString error;
    QVERIFY2(box.SaveFile(path, &error), qPrintable(error));
    RichTextBox loaded;
    loaded.setSelText(QStringLiteral("old"));
    QSignalSpy changed(&loaded, &RichTextBox::Change);
    QVERIFY2(loaded.LoadFile(path, &error), qPrintable(error));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(loaded.TextRTF(), box.TextRTF());
    QCOMPARE(loaded.SelStart(), 0);
}

// A failed save or load must say so and name the file, change nothing in the document, and
// a failed save must keep the plan that was there byte for byte.
void TestRichTextBox::fileFails_data()
{
    dataColumns<bool, QString, QString>({"save", "target", "reason"});
    dataRow("save: missing folder", true, "no/such.rtf", "");
    dataRow("save: target is a folder", true, "folder", "");
    dataRow("save: full disk over a plan", true, "full/plan.rtf", FullDisk::reason());
    dataRow("load: missing file", false, "gone/missing.rtf", "");
    dataRow("load: a folder", false, "folder", "");
    dataRow("load: too large", false, "huge/plan.rtf", "too large");
    dataRow("load: a device of no size", false, "/dev/zero", "too large");
    dataRow("load: read error", false, "/proc/self/mem", "");
}

void TestRichTextBox::fileFails()
{
    QFETCH(bool, save);
    QFETCH(QString, target);
    QFETCH(QString, reason);
    const QString folder = m_dir->filePath(target.section(u'/', 0, 0));
    const QString path = target.startsWith(u'/') ? target : m_dir->filePath(target);
    const QByteArray before = "{\\rtf1 the plan that was there}";
    if (!target.startsWith(QLatin1StringView("no/")))
        QDir().mkpath(folder);
    QFile old(path);
    if (target.endsWith(QLatin1StringView("plan.rtf"))) {
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
        QVERIFY(save || old.resize(RichTextBox::maxFileSize + 1)); // sparse
        old.close();
    }
    RichTextBox box;
    while (box.TextRTF().size() < 12000) // past a write buffer: a short file would be left
        appendDay(box);
    const QString shown = dumpDocument(box);
    QString error;
    auto full =
        target.startsWith(QLatin1StringView("full")) ? std::make_unique<FullDisk>(4096) : nullptr;
    QVERIFY(!(save ? box.SaveFile(path, &error) : box.LoadFile(path, &error)));
    full.reset();
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)) && error.contains(reason),
             qPrintable(error));
    QCOMPARE(dumpDocument(box), shown);
    if (save && target.endsWith(QLatin1StringView("plan.rtf"))) {
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    }
}

// The program marks a plan changed from this signal: a change it misses is lost at exit, one
// it invents asks a needless question.
void TestRichTextBox::changeSignal()
{
    RichTextBox box;
    box.setText(QStringLiteral("some text"));
    QSignalSpy spy(&box, &RichTextBox::Change);
    const auto changes = [&](const std::function<void()> &operation) {
        spy.clear();
        operation();
        return spy.count();
    };
    QCOMPARE(changes([&] { box.setTextRTF(QStringLiteral("{\\rtf1 new}")); }), 1);
    QCOMPARE(changes([&] { box.setSelRTF(QStringLiteral("{\\rtf1 {\\b new}\\par}")); }), 1);
    QCOMPARE(changes([&] { QTest::keyClick(&box, Qt::Key_X); }), 1);
    connect(&box, &RichTextBox::KeyDown, &box, [](int *keyCode, Qt::KeyboardModifiers) {
        if (*keyCode == Qt::Key_Q)
            *keyCode = 0; // the program swallows the key
    });
    QCOMPARE(changes([&] { QTest::keyClick(&box, Qt::Key_Q); }), 0);
    QCOMPARE(changes([&] { box.setSelBold(true); }), 0); // for the next text only
    QCOMPARE(changes([&] { box.setSelStart(2), box.setSelLength(3); }), 0);
    QCOMPARE(changes([&] { box.setSelBold(true); }), 1);
}

// A click not passed on; Copy giving other programs no RTF; pasted HTML bringing its styles
// into a plan.
void TestRichTextBox::mouseAndClipboard()
{
    RichTextBox box;
    QSignalSpy mouse(&box, &RichTextBox::MouseDown);
    QTest::mousePress(box.viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(12, 7));
    QCOMPARE(mouse.count(), 1);

    appendDay(box);
    box.setSelStart(18);
    box.setSelLength(21); // "Objective: fractions\r\n"
    box.copy();
    QVERIFY(QGuiApplication::clipboard()->mimeData()->data("text/rtf").startsWith("{\\rtf1"));
    RichTextBox target;
    target.paste();
    auto *html = new QMimeData;
    html->setHtml(QStringLiteral("<b style='color:red'>styled</b>"));
    html->setText(QStringLiteral("styled"));
    QGuiApplication::clipboard()->setMimeData(html);
    target.paste();
    QCOMPARE(dumpDocument(target), QStringLiteral("Objective: [I]fractions[/I]\nstyled"));
}

QTEST_MAIN(TestRichTextBox)
#include "tst_richtextbox.moc"
