// Finishing a plan: the saved and printed state, printing and PDF files page by page, clearing
// the screen, and the New Plan dialog that prints, saves and clears in that order.
#include "document/frmnew.h"
#include "document/planprint.h"
#include "document/viewer.h"
#include "documentkit.h"
#include "plan/daywriter.h"
#include "plan/planstart.h"
#include "platform/safefile.h"
#include "platform/ui.h"
#include "settings/settings.h"
#include "support/datarows.h"
#include "support/fulldisk.h"

#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <optional>

using Answer = Platform::Answer;
using Kind = ScriptedPlatform::Kind;

class TestCompletion : public DocumentTest
{
    Q_OBJECT

    // Days of at most this many activities fit on a page.
    static constexpr int ShortDay = 6;

    QString pdfPath() const { return dir->filePath(QStringLiteral("plan.pdf")); }

    QList<Kind> promptKinds() const
    {
        QList<Kind> kinds;
        for (const auto &p : platform->prompts())
            kinds << p.kind;
        return kinds;
    }

    // Days written after the plan's heading as the day writer writes them, with up to `items`
    // activities each, their number and lengths drawn from the seed (long activities wrap).
    // Returns the day headings.
    QStringList writeDays(int days, quint32 seed, int items)
    {
        QRandomGenerator random(seed);
        DayWriter &d = *w->writer;
        const QString CrLf = QStringLiteral("\r\n");
        const QString words = QStringLiteral(" with partners, then a short write-up of what was "
                                             "found and one question for tomorrow");
        QStringList names;
        for (int i = 0; i < days; ++i) {
            const QString day = strDayNames.at(1 + i % 5) +
                                QStringLiteral(", September %1").arg(7 + i + 2 * (i / 5));
            names << day;
            d.append(CrLf, false, false, false);
            d.append(day + CrLf, true, false, false);
            d.append(m->strDailyObjHeading + QStringLiteral(": Compare fractions") + CrLf, false,
                     true, false);
            d.append(m->strTasksHeading + QLatin1Char(':'), false, true, true);
            QString entries;
            for (int k = 1, n = random.bounded(1, items + 1); k <= n; ++k)
                entries += QStringLiteral("%1. Practice %2").arg(k).arg(k) +
                           words.repeated(random.bounded(1, 4)) + CrLf;
            d.append(CrLf + entries, false, false, false);
            if (random.bounded(2)) {
                d.append(m->strClosureHeading + QLatin1Char(':') + CrLf, false, true, true);
                d.append(QStringLiteral("Homework p. %1").arg(i + 10) + CrLf, false, false, false);
            }
            d.append(m->strAssessHeading + QLatin1Char(':'), false, true, true);
            d.append(CrLf + QStringLiteral("1. Exit ticket") + CrLf, false, false, false);
            d.append(m->strStandardsHeading + QLatin1Char(':') + CrLf, false, true, true);
            for (int k = 0, n = random.bounded(1, 4); k < n; ++k)
                d.append(QStringLiteral("A-%1-%2   Compare two fractions").arg(i).arg(k) + CrLf,
                         false, false, false);
        }
        return names;
    }

    // The text of each page of a PDF file, by poppler's pdftotext, as its non-empty lines.
    static QList<QStringList> pdfPages(const QString &path)
    {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                    path, QStringLiteral("-")});
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
            return {};
        QList<QStringList> pages;
        for (const QString &page : QString::fromUtf8(tool.readAllStandardOutput()).split('\f')) {
            QStringList lines;
            for (const QString &line : page.split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty())
                    lines << line.simplified();
            if (!lines.isEmpty())
                pages << lines;
        }
        return pages;
    }

    // The paper of the PDF's first page in points, by poppler's pdfinfo.
    static QSize pdfPaper(const QString &path)
    {
        QProcess tool;
        tool.start(QStringLiteral("pdfinfo"), {path});
        tool.waitForFinished(60000);
        const auto match = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"))
                               .match(QString::fromUtf8(tool.readAllStandardOutput()));
        return match.hasMatch() ? QSize(qRound(match.captured(1).toDouble()),
                                        qRound(match.captured(2).toDouble()))
                                : QSize();
    }

    // Opens New Plan and, inside the dialog, ticks the boxes and presses Done.
    void newPlan(bool print, bool save, bool clear)
    {
        platform->actInDialog(QStringLiteral("frmNew"), [=, this](QDialog *d) {
            auto *dialog = static_cast<frmNew *>(d);
            QVERIFY(w->plan->blnNewPlanRequested);
            dialog->chkPrint->setChecked(print);
            dialog->chkSave->setChecked(save);
            dialog->chkClear->setChecked(clear);
            dialog->cmdDone->click();
            QVERIFY(dialog->isHidden());
        });
    }

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { finish(); }

    void clearingAsksWhileSomethingIsNotDone_data()
    {
        dataColumns<QString, QString, QString, Answer>({"saved", "printed", "status", "answer"});
        dataRow("both done, nothing asked", "Y", "Y", "", Answer::OK);
        dataRow("only saved, No", "Y", "N",
                "The current Lesson Plan has been saved but not printed.", Answer::No);
        dataRow("only printed, Yes", "N", "Y",
                "The current Lesson Plan has been printed but not saved.", Answer::Yes);
    }

    void clearingAsksWhileSomethingIsNotDone()
    {
        const auto [saved, printed, status, answer] =
            fetchRow<QString, QString, QString, Answer>({"saved", "printed", "status", "answer"});
        beginPlan();
        const QString before = dumpDocument(*w->RTxtComposite);
        m->strPlanSaved = saved;
        m->strPlanPrinted = printed;
        m->strSavedBeforeSettings = QStringLiteral("Y");
        QCOMPARE(w->completion->GetSavePrintStatus(), status);
        if (!status.isEmpty())
            platform->answerMessage(answer,
                                    status + QStringLiteral("\r\nProceed with clearing the Lesson "
                                                            "Plan Document anyway?"),
                                    QStringLiteral("Reminder..."));
        w->completion->ClearScreen(true);
        QCOMPARE(platform->prompts().size(), 1 + (status.isEmpty() ? 0 : 1));
        if (answer != Answer::No) {
            QCOMPARE(w->RTxtComposite->Text(), QString());
            QVERIFY(!w->RTxtComposite->isEnabled());
            QCOMPARE(w->RTxtComposite->BackColor(), ui::buttonFace());
            QCOMPARE(m->intStep, 0);
            for (QWidget *b :
                 std::initializer_list<QWidget *>{w->cmdStore, w->cmdPrint, w->cmdClose})
                QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
            QVERIFY(w->fraDay->isHidden());
            QVERIFY(!w->fraBlank->isHidden());
            QVERIFY(w->txtPeriod->text().isEmpty());
            QCOMPARE(m->strSavedBeforeSettings,
                     status.isEmpty() ? QStringLiteral("Y") : QStringLiteral("N"));
        } else {
            QCOMPARE(dumpDocument(*w->RTxtComposite), before);
            QCOMPARE(m->intStep, 1);
            QVERIFY(w->cmdStore->isEnabled());
            QVERIFY(!w->fraDay->isHidden());
            QCOMPARE(w->txtPeriod->text(), QStringLiteral("3"));
            QCOMPARE(m->strPlanSaved, saved);
        }
    }

    void typingAfterASaveMarksThePlanUnsaved()
    {
        beginPlan();
        platform->answerSaveFile(pathInFolder(folder(), QStringLiteral("week.doc")));
        w->cmdStore->click();
        m->strPlanPrinted = QStringLiteral("Y");
        QVERIFY(!w->lblSavePrint->isHidden());
        w->RTxtComposite->setFocus();
        w->RTxtComposite->MoveToEnd();
        QTest::keyClick(w->RTxtComposite, Qt::Key_X);
        QVERIFY(w->RTxtComposite->Text().endsWith(QLatin1Char('x')));
        QVERIFY(w->lblSavePrint->isHidden());
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
        for (QWidget *b : std::initializer_list<QWidget *>{w->cmdStore, w->cmdPrint, w->cmdClose})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    }

    // A cancelled print dialog must neither print nor mark the plan printed.
    void cancelledPrintDialogPrintsNothing()
    {
        beginPlan();
        platform->answerPrint(false);
        w->cmdPrint->click();
        QVERIFY(!QFileInfo::exists(pdfPath()));
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
    }

    void pagesOfAPlan_data()
    {
        dataColumns<QString, QString, int, int, quint32, QLocale, QSize>(
            {"route", "topic", "days", "items", "seed", "locale", "paper"});
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale canada(QLocale::French, QLocale::Canada);
        const QLocale germany(QLocale::German, QLocale::Germany);
        const QSize letter(612, 792);
        dataRow("PDF button, a week, Letter in the US", "pdf", "", 5, ShortDay, 7u, us, letter);
        dataRow("PDF button, three weeks, Letter in Canada", "pdf", "", 15, ShortDay, 3u, canada,
                letter);
        dataRow("PDF button, unit plan, A4 in Germany", "pdf", "Fractions", 6, ShortDay, 11u,
                germany, QSize(595, 842));
        dataRow("PDF button, days longer than a page", "pdf", "", 5, 24, 18u, us, letter);
        dataRow("PDF button, a first day longer than a page", "pdf", "", 5, 24, 7u, us, letter);
        dataRow("print dialog to a PDF file, a week", "print", "", 5, ShortDay, 5u, germany,
                QSize());
        dataRow("print dialog, days longer than a page", "print", "", 5, 24, 8u, us, QSize());
        dataRow("viewer's PDF of a saved week, opened", "viewer", "", 5, ShortDay, 9u, us, letter);
    }

    // Plans printed or saved as PDF left a day or a section heading alone at the foot of a
    // page, split days that fit on a page, and pages without a header or number.
    void pagesOfAPlan()
    {
        const auto [route, topic, days, items, seed, locale, paper] =
            fetchRow<QString, QString, int, int, quint32, QLocale, QSize>(
                {"route", "topic", "days", "items", "seed", "locale", "paper"});
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        auto restoreLocale = qScopeGuard([previous = QLocale()] { QLocale::setDefault(previous); });
        QLocale::setDefault(locale);
        beginPlan(topic);
        const QStringList dayNames = writeDays(days, seed, items);
        const QStringList lines = w->RTxtComposite->Text().split(QStringLiteral("\r\n"));
        QSet<QString> headings{lines.at(0).simplified(), lines.at(2).simplified()};
        for (const QString &h : {m->strTasksHeading, m->strAssessHeading, m->strClosureHeading,
                                 m->strStandardsHeading})
            headings << h + QLatin1Char(':');
        for (const QString &day : dayNames)
            headings << day;
        const QString before = dumpDocument(*w->RTxtComposite);
        const QString name = w->files->MakeFileName();
        QString pdf = pathInFolder(folder(), planprint::pdfFileName(name));

        if (route == QLatin1String("print")) {
            pdf = pdfPath();
            answerPrintToPdf(pdf);
            w->cmdPrint->click();
        } else {
            if (route == QLatin1String("viewer")) {
                platform->answerSaveFile(pathInFolder(folder(), name));
                w->cmdStore->click();
                w->cboOldPlans->setCurrentIndex(0);
                w->viewer->cboOldPlans_Click();
                w->cmdPrev->click();
                QVERIFY(w->viewer->isViewing());
                m->strPlanPrinted = QStringLiteral("N");
            }
            const bool open = route == QLatin1String("viewer");
            platform->answerMessage(open ? Answer::Yes : Answer::No, QString(),
                                    QStringLiteral("PDF Saved"));
            (open ? w->cmdPdfThis : w->cmdPdf)->click();
            QVERIFY(platform->lastPrompt().text.contains(QDir::toNativeSeparators(pdf)));
            QCOMPARE(platform->openedFiles, open ? QStringList{pdf} : QStringList());
        }
        QCOMPARE(m->strPlanPrinted,
                 route == QLatin1String("viewer") ? QStringLiteral("N") : QStringLiteral("Y"));
        QCOMPARE(dumpDocument(*w->RTxtComposite), before);
        if (paper.isValid())
            QCOMPARE(pdfPaper(pdf), paper);

        // QUILLMARK_KEEP_PDF=folder keeps each row's PDF file for looking at.
        const QString keep = qEnvironmentVariable("QUILLMARK_KEEP_PDF");
        if (!keep.isEmpty())
            QFile::copy(pdf, keep + QStringLiteral("/%1.pdf").arg(QTest::currentDataTag()));
        const QList<QStringList> pages = pdfPages(pdf);
        QVERIFY2(pages.size() > 1, "a plan of several pages");
        for (int i = 0; i < pages.size(); ++i) {
            const QStringList &page = pages.at(i);
            const QString where = QStringLiteral("page %1: ").arg(i + 1);
            QVERIFY2(page.size() > 2, qPrintable(where + page.join(QLatin1Char('|'))));
            // An earlier plan is known by its file name, where a course's slash is a "_".
            const QString course = w->cboCourses->currentText();
            for (const QString &part :
                 {m->strTeacherName,
                  route == QLatin1String("viewer") ? fileNameSafe(course) : course,
                  QStringLiteral("Period 3"),
                  topic.isEmpty() ? QStringLiteral("Week of Sep") : topic})
                QVERIFY2(page.first().contains(part), qPrintable(where + page.first()));
            QCOMPARE(page.last(), QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size()));
            const QString last = page.at(page.size() - 2);
            QVERIFY2(!headings.contains(last), qPrintable(where + "ends in " + last));
            // A day goes on past the foot of a page only when nothing but headings stands
            // above it on the page.
            if (i + 1 == pages.size() || items > ShortDay ||
                dayNames.contains(pages.at(i + 1).at(1)))
                continue;
            int lastDay = -1;
            for (int k = 1; k < page.size() - 1; ++k)
                if (dayNames.contains(page.at(k)))
                    lastDay = k;
            const auto above = page.mid(1, std::max(lastDay - 1, 0));
            if (std::any_of(above.begin(), above.end(),
                            [&](const QString &line) { return !headings.contains(line); }))
                QFAIL(qPrintable(where + "splits " + page.at(lastDay)));
        }
    }

    // A PDF that cannot be written (a folder stands where the file belongs) must be reported
    // and leave the plan unprinted, without an offer to open it.
    // A PDF that could not be written counted the plan as printed, or a full disk left a
    // short file in place of the earlier PDF.
    void pdfThatCannotBeWrittenIsReported_data()
    {
        QTest::addColumn<bool>("fullDisk");
        dataRow("a folder in its place", false);
        dataRow("full disk over an earlier PDF", true);
    }

    void pdfThatCannotBeWrittenIsReported()
    {
        QFETCH(bool, fullDisk);
        beginPlan();
        const QString pdf =
            pathInFolder(folder(), planprint::pdfFileName(w->files->MakeFileName()));
        const QByteArray earlier = "%PDF-1.4 an earlier PDF of this plan";
        if (fullDisk)
            QVERIFY(QDir().mkpath(folder()) && safefile::write(pdf, earlier));
        else
            QVERIFY(QDir().mkpath(pdf));
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("ERROR"));
        {
            std::optional<FullDisk> full;
            if (fullDisk)
                full.emplace(0);
            w->cmdPdf->click();
        }
        const QString text = platform->lastPrompt().text;
        QVERIFY(text.contains(QDir::toNativeSeparators(pdf)));
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Critical);
        if (fullDisk) {
            QVERIFY2(text.contains(FullDisk::reason()), qPrintable(text));
            QFile kept(pdf);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), earlier);
        } else {
            QVERIFY(QFileInfo(pdf).isDir());
        }
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
    }

    void printingThatFailsIsReported()
    {
        beginPlan();
        const QString blocked = dir->filePath(QStringLiteral("no-such-folder/plan.pdf"));
        answerPrintToPdf(blocked);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        platform->answerMessage(Answer::OK,
                                QStringLiteral("The Lesson Plan Document could not be "
                                               "printed.\r\n\r\nThe file \"") +
                                    QDir::toNativeSeparators(blocked) +
                                    QStringLiteral("\" could not be written."),
                                QStringLiteral("Printing"));
        w->cmdPrint->click();
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));
    }

    void newPlanDialogLooksAsItShould()
    {
        beginPlan();
        platform->actInDialog(QStringLiteral("frmNew"), [this](QDialog *d) {
            auto *dialog = static_cast<frmNew *>(d);
            QCOMPARE(dialog->windowTitle(),
                     QStringLiteral(" CURRENT PLAN COMPLETE... START NEW PLAN?"));
            QCOMPARE(dialog->lblInstructions->text(),
                     QStringLiteral("Select one or more of the instructions below.\r\nThey will "
                                    "be processed in order from the top of the list."));
            QCOMPARE(dialog->chkPrint->text(), QStringLiteral("&Print the Lesson Plan Document"));
            QCOMPARE(dialog->chkSave->text(), QStringLiteral("Sa&ve the Lesson Plan Document"));
            QCOMPARE(dialog->chkClear->text(),
                     QStringLiteral("Clear the Form and Begin a &New Lesson Plan Document"));
            QVERIFY(!dialog->chkPrint->isChecked());
            QVERIFY(!dialog->chkSave->isChecked());
            QVERIFY(dialog->chkClear->isChecked());
            QVERIFY(dialog->chkPrint->y() < dialog->chkSave->y());
            QVERIFY(dialog->chkSave->y() < dialog->chkClear->y());
            // Ticks left from the last time are reset at every showing.
            dialog->chkPrint->setChecked(true);
            dialog->chkClear->setChecked(false);
            dialog->hide();
        });
        w->cmdClose->click();
        QVERIFY2(!w->plan->blnNewPlanRequested, "the step driver clears the request");
        auto *dialog = w->completion->newPlanDialog();
        platform->actInDialog(QStringLiteral("frmNew"), [dialog](QDialog *) {
            QVERIFY(!dialog->chkPrint->isChecked());
            QVERIFY(dialog->chkClear->isChecked());
            dialog->hide();
        });
        w->cmdClose->click();
    }

    void newPlanRunsPrintSaveClearInOrder_data()
    {
        dataColumns<bool, bool, bool, QString, bool>(
            {"print", "save", "clear", "reminder", "cleared"});
        dataRow("all three: nothing to remind", true, true, true, QString(), true);
        dataRow("save and clear", false, true, true,
                "The current Lesson Plan has been saved but not printed.", true);
        dataRow("print and save, no clearing", true, true, false, QString(), false);
    }

    void newPlanRunsPrintSaveClearInOrder()
    {
        const auto [print, save, clear, reminder, cleared] =
            fetchRow<bool, bool, bool, QString, bool>(
                {"print", "save", "clear", "reminder", "cleared"});
        beginPlan();
        const qsizetype before = platform->prompts().size();
        newPlan(print, save, clear);
        QList<Kind> expected{Kind::Dialog};
        if (print) {
            answerPrintToPdf(pdfPath());
            expected << Kind::Print;
        }
        if (save) {
            platform->answerSaveFile(pathInFolder(folder(), QStringLiteral("week.doc")));
            expected << Kind::SaveFile;
        }
        if (!reminder.isEmpty()) {
            platform->answerMessage(Answer::Yes,
                                    reminder + QStringLiteral("\r\nProceed with clearing the "
                                                              "Lesson Plan Document anyway?"),
                                    QStringLiteral("Reminder..."));
            expected << Kind::Message;
        }
        w->cmdClose->click();
        QCOMPARE(promptKinds().mid(before), expected);
        QCOMPARE(isPdf(pdfPath()), print);
        QCOMPARE(QFileInfo::exists(pathInFolder(folder(), QStringLiteral("week.doc"))), save);
        QCOMPARE(w->RTxtComposite->Text().isEmpty(), cleared);
        QCOMPARE(m->intStep, cleared ? 0 : 1);
        // Leaving the dialog unlocks the plan's target for the next plan.
        QVERIFY(w->cboCourses->isEnabled());
        QVERIFY(!w->txtObjective->isEnabled());
    }

    void failedSaveInNewPlanStillRemindsBeforeClearing()
    {
        beginPlan();
        const QString file = blockerFile();
        m->strStorageFolder = file;
        newPlan(false, true, true);
        platform->answerSaveFile(file + QStringLiteral("/week.doc"));
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("ERROR"));
        platform->answerMessage(Answer::No, QString(), QStringLiteral("Reminder..."));
        w->cmdClose->click();
        QVERIFY(!w->RTxtComposite->Text().isEmpty());
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
    }

    void newPlanWithoutPeriodForgetsTheCourse()
    {
        m->blnShowPeriod = false;
        beginPlan();
        m->strPlanSaved = QStringLiteral("Y");
        m->strPlanPrinted = QStringLiteral("Y");
        m->blnReadyToBegin = true;
        newPlan(false, false, true);
        w->cmdClose->click();
        QCOMPARE(w->cboCourses->currentIndex(), -1);
        QVERIFY(!m->blnReadyToBegin);
    }

    void missingStandardsAreOfferedOnceForAllTickedActions()
    {
        m->blnStandardsOnce = true;
        beginPlan();
        newPlan(true, true, false);
        platform->answerMessage(Answer::No,
                                QStringLiteral("Your settings specify that the Standards "
                                               "(Educational Standards) should be printed at the "
                                               "end of the Lesson Plan Document. This step has "
                                               "not yet been completed.\r\n\r\nAdd the current "
                                               "selections to the Plan before printing and "
                                               "saving?"),
                                QStringLiteral("Missing Standards (Educational Standards)"));
        platform->answerPrint(false);
        platform->answerSaveFile(QString());
        w->cmdClose->click();
    }
};

QTEST_MAIN(TestCompletion)
#include "tst_completion.moc"
