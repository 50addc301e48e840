// The recovery copy of the plan under construction: written after every step and soon after
// every edit, removed when the plan is saved or cleared or the program ends normally, offered
// back at the next start after a crash, and a damaged copy reported and removed.
#include "document/completion.h"
#include "document/planfiles.h"
#include "document/recovery.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/planfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

using Answer = Platform::Answer;

namespace
{
const QDateTime CopyTime(QDate(2009, 9, 8), QTime(14, 5));

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(data), data.size());
}

QString damagedText(const QString &reason)
{
    return QStringLiteral("A recovery copy of an unsaved Lesson Plan was found, but it cannot be "
                          "restored: ") +
           reason + QStringLiteral(".\r\n\r\nThe recovery copy has been deleted.");
}

// A small copy the way the program writes one, for tests that spoil it.
PlanRecovery::Snapshot sampleCopy()
{
    PlanRecovery::Snapshot copy;
    copy.madeAt = CopyTime;
    copy.course = QStringLiteral("Course/Subject #2");
    copy.period = QStringLiteral("4");
    copy.weekly = true;
    copy.month = QStringLiteral("September");
    copy.date = QStringLiteral("14");
    copy.dayIndex = 2;
    copy.dayText = QStringLiteral("Wednesday, September 16");
    copy.objective = QStringLiteral("Decimals");
    copy.step = 3;
    copy.rtf = QStringLiteral("{\\rtf1\\ansi\\deff0 {\\b Week plan}\\par plain}");
    return copy;
}
} // namespace

class TestRecovery : public planfixture::WindowTest
{
    Q_OBJECT

    QTemporaryDir dir;

    static QString copyPath() { return PlanRecovery::copyPath(); }

    // A new run of the program: the window is loaded; showMain() makes the start-up check.
    void load()
    {
        WindowTest::load();
        m->blnShowUnitGoal = false;
        m->strStorageFolder = dir.filePath(QStringLiteral("Plans"));
    }

    // The next run finds the given copy on disk.
    void restartWith(const QByteArray &copy)
    {
        w.reset();
        writeAll(copyPath(), copy);
        load();
    }

    void start()
    {
        load();
        w->showMain();
        w->recovery->clock = [] { return CopyTime; };
    }

    // The process dies where it stands: whatever copy is on disk is all the next run has.
    void crashAndLoad()
    {
        platform->verifyAllAnswered();
        const QByteArray left = readAll(copyPath());
        QVERIFY(!left.isEmpty());
        restartWith(left); // an orderly end would remove the copy; a crash does not
    }

    // A weekly plan begun on Tuesday or a unit plan, the day's activities written, the plan at
    // the assessment step, and a bold line typed by hand at the end of the document.
    void planUnderWay(bool weekly)
    {
        if (weekly) {
            planfixture::answerPlanType(*platform, true);
            w->cboCourses->setCurrentIndex(0);
            w->txtPeriod->setText(QStringLiteral("3"));
            w->cboMonth->setCurrentIndex(1);
            w->cboDate->setCurrentIndex(6);
            w->cboDay->setCurrentIndex(1);
            w->cmdBegin->click();
            QCOMPARE(w->cboDay->currentText(), QStringLiteral("Tuesday, September 8"));
        } else {
            planfixture::beginUnitPlan(*w, *platform, QStringLiteral("Fractions"));
        }
        w->txtObjective->setPlainText(QStringLiteral("Add fractions\nwith like denominators"));
        addItem(0, QStringLiteral("pizza slices"));
        w->txtClosure->setPlainText(QStringLiteral("Homework p. 12"));
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 2);
        typeBoldLine(QStringLiteral("Bring rulers"));
    }

    void typeBoldLine(const QString &text)
    {
        RichTextBox *doc = w->RTxtComposite;
        doc->MoveToEnd();
        doc->setSelBold(true);
        doc->setSelText(QStringLiteral("\r\n") + text);
        doc->setSelBold(false);
    }

    std::optional<PlanRecovery::Snapshot> copyOnDisk()
    {
        QString reason;
        auto copy = PlanRecovery::decode(readAll(copyPath()), &reason);
        if (!copy)
            qWarning("copy not readable: %s", qPrintable(reason));
        return copy;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void init()
    {
        QFile::remove(copyPath());
        start();
    }

    void cleanup()
    {
        finish();
        QFile::remove(copyPath());
        QDir(copyPath()).removeRecursively();
    }

    void everyStepWritesTheCopy()
    {
        QVERIFY(!QFile::exists(copyPath()));
        QVERIFY(w->recovery->saveDelay() <= 60000);
        planfixture::beginWeeklyPlan(*w, *platform);
        // Beginning the plan is its first step: the heading is in the copy already.
        QVERIFY(!w->recovery->hasPendingChanges());
        QVERIFY(QFile::exists(copyPath()));
        w->txtObjective->setPlainText(QStringLiteral("Fractions"));
        addItem(0, QStringLiteral("chapter 2"));
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 2);
        QVERIFY(!w->recovery->hasPendingChanges());

        const auto copy = copyOnDisk();
        QVERIFY(copy);
        QCOMPARE(copy->madeAt, CopyTime);
        QCOMPARE(copy->course, QStringLiteral("Course/Subject #1"));
        QCOMPARE(copy->period, QStringLiteral("3"));
        QVERIFY(copy->weekly);
        QCOMPARE(copy->month, QStringLiteral("September"));
        QCOMPARE(copy->date, QStringLiteral("7"));
        QCOMPARE(copy->dayIndex, 0);
        QCOMPARE(copy->dayText, QStringLiteral("Monday, September 7"));
        QCOMPARE(copy->objective, QStringLiteral("Fractions"));
        QCOMPARE(copy->step, 2);
        QCOMPARE(copy->rtf, w->RTxtComposite->TextRTF());
        // Written through a temporary file that is renamed: nothing else is left in the folder.
        QCOMPARE(QDir(QFileInfo(copyPath()).absolutePath()).entryList(QDir::Files),
                 QStringList({QFileInfo(copyPath()).fileName()}));
    }

    void killedPlanComesBackWithItsFormatting_data()
    {
        QTest::addColumn<bool>("weekly");
        dataRow("weekly plan", true);
        dataRow("unit plan", false);
    }

    void killedPlanComesBackWithItsFormatting()
    {
        QFETCH(bool, weekly);
        planUnderWay(weekly);
        w->recovery->setSaveDelay(20);
        QTRY_VERIFY(!w->recovery->hasPendingChanges());
        const QString document = dumpDocument(*w->RTxtComposite);
        QVERIFY(document.contains(QStringLiteral("[B]Bring rulers[/B]")));
        const QString objective = w->txtObjective->toPlainText();

        crashAndLoad();
        platform->answerMessage(
            Answer::Yes,
            QStringLiteral("Quillmark was not closed normally while a Lesson Plan was under "
                           "construction.\r\nA recovery copy of the plan for ''Course/Subject "
                           "#1'' was made on Tuesday, September 8, 2009 at 2:05 PM.\r\n\r\n"
                           "Restore the plan?  (No deletes the recovery copy.)"),
            QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        platform->verifyAllAnswered();
        QCOMPARE(platform->lastPrompt().buttons, Platform::Buttons::YesNo);
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Question);

        // The document with its formatting, under construction and not saved
        QCOMPARE(dumpDocument(*w->RTxtComposite).split(QLatin1Char('\n')),
                 document.split(QLatin1Char('\n')));
        QVERIFY(w->RTxtComposite->isEnabled());
        QCOMPARE(w->RTxtComposite->BackColor(), ui::white());
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QCOMPARE(m->strPlanPrinted, QStringLiteral("N"));

        // The plan's target, locked as in a begun plan
        QCOMPARE(m->blnWeeklyPlans, weekly);
        QCOMPARE(w->cboCourses->currentText(), QStringLiteral("Course/Subject #1"));
        QCOMPARE(w->txtPeriod->text(), QStringLiteral("3"));
        QCOMPARE(w->txtObjective->toPlainText(), objective);
        QVERIFY(!w->cboCourses->isEnabled());
        QVERIFY(!w->txtPeriod->isEnabled());
        QVERIFY(!w->cmdBegin->isEnabled());
        if (weekly) {
            QCOMPARE(w->cboMonth->currentText(), QStringLiteral("September"));
            QCOMPARE(w->cboDate->currentText(), QStringLiteral("7"));
            QCOMPARE(w->cboDay->currentText(), QStringLiteral("Tuesday, September 8"));
            QVERIFY(!w->cboMonth->isEnabled());
            QVERIFY(w->cboDay->isEnabled());
            QVERIFY(!w->fraWeeklyPlan->isHidden());
        } else {
            QCOMPARE(w->txtUnit->text(), QStringLiteral("Fractions"));
            QVERIFY(!w->fraUnitPlan->isHidden());
            QVERIFY(!w->txtUnit->isEnabled());
        }

        // At the start of the day: the activities step, ready for entries
        QCOMPARE(m->intStep, 1);
        QVERIFY(!w->fraDay->isHidden());
        QVERIFY(w->txtObjective->isEnabled());
        // The restored plan is the one the copy now keeps.
        QVERIFY(QFile::exists(copyPath()));

        // The teacher goes on where the day began.
        addItem(2, QStringLiteral("fraction strips"));
        w->txtClosure->setPlainText(QStringLiteral("Page 40"));
        w->cmdDone1->click();
        QCOMPARE(m->intStep, 2);
        QVERIFY(dumpDocument(*w->RTxtComposite).contains(QStringLiteral("fraction strips")));
        const auto copy = copyOnDisk();
        QVERIFY(copy);
        QCOMPARE(copy->step, 2);
        QCOMPARE(copy->rtf, w->RTxtComposite->TextRTF());
    }

    void endedPlanComesBackAsADocumentOnly()
    {
        PlanRecovery::Snapshot copy = sampleCopy();
        copy.step = 0;
        restartWith(PlanRecovery::encode(copy));
        platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        QCOMPARE(dumpDocument(*w->RTxtComposite), QStringLiteral("[B]Week plan[/B]\nplain"));
        QCOMPARE(m->intStep, 0);
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QVERIFY(w->RTxtComposite->isEnabled());
        for (QWidget *b : std::initializer_list<QWidget *>{w->cmdStore, w->cmdPrint, w->cmdClose})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(!w->cmdBegin->isEnabled());
        QVERIFY(w->fraDay->isHidden());
        QCOMPARE(w->cboCourses->currentText(), QStringLiteral("Course/Subject #2"));
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Wednesday, September 16"));
    }

    void aCourseNoLongerListedIsKept()
    {
        PlanRecovery::Snapshot copy = sampleCopy();
        copy.course = QStringLiteral("Geometry");
        restartWith(PlanRecovery::encode(copy));
        platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        QVERIFY(platform->lastPrompt().text.contains(QStringLiteral("''Geometry''")));
        QCOMPARE(w->cboCourses->currentText(), QStringLiteral("Geometry"));
        QCOMPARE(m->intStep, 1);
        QVERIFY(w->files->MakeFileName().contains(QStringLiteral("Geometry")));
    }

    void noDeletesTheCopy()
    {
        planUnderWay(true);
        w->PrepareStep();
        crashAndLoad();
        platform->answerMessage(Answer::No, QString(), QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        QVERIFY(!QFile::exists(copyPath()));
        QCOMPARE(w->RTxtComposite->Text(), QString());
        QCOMPARE(m->intStep, 0);
        QCOMPARE(m->strPlanSaved, QStringLiteral("Y"));
        QVERIFY(w->cboCourses->isEnabled());
        // Asked once a run, not at every showing.
        w->showMain();
    }

    void theCopyWaitsUntilItHasBeenOffered()
    {
        const QByteArray copy = PlanRecovery::encode(sampleCopy());
        restartWith(copy);
        // Activations and steps before the window is shown leave the copy alone.
        w->Form_Activate();
        w->PrepareStep();
        w->recovery->discard();
        QCOMPARE(readAll(copyPath()), copy);
        platform->answerMessage(Answer::No, QString(), QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        QVERIFY(!QFile::exists(copyPath()));
    }

    void damagedCopyIsReportedAndDeleted_data()
    {
        dataColumns<QByteArray, QString>({"data", "reason"});
        const QByteArray good = PlanRecovery::encode(sampleCopy());
        dataRow("empty", QByteArray(), "it is not a Quillmark recovery copy");
        dataRow("cut in half", good.left(good.size() / 2), "it is incomplete");
        QByteArray flipped = good;
        flipped[good.indexOf("Week plan")] = 'w';
        dataRow("one byte changed", flipped, "it is damaged");
        dataRow("a document, not a copy", QByteArray("{\\rtf1\\ansi Lesson plan}"),
                "it is not a Quillmark recovery copy");
        QByteArray newer = good;
        newer[24 + 3] = 2; // the format version, big-endian after the header
        dataRow("newer version", newer, "it was made by a newer version of Quillmark");
        PlanRecovery::Snapshot badStep = sampleCopy();
        badStep.step = 9;
        dataRow("step out of range", PlanRecovery::encode(badStep), "it is damaged");
        PlanRecovery::Snapshot notRtf = sampleCopy();
        notRtf.rtf = QStringLiteral("plain words");
        dataRow("document not RTF", PlanRecovery::encode(notRtf), "it is damaged");
        PlanRecovery::Snapshot badWeek = sampleCopy();
        badWeek.date = QStringLiteral("31");
        dataRow("week not in the year", PlanRecovery::encode(badWeek),
                "its week (September 31) is not in the school year 2009-2010");
    }

    void damagedCopyIsReportedAndDeleted()
    {
        const auto [data, reason] = fetchRow<QByteArray, QString>({"data", "reason"});
        restartWith(data);
        platform->answerMessage(Answer::OK, damagedText(reason),
                                QStringLiteral("Recovery Copy Damaged"));
        w->showMain();
        platform->verifyAllAnswered();
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Exclamation);
        QVERIFY(!QFile::exists(copyPath()));
        // Nothing of the copy reached the screen; the program goes on as after a clean start.
        QCOMPARE(w->RTxtComposite->Text(), QString());
        QCOMPARE(m->intStep, 0);
        QCOMPARE(m->strPlanSaved, QStringLiteral("Y"));
        QVERIFY(w->cboCourses->isEnabled());
        planfixture::beginWeeklyPlan(*w, *platform);
        QCOMPARE(m->intStep, 1);
    }

    void tooLargeCopyIsNotRead()
    {
        w.reset();
        QDir().mkpath(QFileInfo(copyPath()).absolutePath());
        {
            QFile file(copyPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            // A sparse file: large on paper, nothing on the disk.
            QVERIFY(file.resize(PlanRecovery::maxCopySize + 1));
        }
        load();
        platform->answerMessage(Answer::OK, damagedText(QStringLiteral("it is too large")),
                                QStringLiteral("Recovery Copy Damaged"));
        w->showMain();
        QVERIFY(!QFile::exists(copyPath()));
    }

    void savingOrClearingRemovesTheCopy_data()
    {
        QTest::addColumn<QString>("how");
        dataRow("saved through Save", "save");
        dataRow("saved flag set", "flag");
        dataRow("screen cleared", "clear");
    }

    void savingOrClearingRemovesTheCopy()
    {
        QFETCH(QString, how);
        planfixture::beginWeeklyPlan(*w, *platform);
        w->PrepareStep();
        QVERIFY(QFile::exists(copyPath()));
        if (how == QLatin1String("save")) {
            platform->answerSaveFile(dir.filePath(QStringLiteral("plan.rtf")));
            QVERIFY(w->files->SaveFile());
        } else if (how == QLatin1String("flag")) {
            m->strPlanSaved = QStringLiteral("Y");
        } else {
            w->completion->ClearScreen(false);
        }
        // The copy stays until the next point where it would be written.
        w->Form_Activate();
        QVERIFY(!QFile::exists(copyPath()));

        // Editing again makes the plan unsaved again, and the copy comes back.
        if (how == QLatin1String("clear"))
            return;
        w->recovery->setSaveDelay(20);
        typeBoldLine(QStringLiteral("After saving"));
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QTRY_VERIFY(QFile::exists(copyPath()));
    }

    void writeFailureIsReportedOnce()
    {
        planfixture::beginWeeklyPlan(*w, *platform);
        // A folder where the copy belongs: the file cannot be written.
        QVERIFY(QFile::remove(copyPath()));
        QVERIFY(QDir().mkpath(copyPath()));
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Recovery Copy Not Written"));
        w->RTxtComposite->MoveToEnd();
        w->RTxtComposite->setSelText(QStringLiteral("more"));
        w->PrepareStep();
        platform->verifyAllAnswered();
        const QString text = platform->lastPrompt().text;
        QVERIFY2(text.startsWith(QStringLiteral("The recovery copy of the Lesson Plan under "
                                                "construction could not be written to\r\n") +
                                 QDir::toNativeSeparators(copyPath()) + QStringLiteral("\r\n")),
                 qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral("\r\n\r\nSave the Lesson Plan Document to keep it "
                                             "safe. This message is not shown again until "
                                             "Quillmark is started again.")));
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Exclamation);
        // Later steps go on without a word.
        typeBoldLine(QStringLiteral("more"));
        w->PrepareStep();
        QVERIFY(QDir().rmdir(copyPath()));
        w->PrepareStep();
        QVERIFY(QFile::exists(copyPath()));
    }

    // The exit question itself is the main window's; a normal end leaves nothing to recover.
    void anOrderlyEndRemovesTheCopy()
    {
        planfixture::beginWeeklyPlan(*w, *platform);
        w->PrepareStep();
        platform->answerMessage(Answer::No, QString(), QStringLiteral("Exit Quillmark"));
        w->cmdExit->click();
        QVERIFY2(QFile::exists(copyPath()), "the teacher stayed with the plan");
        platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Exit Quillmark"));
        w->close();
        QVERIFY(w->isHidden());
        QVERIFY(!QFile::exists(copyPath()));
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
