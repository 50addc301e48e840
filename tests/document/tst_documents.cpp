// The Lesson Plan Document by hand and to its end: the edit commands as scripts of the teacher's
// actions, the large editor, saving (the name, the overwrite question, failures), PDF files and
// printing page by page, and the New Plan dialog that prints, saves and clears.
#include "document/clipboard.h"
#include "document/editing.h"
#include "document/frmlarge.h"
#include "document/frmnew.h"
#include "document/planprint.h"
#include "document/viewer.h"
#include "documentkit.h"
#include "plan/daywriter.h"
#include "plan/planstart.h"
#include "platform/rtf/rtfformat.h"
#include "platform/safefile.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/fulldisk.h"
#include "support/golden.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>

#include <optional>

using namespace Qt::StringLiterals;
using Answer = Platform::Answer;
using Kind = ScriptedPlatform::Kind;

namespace
{
// "alpha [B]beta[/B] gamma" / "[I]second[/I] line", with "gamma" at 16 points.
//  positions: alpha 0-4, beta 6-9, gamma 11-15, break 16, second 17-22, line 24-27, end 28.
const QString startDump = u"alpha [B]beta[/B] gamma\n[I]second[/I] line"_s;
const QString startSizes = u"10 16 10"_s;

void select(RichTextBox *doc, int start, int length)
{
    doc->setSelStart(start);
    doc->setSelLength(length);
}

// The point sizes of the document's text in reading order, runs of one size written once.
QString sizes(const RichTextBox *doc)
{
    QStringList runs;
    for (QTextBlock block = doc->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const auto attributes =
                rtf::attributesOf(it.fragment().charFormat(), doc->document()->defaultFont());
            if (const QString size = QString::number(attributes.halfPoints / 2);
                runs.isEmpty() || runs.last() != size)
                runs << size;
        }
    return runs.join(u' ');
}

RichTextBox *documentOf(QWidget *window)
{
    return window->findChild<RichTextBox *>(u"RTxtComposite"_s);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestDocuments : public DocumentTest
{
    Q_OBJECT

    static QString weekName()
    {
        return QStringLiteral(
            "LPlans-- A. Teacher  Course_Subject #1  Period 3  Week of Sep 7 2009.doc");
    }
    QString weekPath() const { return pathInFolder(folder(), weekName()); }
    QString pdfPath() const { return dir->filePath(u"plan.pdf"_s); }

    // The last prompt of the given title.
    ScriptedPlatform::Prompt asked(const QString &title) const
    {
        for (qsizetype i = platform->prompts().size() - 1; i >= 0; --i)
            if (platform->prompts().at(i).title == title)
                return platform->prompts().at(i);
        return {Kind::Message, u"(not asked)"_s, QString()};
    }

    // The window a row edits in, its document filled: the main window with a plan's white,
    // editable document, or the large editor shown on its own.
    QWidget *editWindow(const QString &name)
    {
        QWidget *win = w.get();
        if (name == "large"_L1) {
            win = w->editing->largeEditor();
            win->show();
            win->activateWindow();
        }
        if (!QTest::qWaitForWindowActive(win))
            qWarning("the window did not become active");
        RichTextBox *doc = documentOf(win);
        doc->setEnabled(true);
        doc->setBackColor(ui::white());
        doc->setText(u"alpha beta gamma\r\nsecond line"_s);
        select(doc, 6, 4);
        doc->setSelBold(true);
        select(doc, 11, 5);
        doc->setSelFontSize(16);
        select(doc, 17, 6);
        doc->setSelItalic(true);
        select(doc, 0, 0);
        return win;
    }

    // Runs a script of the teacher's actions, separated by ';': sel S L | end | attrs on|off
    // (of the selection) | click (left button in the document) | menu NAME | button NAME |
    // key ctrl+c|ctrl+x|ctrl+v|shift+insert|tab|backtab | type TEXT | clip TEXT (another
    // program puts TEXT on the clipboard) | lfclip (the clipboard hands line breaks back as LF)
    void run(QWidget *win, const QString &script)
    {
        RichTextBox *doc = documentOf(win);
        const QHash<QString, QKeyCombination> keys{{u"ctrl+c"_s, Qt::CTRL | Qt::Key_C},
                                                   {u"ctrl+x"_s, Qt::CTRL | Qt::Key_X},
                                                   {u"ctrl+v"_s, Qt::CTRL | Qt::Key_V},
                                                   {u"shift+insert"_s, Qt::SHIFT | Qt::Key_Insert},
                                                   {u"tab"_s, QKeyCombination(Qt::Key_Tab)},
                                                   {u"backtab"_s, Qt::SHIFT | Qt::Key_Backtab}};
        for (const QString &raw : script.split(u';', Qt::SkipEmptyParts)) {
            const QString step = raw.trimmed(), op = step.section(u' ', 0, 0);
            const QString arg = step.section(u' ', 1);
            if (op == "sel"_L1) {
                select(doc, arg.section(u' ', 0, 0).toInt(), arg.section(u' ', 1, 1).toInt());
            } else if (op == "end"_L1) {
                doc->setSelStart(1000);
            } else if (op == "attrs"_L1) {
                const bool on = arg == "on"_L1;
                docedit::setFormat(doc, on, on, on);
            } else if (op == "click"_L1) {
                QTest::mouseClick(doc->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            } else if (op == "menu"_L1 && win->findChild<QAction *>(arg)) {
                win->findChild<QAction *>(arg)->trigger();
            } else if (op == "button"_L1 && win->findChild<QPushButton *>(arg)) {
                win->findChild<QPushButton *>(arg)->click();
            } else if (op == "key"_L1 && keys.contains(arg)) {
                QTest::keyClick(doc, keys[arg].key(), keys[arg].keyboardModifiers());
            } else if (op == "type"_L1) {
                QTest::keyClicks(doc, arg);
            } else if (op == "clip"_L1) {
                platform->setClipboardText(arg);
            } else if (op == "lfclip"_L1) {
                platform->clipboard.replace(u"\r\n"_s, u"\n"_s);
            } else {
                QFAIL(qPrintable(u"unknown step "_s + step));
            }
        }
    }

    // Days written after the plan's heading as the day writer writes them, with `items`
    // activities on the first day and fewer on some others, of one to three lines each.
    // Returns the day headings.
    QStringList writeDays(int days, int items)
    {
        const auto add = [this](const QString &text, bool bold = false, bool italic = false,
                                bool underline = false) {
            w->writer->append(text + u"\r\n"_s, bold, italic, underline);
        };
        const QString words = QStringLiteral(" with partners, then a short write-up of what was "
                                             "found and one question for tomorrow");
        QStringList names;
        for (int i = 0; i < days; ++i) {
            names << strDayNames.at(1 + i % 5) + u", September %1"_s.arg(7 + i + 2 * (i / 5));
            add(QString());
            add(names.last(), true);
            add(m->strDailyObjHeading + u": Compare fractions"_s, false, true);
            add(m->strTasksHeading + u':', false, true, true);
            for (int k = 1; k <= items - i % 3; ++k)
                add(u"%1. Practice"_s.arg(k) + words.repeated(1 + (i + k) % 3));
            if (i % 2) {
                add(m->strClosureHeading + u':', false, true, true);
                add(u"Homework p. %1"_s.arg(i + 10));
            }
            add(m->strAssessHeading + u':', false, true, true);
            add(u"1. Exit ticket"_s);
            add(m->strStandardsHeading + u':', false, true, true);
            for (int k = 0; k <= i % 3; ++k)
                add(u"A-%1-%2   Compare two fractions"_s.arg(i).arg(k));
        }
        return names;
    }

    // What poppler's tools say of a PDF file: its pages as their non-empty lines, or its paper.
    static QString poppler(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        return process.waitForFinished(60000) ? QString::fromUtf8(process.readAllStandardOutput())
                                              : QString();
    }
    static QList<QStringList> pdfPages(const QString &path)
    {
        QList<QStringList> pages;
        for (const QString &page :
             poppler(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s})
                 .split(u'\f')) {
            QStringList lines;
            for (const QString &line : page.split(u'\n'))
                if (!line.trimmed().isEmpty())
                    lines << line.simplified();
            if (!lines.isEmpty())
                pages << lines;
        }
        return pages;
    }
    static QSize pdfPaper(const QString &path)
    {
        const auto match = QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+)"_s)
                               .match(poppler(u"pdfinfo"_s, {path}));
        return match.hasMatch() ? QSize(qRound(match.captured(1).toDouble()),
                                        qRound(match.captured(2).toDouble()))
                                : QSize();
    }

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { finish(); }

    // The edit commands, from the menu, the tools and the keys, in the main window and the
    // large editor: what they do to the text, its formatting and size, the copy buffer and the
    // clipboard; each command ends the editing mode and leaves the caret after its work.
    void commands_data()
    {
        dataColumns<QString, QString, QString, QString, QString, bool, int>(
            {"window", "script", "dump", "clipboard", "clipText", "pasted", "caret"});
        QFile table(QStringLiteral(QUILLMARK_TEST_DATA "/commands.txt"));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString &line : QString::fromUtf8(table.readAll()).split(u'\n')) {
            QStringList f = line.split(u" | "_s);
            if (line.startsWith(u'#') || f.size() != 8)
                continue;
            for (QString &field : f)
                field.replace(u"{CRLF}"_s, u"\r\n"_s).replace(u"{LF}"_s, u"\n"_s);
            QTest::newRow(qPrintable(f[0]))
                << f[1] << f[2] << f[3] << f[4] << f[5] << (f[6] == "yes"_L1) << f[7].toInt();
        }
    }

    void commands()
    {
        const auto [window, script, dump, clipboard, clipText, pasted, caret] =
            fetchRow<QString, QString, QString, QString, QString, bool, int>(
                {"window", "script", "dump", "clipboard", "clipText", "pasted", "caret"});
        QWidget *win = editWindow(window);
        RichTextBox *doc = documentOf(win);
        QCOMPARE(sizes(doc), startSizes);
        doc->setFocus();

        run(win, script);

        QCOMPARE(dumpDocument(*doc), dump);
        QVERIFY2(!doc->Text().contains(u'\t'), "a tab character went into the document");
        QCOMPARE(platform->clipboard, clipboard);
        QCOMPARE(m->strClipText, clipText);
        QCOMPARE(m->strClipRTF.isEmpty(), clipText.isEmpty());
        // Other programs get the rich form of what the program copied, beside its text.
        if (platform->clipboard == clipText)
            QCOMPARE(platform->clipboardRtf, m->strClipRTF);
        // A paste brings the whole document to the window's size; nothing else resizes.
        const auto *large = qobject_cast<frmLarge *>(win);
        QCOMPARE(sizes(doc), pasted ? QString::number(large ? large->fontSize() : 10) : startSizes);
        if (caret >= 0)
            QCOMPARE(QList<int>({doc->SelStart(), doc->SelLength()}), QList<int>({caret, 0}));
        QTRY_VERIFY(doc->hasFocus());
        QVERIFY(w->fraEdit->isHidden() && w->lblCover->isHidden() && !w->lstAdd->isHidden());
    }

    // The left button in the main document opens the edit tools, which Close ends; the right
    // button opens the program's menu, in either window.
    void mouseInDocument()
    {
        const auto tools = [this] {
            return QList<bool>(
                {!w->fraEdit->isHidden(), !w->lblCover->isHidden(), w->lstAdd->isHidden()});
        };
        for (const char *name : {"main", "large"}) {
            QWidget *win = editWindow(QString::fromLatin1(name));
            auto *menu = win->findChild<QMenu *>(u"mnuEdit"_s);
            QTest::mouseClick(documentOf(win)->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
            QCOMPARE(tools(), QList<bool>(3, win == w.get()));
            QVERIFY(!menu->isVisible());
            w->cmdCloseEdit->click();
            QCOMPARE(tools(), QList<bool>(3, false));
            QTest::mouseClick(documentOf(win)->viewport(), Qt::RightButton, {}, QPoint(10, 10));
            QTRY_VERIFY(menu->isVisible());
            menu->hide();
            QCOMPARE(tools(), QList<bool>(3, false));
        }
    }

    // The large editor's font follows the screen: 11 points below 676 pixels of height.
    void largeEditorFontFollowsTheScreen()
    {
        QCOMPARE(frmLarge::fontSizeFor(QSize(1024, 675)), 11);
        QCOMPARE(frmLarge::fontSizeFor(QSize(1024, 676)), 12);
    }

    // To the large editor and back by each way: the edits and the selection come back, the
    // document at 10 points again; returning unchanged reloaded the document and counted the
    // saved plan as unsaved and unprinted.
    void largeEditorRoundTrip_data()
    {
        dataColumns<QString, QString, bool>({"wayBack", "edit", "changed"});
        dataRow("return button, nothing", "button", "", false);
        dataRow("escape, a selection only", "escape", "sel 0 5", false);
        dataRow("close box, a word made bold", "close", "sel 0 5; menu mnuBold; sel 11 5", true);
        dataRow("return button, typing and a paste", "button",
                "end; type  more; clip x; sel 0 5; menu mnuPaste", true);
    }

    void largeEditorRoundTrip()
    {
        const auto [wayBack, edit, changed] =
            fetchRow<QString, QString, bool>({"wayBack", "edit", "changed"});
        RichTextBox *doc = documentOf(editWindow(u"main"_s));
        w->cmdEnlarge->setEnabled(true);
        m->strPlanSaved = m->strPlanPrinted = u"Y"_s;
        select(doc, 6, 4);
        w->cmdEnlarge->click();
        frmLarge *large = w->editing->largeEditor();
        RichTextBox *big = large->RTxtComposite;
        QVERIFY(large->isVisible() && w->isHidden());
        QVERIFY2(!large->isModal(), "the large editor is shown, not run modally");
        QCOMPARE(dumpDocument(*big), startDump);
        QCOMPARE(QList<int>({big->SelStart(), big->SelLength()}), QList<int>({6, 4}));
        QCOMPARE(sizes(big), QString::number(large->fontSize()));
        QTRY_VERIFY(big->hasFocus());

        run(large, edit);
        const QString dump = dumpDocument(*big);
        const QList<int> selection{big->SelStart(), big->SelLength()};
        if (wayBack == "button"_L1)
            large->cmdReturn->click();
        else if (wayBack == "escape"_L1)
            QTest::keyClick(big, Qt::Key_Escape);
        else
            large->close();
        QVERIFY(large->isHidden() && w->isVisible());
        QCOMPARE(dumpDocument(*doc), dump);
        QCOMPARE(QList<int>({doc->SelStart(), doc->SelLength()}), selection);
        QCOMPARE(sizes(doc), changed ? u"10"_s : startSizes);
        QCOMPARE(m->strPlanSaved + m->strPlanPrinted, QString(changed ? "NN" : "YY"));
        QTRY_VERIFY(doc->hasFocus());

        // The second journey finds the document as it is now.
        doc->setSelStart(0);
        doc->setSelText(u"Note: "_s);
        w->cmdEnlarge->click();
        QCOMPARE(big->Text(), doc->Text());
        large->cmdReturn->click();
    }

    // A single-entry field taking the focus turns the program's rich copy on the clipboard
    // into its text, and leaves another program's text and an empty clipboard alone.
    void clipboardNormalisation()
    {
        const QString rtf = u"{\\rtf1\\ansi {\\b beta}}"_s;
        for (const QString &before : {rtf, u"other"_s, QString()}) {
            m->strClipText = before.isEmpty() ? QString() : u"beta"_s;
            m->strClipRTF = before.isEmpty() ? QString() : rtf;
            platform->clipboard = before;
            normaliseClipboard(*m, *platform);
            QCOMPARE(platform->clipboard, before == rtf ? u"beta"_s : before);
        }
    }

    // The name follows the entries on screen whether or not the focus left each field, and
    // the course last left stands in when New Plan has emptied the course selection.
    void nameTakesTheCourseAndPeriodOnScreen()
    {
        planfixture::beginWeeklyPlan(*w, *platform);
        w->calendar->varCourse.clear();
        w->calendar->strPeriod.clear();
        QCOMPARE(w->files->MakeFileName(), weekName());
        w->calendar->varCourse = u"Course/Subject #1"_s;
        w->cboCourses->setCurrentIndex(-1);
        QCOMPARE(w->files->MakeFileName(), weekName());
    }

    // A plan's file exists when it is begun: Yes opens it and goes on after its last day (a
    // reopened plan went back to the first day of the week, added an empty line on opening and
    // called the unchanged plan unsaved), No begins anew, Cancel stops; a file that is no rich
    // text is opened after a warning, one too large to be a plan is not read and the plan not
    // begun. The file itself is left as it was.
    void beginningOverAnExistingFile_data()
    {
        dataColumns<QString, Answer, int, QString>({"file", "answer", "step", "day"});
        dataRow("a plan, Yes opens it", "plan", Answer::Yes, 1, "Wednesday, September 9");
        dataRow("a plan, No begins anew", "plan", Answer::No, 1, "Monday, September 7");
        dataRow("a plan, Cancel stops", "plan", Answer::Cancel, 0, "");
        dataRow("plain text, warned and opened", "text", Answer::Yes, 1, "");
        dataRow("too large, refused", "huge", Answer::Yes, 0, "");
    }

    void beginningOverAnExistingFile()
    {
        const auto [file, answer, step, day] =
            fetchRow<QString, Answer, int, QString>({"file", "answer", "step", "day"});
        QByteArray bytes = "Monday: fractions";
        const auto quiet = [this] {
            m->blnShowAssessment = m->blnShowMaterials = m->blnShowStandards = false;
        };
        quiet();
        if (file == "plan"_L1) {
            // A plan of two days, saved in an earlier run.
            beginPlan();
            for (const char *work : {"Monday work", "Tuesday work"}) {
                addItem(0, QString::fromLatin1(work));
                w->cmdDone1->click();
            }
            platform->answerSaveFile(weekPath());
            QVERIFY(w->files->SaveFile());
            bytes = readAll(weekPath());
            finish();
            open();
            quiet();
        }
        QVERIFY(QDir().mkpath(folder()) && safefile::write(weekPath(), bytes));
        if (file == "huge"_L1)
            QVERIFY(QFile(weekPath()).resize(RichTextBox::maxFileSize + 1024));
        const QString before = dumpFile(weekPath());
        choosePlan();
        platform->answerMessage(answer, QString(), u"Duplicate File Name"_s);
        for (int i = 0; i < (file == "plan"_L1 ? 0 : file == "text"_L1 ? 1 : 2); ++i)
            platform->answerMessage(Answer::OK, QString(), u"File Reading"_s);
        w->cmdBegin->click();
        QCOMPARE(asked(u"Duplicate File Name"_s).icon, Platform::Icon::Question);
        QCOMPARE(m->intStep, step);
        QCOMPARE(dumpFile(weekPath()), before);
        if (!day.isEmpty())
            QCOMPARE(w->cboDay->currentText(), day);
        const QString shown = dumpDocument(*w->RTxtComposite);
        const bool opened = answer == Answer::Yes && file != "huge"_L1;
        QCOMPARE(shown, opened                 ? before
                        : answer == Answer::No ? goldenDump(u"new-week.dump"_s, shown)
                                               : QString());
        if (file == "huge"_L1) {
            QVERIFY(platform->lastPrompt().text.contains(QDir::toNativeSeparators(weekPath())));
            QCOMPARE(QFileInfo(weekPath()).size(), RichTextBox::maxFileSize + 1024);
        }
        if (!opened || file != "plan"_L1)
            return;
        // Going on writes Wednesday after Tuesday, and the plan is changed.
        QCOMPARE(m->strPlanSaved, u"Y"_s);
        addItem(0, u"Wednesday work"_s);
        w->cmdDone1->click();
        QVERIFY(dumpDocument(*w->RTxtComposite)
                    .startsWith(before + u"\n[B]Wednesday, September 9[/B]"_s));
        QCOMPARE(m->strPlanSaved, u"N"_s);
    }

    // The first save makes the storage folder, proposes the plan's name there, writes what is
    // on screen and lists it; a key typed then makes the plan unsaved and unprinted. The second
    // save asks before overwriting; one cancelled or failing (a file where the folder belongs,
    // a folder where the file belongs, a full disk) reports the path and the system's reason
    // where it fails, and the saved plan stays as it was.
    void saving_data()
    {
        dataColumns<QString, Answer, QString>({"fault", "overwrite", "reason"});
        dataRow("overwrite: Yes", "", Answer::Yes, "");
        dataRow("overwrite: No", "", Answer::No, "");
        dataRow("save dialog cancelled", "cancel", Answer::OK, "");
        dataRow("a file where the folder belongs", "file", Answer::OK, "Not a directory");
        dataRow("a folder where the file belongs", "dir", Answer::Yes, "");
        dataRow("full disk over the saved plan", "full", Answer::Yes, FullDisk::reason());
    }

    void saving()
    {
        const auto [fault, overwrite, reason] =
            fetchRow<QString, Answer, QString>({"fault", "overwrite", "reason"});
        beginPlan();
        QVERIFY(!QFileInfo::exists(folder()));
        platform->answerSaveFile(weekPath());
        w->cmdStore->click();
        QVERIFY(platform->lastPrompt().text.endsWith(QDir::toNativeSeparators(weekPath())));
        QCOMPARE(dumpFile(weekPath()), dumpDocument(*w->RTxtComposite));
        QVERIFY(!w->lblSavePrint->isHidden());
        const QByteArray saved = readAll(weekPath());
        m->strPlanPrinted = u"Y"_s;
        w->RTxtComposite->setFocus();
        w->RTxtComposite->MoveToEnd();
        QTest::keyClick(w->RTxtComposite, Qt::Key_X);
        QCOMPARE(m->strPlanSaved + m->strPlanPrinted, u"NN"_s);
        QVERIFY(w->lblSavePrint->isHidden());

        QString target = weekPath();
        if (fault == "file"_L1) {
            m->strStorageFolder = blockerFile() + u"/Plans"_s;
            target = pathInFolder(m->strStorageFolder, weekName());
        } else if (fault == "dir"_L1) {
            target = pathInFolder(folder(), u"Taken.doc"_s);
            QVERIFY(QDir().mkpath(target + u"/inside"_s));
        }
        platform->answerSaveFile(fault == "cancel"_L1 ? QString() : target);
        if (overwrite != Answer::OK)
            platform->answerMessage(overwrite, QString(), u"File Name Conflict"_s);
        if (!fault.isEmpty() && fault != "cancel"_L1)
            platform->answerMessage(Answer::OK, QString(), u"ERROR"_s);
        {
            std::optional<FullDisk> full;
            if (fault == "full"_L1)
                full.emplace(0);
            w->cmdStore->click();
        }
        const bool written = fault.isEmpty() && overwrite == Answer::Yes;
        QCOMPARE(m->strPlanSaved, QString(written ? "Y" : "N"));
        QCOMPARE(w->lblSavePrint->isHidden(), !written);
        QCOMPARE(readAll(weekPath()) == saved, !written);
        QCOMPARE(listed(), QStringList({weekName(), PlanFiles::browseEntry()}));
        if (overwrite != Answer::OK)
            QCOMPARE(asked(u"File Name Conflict"_s).icon, Platform::Icon::Exclamation);
        if (fault.isEmpty() || fault == "cancel"_L1)
            return;
        const auto error = asked(u"ERROR"_s);
        QCOMPARE(error.icon, Platform::Icon::Critical);
        QVERIFY2(error.text.contains(QDir::toNativeSeparators(target)) &&
                     error.text.contains(reason),
                 qPrintable(error.text));
        QVERIFY(!w->RTxtComposite->isHidden());
        QVERIFY(fault != "dir"_L1 || QFileInfo::exists(target + "/inside"));
    }

    // Plans printed or saved as PDF left a day or a section heading alone at the foot of a
    // page, split days that fit on a page, and pages without a header or number; the paper
    // follows the country. Output that fails is reported and never counts the plan as printed:
    // a PDF with a folder in its place, over an earlier one on a full disk (which stays byte
    // for byte), printing to a missing folder, a cancelled print dialog.
    void output_data()
    {
        dataColumns<QString, QString, QString, int, int, QLocale, QSize>(
            {"route", "fault", "topic", "days", "items", "locale", "paper"});
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale canada(QLocale::French, QLocale::Canada);
        const QLocale germany(QLocale::German, QLocale::Germany);
        const QSize letter(612, 792);
        dataRow("PDF, a week, Letter in the US", "pdf", "", "", 5, 6, us, letter);
        dataRow("PDF, three weeks, Letter in Canada", "pdf", "", "", 15, 6, canada, letter);
        dataRow("PDF, unit plan, A4 in Germany", "pdf", "", "Fractions", 6, 6, germany,
                QSize(595, 842));
        dataRow("PDF, every day longer than a page", "pdf", "", "", 4, 24, us, letter);
        dataRow("print dialog to a PDF file", "print", "", "", 5, 6, germany, QSize());
        dataRow("viewer's PDF of a saved week, opened", "viewer", "", "", 5, 6, us, letter);
        dataRow("PDF, a folder in its place", "pdf", "folder", "", 1, 1, us, QSize());
        dataRow("PDF, full disk over an earlier PDF", "pdf", "full", "", 1, 1, us, QSize());
        dataRow("printing to a missing folder", "print", "missing", "", 1, 1, us, QSize());
        dataRow("print dialog cancelled", "print", "cancel", "", 1, 1, us, QSize());
    }

    void output()
    {
        const auto [route, fault, topic, days, items, locale, paper] =
            fetchRow<QString, QString, QString, int, int, QLocale, QSize>(
                {"route", "fault", "topic", "days", "items", "locale", "paper"});
        if (fault.isEmpty() && QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        auto restoreLocale = qScopeGuard([previous = QLocale()] { QLocale::setDefault(previous); });
        QLocale::setDefault(locale);
        beginPlan(topic);
        const QStringList dayNames = writeDays(days, items);
        const QStringList lines = w->RTxtComposite->Text().split(u"\r\n"_s);
        QSet<QString> headings{lines.at(0).simplified(), lines.at(2).simplified()};
        for (const QString &h : {m->strTasksHeading, m->strAssessHeading, m->strClosureHeading,
                                 m->strStandardsHeading})
            headings << h + u':';
        for (const QString &day : dayNames)
            headings << day;
        const QString before = dumpDocument(*w->RTxtComposite);
        const QString name = w->files->MakeFileName();
        const bool viewer = route == "viewer"_L1, print = route == "print"_L1;
        QString pdf = pathInFolder(folder(), planprint::pdfFileName(name));
        const QByteArray earlier = "%PDF-1.4 an earlier PDF of this plan";
        if (fault == "full"_L1)
            QVERIFY(QDir().mkpath(folder()) && safefile::write(pdf, earlier));
        else if (fault == "folder"_L1)
            QVERIFY(QDir().mkpath(pdf));
        if (print && fault == "cancel"_L1)
            platform->answerPrint(false);
        else if (print)
            answerPrintToPdf(pdf = dir->filePath(fault.isEmpty() ? "plan.pdf" : "none/plan.pdf"));
        if (fault == "missing"_L1)
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        if (viewer) {
            platform->answerSaveFile(pathInFolder(folder(), name));
            w->cmdStore->click();
            w->cboOldPlans->setCurrentIndex(0);
            w->viewer->cboOldPlans_Click();
            w->cmdPrev->click();
            QVERIFY(w->viewer->isViewing());
            m->strPlanPrinted = u"N"_s;
        }
        if (fault.isEmpty() && !print)
            platform->answerMessage(viewer ? Answer::Yes : Answer::No, QString(), "PDF Saved");
        if (!fault.isEmpty() && fault != "cancel"_L1)
            platform->answerMessage(Answer::OK, QString(), print ? "Printing" : "ERROR");
        {
            std::optional<FullDisk> full;
            if (fault == "full"_L1)
                full.emplace(0);
            (print ? w->cmdPrint : viewer ? w->cmdPdfThis : w->cmdPdf)->click();
        }
        QCOMPARE(m->strPlanPrinted, QString(fault.isEmpty() && !viewer ? "Y" : "N"));
        QCOMPARE(dumpDocument(*w->RTxtComposite), before);
        const auto told = platform->lastPrompt();
        if (fault != "cancel"_L1 && (!print || !fault.isEmpty()))
            QVERIFY2(told.text.contains(QDir::toNativeSeparators(pdf)), qPrintable(told.text));
        if (!fault.isEmpty()) {
            QVERIFY(fault == "cancel"_L1 || told.icon == Platform::Icon::Critical);
            QVERIFY(fault != "full"_L1 || told.text.contains(FullDisk::reason()));
            QVERIFY(fault != "full"_L1 || readAll(pdf) == earlier);
            QVERIFY(fault != "folder"_L1 || QFileInfo(pdf).isDir());
            return;
        }
        QCOMPARE(platform->openedFiles, viewer ? QStringList{pdf} : QStringList());
        if (paper.isValid())
            QCOMPARE(pdfPaper(pdf), paper);

        const QList<QStringList> pages = pdfPages(pdf);
        QVERIFY2(pages.size() > 1, "a plan of several pages");
        for (int i = 0; i < pages.size(); ++i) {
            const QStringList &page = pages.at(i);
            const QString where = u"page %1: "_s.arg(i + 1);
            QVERIFY2(page.size() > 2, qPrintable(where + page.join(u'|')));
            // An earlier plan is known by its file name, where a course's slash is a "_".
            const QString course = w->cboCourses->currentText();
            for (const QString &part : {m->strTeacherName, viewer ? fileNameSafe(course) : course,
                                        u"Period 3"_s, topic.isEmpty() ? u"Week of Sep"_s : topic})
                QVERIFY2(page.first().contains(part), qPrintable(where + page.first()));
            QCOMPARE(page.last(), u"Page %1 of %2"_s.arg(i + 1).arg(pages.size()));
            QVERIFY2(!headings.contains(page.at(page.size() - 2)),
                     qPrintable(where + page.join(u'|')));
            // A day goes on past the foot of a page only when nothing but headings stands
            // above it on the page.
            if (i + 1 == pages.size() || items > 6 || dayNames.contains(pages.at(i + 1).at(1)))
                continue;
            int lastDay = -1;
            for (int k = 1; k < page.size() - 1; ++k)
                if (dayNames.contains(page.at(k)))
                    lastDay = k;
            for (const QString &line : page.mid(1, std::max(lastDay - 1, 0)))
                QVERIFY2(headings.contains(line), qPrintable(where + "splits " + page.at(lastDay)));
        }
    }

    // New Plan runs print, save and clear in that order: the missing standards are offered
    // once for all ticked actions, a reminder comes before clearing a plan not both saved and
    // printed (No keeps it, also after a failed save), and without a period on screen the
    // course is forgotten for the next plan.
    void newPlan_data()
    {
        // The ticked actions, the settings, and the prompts in their order with the answers.
        dataColumns<QString, QString, QString>({"ticked", "setting", "prompts"});
        dataRow("print, save, clear: nothing to remind", "psc", "", "print,save");
        dataRow("save and clear, Yes to the reminder", "sc", "", "save,Reminder...:Yes");
        dataRow("print and save, standards missing", "ps", "standards",
                "Missing Standards (Educational Standards):No,print,save");
        dataRow("failed save, No to the reminder", "sc", "fail", "save,ERROR:OK,Reminder...:No");
        dataRow("clear only, no period shown", "c", "noperiod", "Reminder...:Yes");
    }

    void newPlan()
    {
        const auto [ticked, setting, prompts] =
            fetchRow<QString, QString, QString>({"ticked", "setting", "prompts"});
        m->blnStandardsOnce = setting == "standards"_L1;
        m->blnShowPeriod = setting != "noperiod"_L1;
        beginPlan();
        QString target = pathInFolder(folder(), u"week.doc"_s);
        if (setting == "fail"_L1)
            target = (m->strStorageFolder = blockerFile()) + u"/week.doc"_s;
        m->blnReadyToBegin = true;
        const qsizetype before = platform->prompts().size();
        platform->actInDialog(u"frmNew"_s, [=, this](QDialog *d) {
            auto *dialog = static_cast<frmNew *>(d);
            QVERIFY(w->plan->blnNewPlanRequested);
            dialog->chkPrint->setChecked(ticked.contains(u'p'));
            dialog->chkSave->setChecked(ticked.contains(u's'));
            dialog->chkClear->setChecked(ticked.contains(u'c'));
            dialog->cmdDone->click();
        });
        QList<Kind> expected{Kind::Dialog};
        for (const QString &prompt : prompts.split(u',', Qt::SkipEmptyParts)) {
            if (prompt == "print"_L1) {
                answerPrintToPdf(pdfPath());
                expected << Kind::Print;
            } else if (prompt == "save"_L1) {
                platform->answerSaveFile(target);
                expected << Kind::SaveFile;
            } else {
                const QString answer = prompt.section(u':', 1);
                platform->answerMessage(answer == "Yes"_L1  ? Answer::Yes
                                        : answer == "No"_L1 ? Answer::No
                                                            : Answer::OK,
                                        QString(), prompt.section(u':', 0, 0));
                expected << Kind::Message;
            }
        }
        w->cmdClose->click();
        QList<Kind> kinds;
        for (const auto &prompt : platform->prompts().mid(before))
            kinds << prompt.kind;
        QCOMPARE(kinds, expected);
        QCOMPARE(isPdf(pdfPath()), ticked.contains(u'p'));
        QCOMPARE(QFileInfo::exists(target), ticked.contains(u's') && setting != "fail");
        const bool cleared = ticked.contains(u'c') && !prompts.endsWith(":No"_L1);
        QCOMPARE(w->RTxtComposite->Text().isEmpty(), cleared);
        QCOMPARE(m->intStep, cleared ? 0 : 1);
        QCOMPARE(w->cmdStore->isEnabled(), !cleared);
        QCOMPARE(w->txtPeriod->text().isEmpty(), cleared || !m->blnShowPeriod);
        QVERIFY(w->fraDay->isHidden() == cleared && w->fraBlank->isHidden() == !cleared);
        // Leaving the dialog unlocks the plan's target for the next plan.
        QVERIFY(w->cboCourses->isEnabled() && !w->txtObjective->isEnabled());
        QCOMPARE(w->cboCourses->currentIndex() < 0, !m->blnShowPeriod);
        QVERIFY(m->blnShowPeriod || !m->blnReadyToBegin);
    }
};

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
