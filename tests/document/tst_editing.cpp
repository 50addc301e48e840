// Hand editing of the Lesson Plan Document: the formatting commands, the program's own cut, copy
// and paste with the copy buffer, the keys the document handles, the editing tools and menu, and
// the large editor with the document's journey there and back.
#include "document/clipboard.h"
#include "document/editing.h"
#include "document/frmlarge.h"
#include "platform/richtextbox.h"
#include "platform/rtf/rtfformat.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/planfixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTextBlock>

namespace
{

// "alpha [B]beta[/B] gamma" / "[I]second[/I] line", with "gamma" at 16 points.
//  positions: alpha 0-4, beta 6-9, gamma 11-15, break 16, second 17-22, line 24-27, end 28.
const QString startDump = QStringLiteral("alpha [B]beta[/B] gamma\n[I]second[/I] line");
const QString startSizes = QStringLiteral("10 16 10");

void select(RichTextBox *doc, int start, int length)
{
    doc->setSelStart(start);
    doc->setSelLength(length);
}

void fillDocument(RichTextBox *doc)
{
    doc->setText(QStringLiteral("alpha beta gamma\r\nsecond line"));
    select(doc, 6, 4);
    doc->setSelBold(true);
    select(doc, 11, 5);
    doc->setSelFontSize(16);
    select(doc, 17, 6);
    doc->setSelItalic(true);
    select(doc, 0, 0);
}

// The point sizes of the document's text in reading order, runs of one size written once.
QString sizes(const RichTextBox *doc)
{
    QStringList runs;
    for (QTextBlock block = doc->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const int halfPoints =
                rtf::attributesOf(it.fragment().charFormat(), doc->document()->defaultFont())
                    .halfPoints;
            const QString size = QString::number(halfPoints / 2);
            if (runs.isEmpty() || runs.last() != size)
                runs << size;
        }
    }
    return runs.join(u' ');
}

} // namespace

class TestEditing : public planfixture::WindowTest
{
    Q_OBJECT

    frmLarge *openLarge()
    {
        frmLarge *large = w->editing->largeEditor();
        large->show();
        large->activateWindow();
        if (!QTest::qWaitForWindowActive(large))
            qWarning("the large editor did not become active");
        return large;
    }

    // The window a row runs in: the main window, or the large editor (shown on its own).
    QWidget *window(const QString &name)
    {
        if (name == QLatin1String("large")) {
            frmLarge *large = openLarge();
            fillDocument(large->RTxtComposite);
            return large;
        }
        return w.get();
    }
    RichTextBox *documentOf(QWidget *window)
    {
        return window->findChild<RichTextBox *>(QStringLiteral("RTxtComposite"));
    }
    int sizeOf(QWidget *window)
    {
        auto *large = qobject_cast<frmLarge *>(window);
        return large ? large->fontSize() : 10;
    }

    // Runs a script of teacher's actions, separated by ';':
    //   sel S L | end | menu NAME | button NAME | key ctrl+c|ctrl+x|ctrl+v|shift+insert|tab|backtab
    //   clip TEXT (another program puts TEXT on the clipboard) | lfclip (the clipboard hands
    //   line breaks back as LF)
    void run(QWidget *window, const QString &script)
    {
        RichTextBox *doc = documentOf(window);
        const QStringList steps = script.split(u';', Qt::SkipEmptyParts);
        for (const QString &raw : steps) {
            const QString step = raw.trimmed();
            const QString op = step.section(u' ', 0, 0);
            const QString arg = step.section(u' ', 1);
            if (op == QLatin1String("sel")) {
                select(doc, arg.section(u' ', 0, 0).toInt(), arg.section(u' ', 1, 1).toInt());
            } else if (op == QLatin1String("end")) {
                doc->setSelStart(1000);
            } else if (op == QLatin1String("menu")) {
                auto *action = window->findChild<QAction *>(arg);
                QVERIFY2(action, qPrintable(arg));
                action->trigger();
            } else if (op == QLatin1String("button")) {
                auto *button = window->findChild<QPushButton *>(arg);
                QVERIFY2(button, qPrintable(arg));
                button->click();
            } else if (op == QLatin1String("key")) {
                if (arg == QLatin1String("ctrl+c"))
                    QTest::keyClick(doc, Qt::Key_C, Qt::ControlModifier);
                else if (arg == QLatin1String("ctrl+x"))
                    QTest::keyClick(doc, Qt::Key_X, Qt::ControlModifier);
                else if (arg == QLatin1String("ctrl+v"))
                    QTest::keyClick(doc, Qt::Key_V, Qt::ControlModifier);
                else if (arg == QLatin1String("shift+insert"))
                    QTest::keyClick(doc, Qt::Key_Insert, Qt::ShiftModifier);
                else if (arg == QLatin1String("tab"))
                    QTest::keyClick(doc, Qt::Key_Tab);
                else if (arg == QLatin1String("backtab"))
                    QTest::keyClick(doc, Qt::Key_Backtab, Qt::ShiftModifier);
                else
                    QFAIL(qPrintable(QStringLiteral("unknown key ") + arg));
            } else if (op == QLatin1String("clip")) {
                platform->setClipboardText(arg);
            } else if (op == QLatin1String("lfclip")) {
                platform->clipboard.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
            }
        }
    }

private Q_SLOTS:
    void init()
    {
        load();
        w->showMain();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        // A plan under way: the document white, editable and filled.
        w->RTxtComposite->setEnabled(true);
        w->RTxtComposite->setBackColor(ui::white());
        fillDocument(w->RTxtComposite);
        QCOMPARE(dumpDocument(*w->RTxtComposite), startDump);
        QCOMPARE(sizes(w->RTxtComposite), startSizes);
    }

    void cleanup() { finish(); }

    // Each command of the table on a selection, from the menu and from the tools, starting
    // from plain text and from text with every attribute on.
    void formatting_data()
    {
        dataColumns<QString, QString, bool, QString>(
            {"windowName", "control", "fromFull", "expected"});
        struct Row {
            const char *menu;
            const char *button;
            const char *beta;
        };
        const Row table[] = {
            {"mnuBold", "cmdBold", "[B]beta[/B]"},
            {"mnuItalic", "cmdItalic", "[I]beta[/I]"},
            {"mnuUnderline", "cmdUnderline", "[U]beta[/U]"},
            {"mnuBoldItalic", "cmdBoldItalic", "[B][I]beta[/I][/B]"},
            {"mnuItalicUnderline", "cmdItalicUnderline", "[I][U]beta[/U][/I]"},
            {"mnuPlain", "cmdPlainText", "beta"},
        };
        for (const char *windowName : {"main", "large"}) {
            for (const Row &row : table) {
                const QString expected = QStringLiteral("alpha ") + QLatin1String(row.beta) +
                                         QStringLiteral(" gamma\n[I]second[/I] line");
                for (const char *control : {row.menu, row.button}) {
                    for (bool full : {false, true}) {
                        QTest::addRow("%s %s from %s", windowName, control,
                                      full ? "all on" : "plain")
                            << windowName << control << full << expected;
                    }
                }
            }
        }
    }

    void formatting()
    {
        const auto [windowName, control, fromFull, expected] =
            fetchRow<QString, QString, bool, QString>(
                {"windowName", "control", "fromFull", "expected"});
        QWidget *win = window(windowName);
        RichTextBox *doc = documentOf(win);
        select(doc, 6, 4);
        docedit::setFormat(doc, fromFull, fromFull, fromFull);
        select(doc, 6, 4);
        if (win == w.get())
            QTest::mouseClick(doc->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        select(doc, 6, 4);

        run(win, (control.startsWith(QLatin1String("mnu")) ? QStringLiteral("menu ")
                                                           : QStringLiteral("button ")) +
                     control);

        QCOMPARE(dumpDocument(*doc), expected);
        // The command ends the editing: selection collapsed to its end, the document focused.
        QCOMPARE(doc->SelStart(), 10);
        QCOMPARE(doc->SelLength(), 0);
        QTRY_VERIFY(doc->hasFocus());
        if (win == w.get()) {
            QVERIFY(w->fraEdit->isHidden());
            QVERIFY(w->lblCover->isHidden());
            QVERIFY(!w->lstAdd->isHidden());
        }
    }

    // Bold pressed with nothing selected makes the text typed next bold.
    void formatAtCaretAppliesToTyping()
    {
        RichTextBox *doc = w->RTxtComposite;
        doc->setSelStart(28);
        w->mnuBold->trigger();
        QTest::keyClicks(doc, QStringLiteral("!!"));
        QCOMPARE(dumpDocument(*doc), startDump + QStringLiteral("[B]!![/B]"));
    }

    void clipboardCommands_data()
    {
        dataColumns<QString, QString, QString, QString, QString, bool>(
            {"windowName", "script", "expected", "clipboard", "clipText", "pasted"});
        const QString tail = startDump;
        const QString b = QStringLiteral("beta"), bb = QStringLiteral("[B]beta[/B]");
        const QString lines = QStringLiteral("gamma\r\nsecond");
        for (const char *win : {"main", "large"}) {
            auto add = [win](const char *name, const char *script, const QString &expected,
                             const QString &clipboard, const QString &clipText, bool pasted) {
                QTest::addRow("%s: %s", win, name)
                    << QString::fromLatin1(win) << QString::fromLatin1(script) << expected
                    << clipboard << clipText << pasted;
            };
            add("copy and paste keeps bold", "sel 6 4; menu mnuCopy; end; menu mnuPaste", tail + bb,
                b, b, true);
            add("tool buttons", "sel 6 4; button cmdCopy; end; button cmdPaste", tail + bb, b, b,
                true);
            add("ctrl+v runs the program's paste", "sel 6 4; menu mnuCopy; end; key ctrl+v",
                tail + bb, b, b, true);
            add("shift+insert runs the program's paste",
                "sel 6 4; menu mnuCopy; end; key shift+insert", tail + bb, b, b, true);
            add("another program's text goes in plain",
                "sel 6 4; menu mnuCopy; clip Beta!; end; menu mnuPaste", tail + "Beta!", "Beta!", b,
                true);
            add("RTF source from another program is text", "clip {\\rtf1 {\\b x}}; end; key ctrl+v",
                tail + "{\\rtf1 {\\b x}}", "{\\rtf1 {\\b x}}", QString(), true);
            add("cut comes back bold", "sel 6 4; menu mnuCut; menu mnuPaste", tail, b, b, true);
            add("ctrl+c and ctrl+v keep bold", "sel 6 4; key ctrl+c; end; key ctrl+v", tail + bb, b,
                b, true);
            add("ctrl+x and ctrl+v keep bold", "sel 6 4; key ctrl+x; end; key ctrl+v",
                "alpha  gamma\n[I]second[/I] line" + bb, b, b, true);
            add("cut fills the copy buffer", "sel 0 5; menu mnuCopy; sel 6 4; button cmdCut",
                "alpha  gamma\n[I]second[/I] line", b, b, false);
            add("paste replaces the selection", "sel 6 4; menu mnuCopy; sel 0 5; menu mnuPaste",
                bb + " " + bb + " gamma\n[I]second[/I] line", b, b, true);
            add("lines copied keep their form", "sel 11 12; menu mnuCopy; end; menu mnuPaste",
                tail + "gamma\n[I]second[/I]", lines, lines, true);
            add("line breaks handed back as LF",
                "sel 11 12; menu mnuCopy; lfclip; end; menu mnuPaste",
                tail + "gamma\n[I]second[/I]", "gamma\nsecond", lines, true);
            add("empty clipboard keeps the selection", "clip ; sel 6 4; menu mnuPaste", tail,
                QString(), QString(), true);
            add("copy of nothing keeps the clipboard", "clip elsewhere; sel 3 0; menu mnuCopy",
                tail, "elsewhere", QString(), false);
            add("tab indents with four blanks", "sel 6 4; key tab",
                "alpha     [B]beta[/B] gamma\n[I]second[/I] line", QString(), QString(), false);
            add("shift+tab indents too", "sel 0 0; key backtab", "    " + tail, QString(),
                QString(), false);
        }
    }

    void clipboardCommands()
    {
        const auto [windowName, script, expected, clipboard, clipText, pasted] =
            fetchRow<QString, QString, QString, QString, QString, bool>(
                {"windowName", "script", "expected", "clipboard", "clipText", "pasted"});
        QWidget *win = window(windowName);
        RichTextBox *doc = documentOf(win);
        QCOMPARE(sizes(doc), startSizes);
        doc->setFocus();

        run(win, script);

        QCOMPARE(dumpDocument(*doc), expected);
        QVERIFY2(!doc->Text().contains(u'\t'), "a tab character went into the document");
        QCOMPARE(platform->clipboard, clipboard);
        QCOMPARE(m->strClipText, clipText);
        QCOMPARE(m->strClipRTF.isEmpty(), clipText.isEmpty());
        // Other programs get the rich form of what the program copied, beside its text.
        if (platform->clipboard == clipText)
            QCOMPARE(platform->clipboardRtf, m->strClipRTF);
        // A paste brings the whole document to the window's size; nothing else resizes.
        QCOMPARE(sizes(doc), pasted ? QString::number(sizeOf(win)) : startSizes);
    }

    // The caret stays where the paste left it, although the whole document was resized.
    void pasteLeavesTheCaretAfterTheInsert()
    {
        RichTextBox *doc = w->RTxtComposite;
        platform->clipboard = QStringLiteral("XYZ");
        select(doc, 6, 4);
        w->mnuPaste->trigger();
        QCOMPARE(doc->SelStart(), 9);
        QCOMPARE(doc->SelLength(), 0);
    }

    void mouseInDocument_data()
    {
        dataColumns<QString, int, bool, bool>({"windowName", "button", "toolsShown", "menuShown"});
        dataRow("main left", "main", int(Qt::LeftButton), true, false);
        dataRow("main right", "main", int(Qt::RightButton), false, true);
        dataRow("large left", "large", int(Qt::LeftButton), false, false);
        dataRow("large right", "large", int(Qt::RightButton), false, true);
    }

    void mouseInDocument()
    {
        const auto [windowName, button, toolsShown, menuShown] =
            fetchRow<QString, int, bool, bool>({"windowName", "button", "toolsShown", "menuShown"});
        QWidget *win = window(windowName);
        RichTextBox *doc = documentOf(win);
        auto *menu = win->findChild<QMenu *>(QStringLiteral("mnuEdit"));
        QVERIFY(menu);

        QTest::mouseClick(doc->viewport(), Qt::MouseButton(button), {}, QPoint(10, 10));

        QCOMPARE(!w->fraEdit->isHidden(), toolsShown);
        QCOMPARE(!w->lblCover->isHidden(), toolsShown);
        QCOMPARE(w->lstAdd->isHidden(), toolsShown);
        if (menuShown)
            QTRY_VERIFY(menu->isVisible());
        else
            QVERIFY(!menu->isVisible());
        menu->hide();

        // Close ends the editing mode.
        if (toolsShown) {
            w->cmdCloseEdit->click();
            QVERIFY(w->fraEdit->isHidden());
            QVERIFY(w->lblCover->isHidden());
            QVERIFY(!w->lstAdd->isHidden());
        }
    }

    void largeEditorSize_data()
    {
        dataColumns<QSize, int>({"screen", "points"});
        dataRow("1024x675", QSize(1024, 675), 11);
        dataRow("1024x676", QSize(1024, 676), 12);
    }

    void largeEditorSize()
    {
        const auto [screen, points] = fetchRow<QSize, int>({"screen", "points"});
        QCOMPARE(frmLarge::fontSizeFor(screen), points);
    }

    // To the large editor and back, with edits there: the edits and the selection come back,
    // and the document is at 10 points again. Each way back hands the document over.
    void largeEditorRoundTrip_data()
    {
        QTest::addColumn<QString>("wayBack");
        dataRow("return button", "button");
        dataRow("escape key", "escape");
        dataRow("close box", "close");
    }

    void largeEditorRoundTrip()
    {
        QFETCH(QString, wayBack);
        RichTextBox *doc = w->RTxtComposite;
        w->cmdEnlarge->setEnabled(true);
        select(doc, 6, 4);

        w->cmdEnlarge->click();

        frmLarge *large = w->editing->largeEditor();
        RichTextBox *big = large->RTxtComposite;
        QVERIFY(large->isVisible());
        QVERIFY(w->isHidden());
        QVERIFY2(!large->isModal(), "the large editor is shown, not run modally");
        QCOMPARE(dumpDocument(*big), startDump);
        QCOMPARE(big->SelStart(), 6);
        QCOMPARE(big->SelLength(), 4);
        QCOMPARE(sizes(big), QString::number(large->fontSize()));
        QTRY_VERIFY(big->hasFocus());

        // Edits in the large editor: a word typed at the end, a word underlined, a selection.
        big->setSelStart(1000);
        QTest::keyClicks(big, QStringLiteral(" more"));
        select(big, 0, 5);
        large->mnuUnderline->trigger();
        select(big, 11, 5);

        if (wayBack == QLatin1String("button"))
            large->cmdReturn->click();
        else if (wayBack == QLatin1String("escape"))
            QTest::keyClick(big, Qt::Key_Escape);
        else
            large->close();

        QVERIFY(large->isHidden());
        QVERIFY(w->isVisible());
        QCOMPARE(dumpDocument(*doc),
                 QStringLiteral("[U]alpha[/U] [B]beta[/B] gamma\n[I]second[/I] line more"));
        QCOMPARE(doc->SelStart(), 11);
        QCOMPARE(doc->SelLength(), 5);
        QCOMPARE(sizes(doc), QStringLiteral("10"));
        QTRY_VERIFY(doc->hasFocus());

        // The second journey finds the document as it is now.
        doc->setSelStart(0);
        doc->setSelText(QStringLiteral("Note: "));
        w->cmdEnlarge->click();
        QVERIFY(large == w->editing->largeEditor());
        QVERIFY(big->Text().startsWith(QLatin1String("Note: alpha")));
        large->cmdReturn->click();
        QCOMPARE(doc->Text(), QStringLiteral("Note: alpha beta gamma\r\nsecond line more"));
    }

    // Returning from the large editor reloaded the main document even when nothing had been
    // changed there, and the saved plan counted as unsaved and unprinted.
    void largeEditorKeepsTheSavedState_data()
    {
        dataColumns<QString, bool>({"edit", "changed"});
        dataRow("nothing", "", false);
        dataRow("a selection only", "sel 0 5", false);
        dataRow("a word made bold", "sel 0 5; menu mnuBold", true);
        dataRow("a paste", "clip x; end; menu mnuPaste", true);
    }

    void largeEditorKeepsTheSavedState()
    {
        const auto [edit, changed] = fetchRow<QString, bool>({"edit", "changed"});
        w->cmdEnlarge->setEnabled(true);
        m->strPlanSaved = QStringLiteral("Y");
        m->strPlanPrinted = QStringLiteral("Y");
        w->cmdEnlarge->click();
        frmLarge *large = w->editing->largeEditor();
        run(large, edit);
        const QString dump = dumpDocument(*large->RTxtComposite);
        const int start = large->RTxtComposite->SelStart();
        large->cmdReturn->click();
        QCOMPARE(m->strPlanSaved, QString::fromLatin1(changed ? "N" : "Y"));
        QCOMPARE(m->strPlanPrinted, QString::fromLatin1(changed ? "N" : "Y"));
        QCOMPARE(dumpDocument(*w->RTxtComposite), dump);
        QCOMPARE(w->RTxtComposite->SelStart(), start);
    }

    // What the single-entry fields do when they get the focus.
    void clipboardNormalisation_data()
    {
        dataColumns<QString, QString, QString, QString>({"clipText", "clipRTF", "before", "after"});
        const QString rtf = QStringLiteral("{\\rtf1\\ansi {\\b beta}}");
        dataRow("rich form on the clipboard", "beta", rtf, rtf, "beta");
        dataRow("plain text stays", "beta", rtf, "beta", "beta");
        dataRow("another program's text stays", "beta", rtf, "other", "other");
        dataRow("empty buffer, empty clipboard", QString(), QString(), QString(), QString());
    }

    void clipboardNormalisation()
    {
        const auto [clipText, clipRTF, before, after] =
            fetchRow<QString, QString, QString, QString>(
                {"clipText", "clipRTF", "before", "after"});
        m->strClipText = clipText;
        m->strClipRTF = clipRTF;
        platform->clipboard = before;
        normaliseClipboard(*m, *platform);
        QCOMPARE(platform->clipboard, after);
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
