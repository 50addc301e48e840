// RichTextBox: the document members the program's procedures use, its files, its events and
// its clipboard.
#include "platform/richtextbox.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/fulldisk.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace
{

// Reaches the clipboard handlers, which QTextEdit keeps protected.
class ClipboardBox : public RichTextBox
{
public:
    using RichTextBox::canInsertFromMimeData;
    using RichTextBox::createMimeDataFromSelection;
    using RichTextBox::insertFromMimeData;
};

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
    void carryOver_data();
    void carryOver();
    void text_data();
    void text();
    void selection_data();
    void selection();
    void selectionAttributes();
    void selRtf();
    void setSelRtfPlainText();
    void textRtf();
    void saveAndLoad();
    void saveFails_data();
    void saveFails();
    void loadFails_data();
    void loadFails();
    void loadPlainText();
    void changeSignal_data();
    void changeSignal();
    void events();
    void clipboard();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRichTextBox::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestRichTextBox::appendPattern()
{
    RichTextBox box;
    appendDay(box);
    QCOMPARE(dumpDocument(box), dayDump);
    QCOMPARE(box.Text(), QStringLiteral("Monday, August 24\r\nObjective: fractions\r\n"
                                        "Materials: {ruler} \\ €\r\n"));
    QCOMPARE(box.SelStart(), 62);
    QCOMPARE(box.SelLength(), 0);

    // A second day goes after the first, wherever the caret was left.
    box.setSelStart(3);
    appendDay(box);
    QCOMPARE(dumpDocument(box), dayDump + dayDump);
}

void TestRichTextBox::carryOver_data()
{
    QTest::addColumn<bool>("setBoldAgain");
    QTest::addColumn<int>("caret"); // -1: MoveToEnd
    QTest::addColumn<QString>("expected");

    dataRow("bold carries to the next text", false, -1, QStringLiteral("a[B]bc[/B]\n[B]dx[/B]"));
    dataRow("explicit attribute wins", true, -1, QStringLiteral("a[B]bc[/B]\n[B]dx[/B]"));
    dataRow("caret after plain text", false, 1, QStringLiteral("ax[B]bc[/B]\n[B]d[/B]"));
    dataRow("caret at the start takes the first character", false, 0,
            QStringLiteral("xa[B]bc[/B]\n[B]d[/B]"));
}

void TestRichTextBox::carryOver()
{
    QFETCH(bool, setBoldAgain);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    RichTextBox box;
    box.setSelText(QStringLiteral("a"));
    box.setSelBold(true);
    box.setSelText(QStringLiteral("b"));
    box.setSelText(QStringLiteral("c\r\nd")); // no attribute set: still bold
    if (caret < 0)
        box.MoveToEnd();
    else
        box.setSelStart(caret);
    if (setBoldAgain)
        box.setSelBold(true);
    box.setSelText(QStringLiteral("x"));
    QCOMPARE(dumpDocument(box), expected);
    QVERIFY(box.SelFontSize() == 10);
}

void TestRichTextBox::text_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("blocks");

    dataRow("empty", QString(), QString(), 1);
    dataRow("crlf", QStringLiteral("a\r\nb"), QStringLiteral("a\r\nb"), 2);
    dataRow("lf", QStringLiteral("a\nb\n"), QStringLiteral("a\r\nb\r\n"), 3);
    dataRow("empty paragraphs", QStringLiteral("\r\n\r\nx"), QStringLiteral("\r\n\r\nx"), 3);
    dataRow("rtf-looking text stays text", QStringLiteral("{\\b x}"), QStringLiteral("{\\b x}"), 1);
}

void TestRichTextBox::text()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(int, blocks);
    RichTextBox box;
    box.setSelBold(true);
    box.setSelText(QStringLiteral("old content"));
    box.setText(input);
    QCOMPARE(box.Text(), text);
    QCOMPARE(box.document()->blockCount(), blocks);
    QVERIFY(!dumpDocument(box).contains(QLatin1StringView("[B]")));
    QCOMPARE(box.SelStart(), 0);
}

void TestRichTextBox::selection_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("selText");

    // Document "ab\r\ncd": a paragraph break counts one position.
    QTest::newRow("inside") << 1 << 1 << 1 << 1 << QStringLiteral("b");
    dataRow("across the break", 1, 3, 1, 3, QStringLiteral("b\r\nc"));
    dataRow("length past the end", 3, 100, 3, 2, QStringLiteral("cd"));
    dataRow("start past the end", 100, 0, 5, 0, QString());
    dataRow("negative start", -4, 2, 0, 2, QStringLiteral("ab"));
    dataRow("negative length collapses", 2, -3, 2, 0, QString());
}

void TestRichTextBox::selection()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, selText);
    RichTextBox box;
    box.setText(QStringLiteral("ab\r\ncd"));
    box.setSelStart(start);
    box.setSelLength(length);
    QCOMPARE(box.SelStart(), selStart);
    QCOMPARE(box.SelLength(), selLength);
    QCOMPARE(box.SelText(), selText);

    // Setting the start collapses the selection.
    box.setSelStart(1);
    QCOMPARE(box.SelLength(), 0);

    // Replacing the selection.
    box.setSelStart(selStart);
    box.setSelLength(selLength);
    box.setSelText(QStringLiteral("X\r\nY"));
    QCOMPARE(box.Text(), QStringLiteral("ab\r\ncd")
                             .replace(selStart + (selStart >= 3 ? 1 : 0), selText.size(),
                                      QStringLiteral("X\r\nY")));
}

void TestRichTextBox::selectionAttributes()
{
    RichTextBox box;
    box.setSelText(QStringLiteral("plain "));
    box.setSelBold(true);
    box.setSelFontSize(16);
    box.setSelText(QStringLiteral("bold"));
    box.setSelStart(6);
    box.setSelLength(4);
    QVERIFY(box.SelBold());
    QCOMPARE(box.SelFontSize(), 16);
    box.setSelStart(4);
    box.setSelLength(4);
    QVERIFY(!box.SelBold()); // mixed
    QCOMPARE(box.SelFontSize(), 10);

    // With a selection the setters format it.
    box.setSelItalic(true);
    QCOMPARE(dumpDocument(box), QStringLiteral("plai[I]n [/I][B][I]bo[/I]ld[/B]"));
    QVERIFY(box.SelItalic());
}

void TestRichTextBox::selRtf()
{
    RichTextBox source;
    appendDay(source);
    source.setSelStart(18); // "Objective: fractions\r\n"
    source.setSelLength(21);
    const QString rtf = source.SelRTF();
    QVERIFY(rtf.startsWith(QLatin1StringView("{\\rtf1\\ansi\\ansicpg1252\\deff0")));
    QVERIFY(rtf.trimmed().endsWith(u'}'));
    QCOMPARE(rtf.count(u'{'), rtf.count(u'}'));

    RichTextBox target;
    target.setSelText(QStringLiteral("before after"));
    target.setSelStart(7);
    target.setSelLength(5); // "after" is replaced
    target.setSelRTF(rtf);
    QCOMPARE(dumpDocument(target), QStringLiteral("before Objective: [I]fractions[/I]\n"));
    QCOMPARE(target.SelStart(), 28);

    source.setSelStart(2);
    source.setSelLength(0);
    QVERIFY(!source.SelRTF().contains(QLatin1StringView("Monday")));
}

void TestRichTextBox::setSelRtfPlainText()
{
    RichTextBox box;
    box.setSelBold(true);
    box.setSelRTF(QStringLiteral("not {rtf}\r\nline"));
    QCOMPARE(dumpDocument(box), QStringLiteral("[B]not {rtf}[/B]\n[B]line[/B]"));
}

void TestRichTextBox::textRtf()
{
    RichTextBox box;
    appendDay(box);
    const QString rtf = box.TextRTF();
    QVERIFY(rtf.startsWith(QLatin1StringView("{\\rtf1")));
    QVERIFY(std::all_of(rtf.begin(), rtf.end(), [](QChar c) { return c.unicode() < 0x80; }));

    RichTextBox copy;
    copy.setSelText(QStringLiteral("to be replaced"));
    copy.setTextRTF(rtf);
    QCOMPARE(dumpDocument(copy), dayDump);
    QCOMPARE(copy.TextRTF(), rtf);

    // RTF handed over with characters beyond ASCII still reads them as the characters they are.
    copy.setTextRTF(QStringLiteral("{\\rtf1 {\\b Grüße} 😀}"));
    QCOMPARE(dumpDocument(copy), QStringLiteral("[B]Grüße[/B] 😀"));
    copy.setTextRTF(QStringLiteral("Plain\r\ntext"));
    QCOMPARE(copy.Text(), QStringLiteral("Plain\r\ntext"));
}

void TestRichTextBox::saveAndLoad()
{
    RichTextBox box;
    appendDay(box);
    const QString path = m_dir->filePath(QStringLiteral("plan.rtf"));
    QString error;
    QVERIFY2(box.SaveFile(path, &error), qPrintable(error));
    QVERIFY(error.isEmpty());

    RichTextBox loaded;
    loaded.setSelText(QStringLiteral("old"));
    QVERIFY2(loaded.LoadFile(path, &error), qPrintable(error));
    QCOMPARE(dumpDocument(loaded), dayDump);
    QCOMPARE(loaded.TextRTF(), box.TextRTF());
    QCOMPARE(loaded.SelStart(), 0);

    // Appending to a loaded plan and saving again.
    appendDay(loaded);
    QVERIFY(loaded.SaveFile(path, &error));
    RichTextBox again;
    QVERIFY(again.LoadFile(path, &error));
    QCOMPARE(dumpDocument(again), dayDump + dayDump);
}

void TestRichTextBox::saveFails_data()
{
    QTest::addColumn<QString>("target");

    dataRow("missing folder", QStringLiteral("no/such/folder/plan.rtf"));
    dataRow("target is a folder", QStringLiteral("folder"));
    dataRow("read-only folder", QStringLiteral("locked/plan.rtf"));
    dataRow("full disk over a plan", QStringLiteral("full/plan.rtf"));
}

void TestRichTextBox::saveFails()
{
    QFETCH(QString, target);
    QDir(m_dir->path()).mkpath(QStringLiteral("folder"));
    QDir(m_dir->path()).mkpath(QStringLiteral("locked"));
    const QString path = m_dir->filePath(target);
    const QByteArray before = "{\\rtf1 the plan that was there}";
    if (target.startsWith(QLatin1StringView("locked"))) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(before);
        old.close();
        QFile::setPermissions(m_dir->filePath(QStringLiteral("locked")),
                              QFile::ReadOwner | QFile::ExeOwner);
        if (::geteuid() == 0) {
            QFile::setPermissions(m_dir->filePath(QStringLiteral("locked")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("Folder permissions do not hold for root");
        }
    }

    RichTextBox box;
    appendDay(box);
    QString error;
    if (target.startsWith(QLatin1StringView("full"))) {
        // A plan of a few kilobytes onto a disk with 4 KB free: a buffered write would leave
        // a short file in the old one's place.
        QDir(m_dir->path()).mkpath(QStringLiteral("full"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(before);
        old.close();
        while (box.TextRTF().size() < 12000) // still inside a write buffer
            appendDay(box);
        const FullDisk full(4096);
        QVERIFY(!box.SaveFile(path, &error));
        QVERIFY2(error.contains(FullDisk::reason()), qPrintable(error));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
        QCOMPARE(QDir(m_dir->filePath(QStringLiteral("full"))).entryList(QDir::Files).size(), 1);
        return;
    }
    QVERIFY(!box.SaveFile(path, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QVERIFY(error.contains(QLatin1StringView("could not be saved")));

    if (target.startsWith(QLatin1StringView("locked"))) {
        QFile::setPermissions(m_dir->filePath(QStringLiteral("locked")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), before);
        QCOMPARE(QDir(m_dir->filePath(QStringLiteral("locked"))).entryList(QDir::Files).size(), 1);
    }
}

void TestRichTextBox::loadFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size"); // -1: no file
    QTest::addColumn<QString>("message");

    dataRow("missing", QStringLiteral("missing.rtf"), qint64(-1),
            QStringLiteral("could not be opened"));
    dataRow("folder", QStringLiteral("."), qint64(-1), QStringLiteral("could not be opened"));
    dataRow("too large", QStringLiteral("huge.rtf"), RichTextBox::maxFileSize + 1,
            QStringLiteral("too large"));
}

void TestRichTextBox::loadFails()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QFETCH(QString, message);
    const QString path = m_dir->filePath(name);
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size)); // sparse: costs no disk space
    }
    RichTextBox box;
    appendDay(box);
    QString error;
    QVERIFY(!box.LoadFile(path, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(dumpDocument(box), dayDump); // the document is unchanged
}

void TestRichTextBox::loadPlainText()
{
    const QString path = m_dir->filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("First line\r\nZweite Zeile: gr\xc3\xbc\xc3\x9f"
               "e\r\n");
    file.close();
    RichTextBox box;
    QString error;
    QVERIFY(box.LoadFile(path, &error));
    QCOMPARE(box.Text(), QStringLiteral("First line\r\nZweite Zeile: grüße\r\n"));
}

void TestRichTextBox::changeSignal_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("changes");
    dataRow("setText", 0, 1);
    dataRow("setTextRTF", 1, 1);
    dataRow("setSelText", 2, 1);
    dataRow("setSelRTF", 3, 1);
    dataRow("bold on a selection", 4, 1);
    dataRow("LoadFile", 5, 1);
    dataRow("typing", 6, 1);
    dataRow("bold for the next text only", 7, 0);
    dataRow("moving the caret", 8, 0);
}

void TestRichTextBox::changeSignal()
{
    QFETCH(int, operation);
    QFETCH(int, changes);
    RichTextBox box;
    box.setText(QStringLiteral("some text"));
    const QString path = m_dir->filePath(QStringLiteral("change.rtf"));
    QVERIFY(box.SaveFile(path));
    box.setSelStart(0);
    box.setSelLength(4);

    QSignalSpy spy(&box, &RichTextBox::Change);
    switch (operation) {
    case 0:
        box.setText(QStringLiteral("new"));
        break;
    case 1:
        box.setTextRTF(QStringLiteral("{\\rtf1 new}"));
        break;
    case 2:
        box.setSelText(QStringLiteral("new"));
        break;
    case 3:
        box.setSelRTF(QStringLiteral("{\\rtf1 {\\b new}\\par}"));
        break;
    case 4:
        box.setSelBold(true);
        break;
    case 5:
        QVERIFY(box.LoadFile(path));
        break;
    case 6:
        QTest::keyClick(&box, Qt::Key_X);
        break;
    case 7:
        box.MoveToEnd();
        box.setSelBold(true);
        break;
    case 8:
        box.setSelStart(2);
        box.setSelLength(3);
        break;
    }
    QCOMPARE(spy.count(), changes);
}

void TestRichTextBox::events()
{
    RichTextBox box;
    box.resize(300, 200);
    int swallowed = Qt::Key_Q;
    connect(&box, &RichTextBox::KeyDown, &box, [&](int *keyCode, Qt::KeyboardModifiers) {
        if (*keyCode == swallowed)
            *keyCode = 0;
    });
    QSignalSpy keys(&box, &RichTextBox::KeyDown);
    QTest::keyClicks(&box, QStringLiteral("aqb"));
    QCOMPARE(box.Text(), QStringLiteral("ab"));
    QCOMPARE(keys.count(), 3);
    QTest::keyClick(&box, Qt::Key_C, Qt::ShiftModifier);
    QCOMPARE(keys.last().at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);

    QSignalSpy mouse(&box, &RichTextBox::MouseDown);
    QTest::mousePress(box.viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(12, 7));
    QCOMPARE(mouse.count(), 1);
    QCOMPARE(mouse.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(mouse.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ControlModifier);
    QCOMPARE(mouse.at(0).at(2).toPoint(), QPoint(12, 7));

    QSignalSpy focus(&box, &RichTextBox::GotFocus);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&box, &focusIn);
    QCOMPARE(focus.count(), 1);
}

void TestRichTextBox::clipboard()
{
    ClipboardBox box;
    appendDay(box);
    box.setSelStart(18);
    box.setSelLength(21); // "Objective: fractions\r\n"
    std::unique_ptr<QMimeData> mime(box.createMimeDataFromSelection());
    QCOMPARE(mime->text(), QStringLiteral("Objective: fractions\n"));
    QVERIFY(mime->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
    QVERIFY(!mime->hasHtml());

    ClipboardBox target;
    QVERIFY(target.canInsertFromMimeData(mime.get()));
    target.insertFromMimeData(mime.get());
    QCOMPARE(dumpDocument(target), QStringLiteral("Objective: [I]fractions[/I]\n"));

    // HTML is never taken; its plain text is.
    QMimeData html;
    html.setHtml(QStringLiteral("<b style='color:red'>styled</b>"));
    QVERIFY(!target.canInsertFromMimeData(&html));
    target.insertFromMimeData(&html);
    html.setText(QStringLiteral("styled"));
    target.insertFromMimeData(&html);
    QCOMPARE(dumpDocument(target), QStringLiteral("Objective: [I]fractions[/I]\nstyled"));
}

QTEST_MAIN(TestRichTextBox)
#include "tst_richtextbox.moc"
