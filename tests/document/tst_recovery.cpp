// The recovery copy of the plan under construction: one per window, written after every step
// and soon after every edit, removed when the plan is saved or cleared or its window ends
// normally, offered back at the next start after a crash and resumed exactly where the plan
// stood; a copy that cannot be restored is set aside, never deleted.
#include "document/completion.h"
#include "document/planfiles.h"
#include "document/recovery.h"
#include "plan/planstart.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/planfixture.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
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

// A small copy the way the program writes one, for tests that spoil it.
PlanRecovery::Snapshot sampleCopy()
{
    PlanRecovery::Snapshot copy;
    copy.madeAt = CopyTime;
    PlanProgress &p = copy.progress;
    p.course = QStringLiteral("Course/Subject #2");
    p.period = QStringLiteral("4");
    p.month = QStringLiteral("September");
    p.date = QStringLiteral("14");
    p.dayIndex = 2;
    p.day = QStringLiteral("Wednesday, September 16");
    p.objective = QStringLiteral("Decimals");
    p.step = 3;
    copy.rtf = QStringLiteral("{\\rtf1\\ansi\\deff0 {\\b Week plan}\\par plain}");
    return copy;
}

// A copy as the version before this one wrote it: the target and step, no state of the day.
QByteArray stepLessCopy(const PlanRecovery::Snapshot &copy)
{
    const PlanProgress &p = copy.progress;
    QByteArray state, contents, body;
    QDataStream fields(&state, QIODevice::WriteOnly);
    fields << p.course << p.period << p.weekly << p.month << p.date << qint32(p.dayIndex) << p.day
           << p.unitTopic << p.objective << qint32(p.step) << copy.rtf.toUtf8();
    QDataStream inner(&contents, QIODevice::WriteOnly);
    inner << copy.madeAt << state;
    QDataStream out(&body, QIODevice::WriteOnly);
    out << quint32(1) << contents << QCryptographicHash::hash(contents, QCryptographicHash::Sha256);
    return QByteArrayLiteral("Quillmark recovery copy\n") + body;
}

QString describe(const PlanProgress &p)
{
    return QStringList{QString::number(p.step),
                       p.day,
                       p.objective,
                       QString::number(p.objectiveOpen),
                       p.listed.join(u'|'),
                       p.entries.join(u'|'),
                       p.closure,
                       QString::number(p.dayWritten)}
        .join(u'/');
}

// One window of the program in a process of its own (the recovery_kill helper), sharing only
// the test's home folder with the others. Its output, standard error included, is kept for the
// test's failure report.
class Window
{
public:
    Window(const QString &home, const QString &offers, int course = -1)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.insert(QStringLiteral("QM_OFFERS"), offers);
        env.remove(QStringLiteral("QM_COURSE"));
        if (course >= 0)
            env.insert(QStringLiteral("QM_COURSE"), QString::number(course));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(RECOVERY_HELPER), {QStringLiteral("window")});
    }
    ~Window()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    // The plan on the window's screen once it is up: "course|step|day".
    QString ready()
    {
        const QString mark = QStringLiteral("READY ");
        while (!output.contains(mark) || !output.mid(output.indexOf(mark)).contains(u'\n')) {
            if (!process.waitForReadyRead(60000))
                return QStringLiteral("(no answer)");
            output += QString::fromUtf8(process.readAll());
        }
        const QString rest = output.mid(output.indexOf(mark) + mark.size());
        return rest.left(rest.indexOf(u'\n'));
    }
    // An orderly end; true when the window ended cleanly with every question answered.
    bool exit()
    {
        process.write("exit\n");
        process.closeWriteChannel();
        const bool ended = process.waitForFinished(60000);
        output += QString::fromUtf8(process.readAll());
        return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    // A crash or a power cut.
    void kill()
    {
        process.kill();
        process.waitForFinished();
    }

    QProcess process;
    QString output;
};
} // namespace

class TestRecovery : public planfixture::WindowTest
{
    Q_OBJECT

    QTemporaryDir dir;

    static QString firstPlace()
    {
        return PlanRecovery::folder() + QStringLiteral("/plan-1.recovery");
    }
    QString ownCopy() const { return w->recovery->copyPath(); }

    // A new run of the program: the window is loaded; showMain() makes the start-up check.
    void load()
    {
        WindowTest::load();
        m->blnShowUnitGoal = false;
        m->strStorageFolder = dir.filePath(QStringLiteral("Plans"));
    }

    // The next run finds the given copy on disk, left by a window that is gone.
    void restartWith(const QByteArray &copy, const QString &path = firstPlace())
    {
        w.reset();
        writeAll(path, copy);
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
        const QString path = ownCopy();
        const QByteArray left = readAll(path);
        QVERIFY(!left.isEmpty());
        restartWith(left, path); // an orderly end would remove the copy; a crash does not
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
        auto copy = PlanRecovery::decode(readAll(ownCopy()), &reason);
        if (!copy)
            qWarning("copy not readable: %s", qPrintable(reason));
        return copy;
    }

    static QStringList copiesIn(const QString &folder)
    {
        return QDir(folder).entryList({QStringLiteral("plan-*.recovery")}, QDir::Files);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void init()
    {
        QDir(PlanRecovery::folder()).removeRecursively();
        QFile::remove(PlanRecovery::olderCopyPath());
        start();
    }

    void cleanup()
    {
        finish();
        QDir(PlanRecovery::folder()).removeRecursively();
        QFile::remove(PlanRecovery::olderCopyPath());
    }

    void killedPlanGoesOnWhereItStood_data()
    {
        QTest::addColumn<bool>("weekly");
        QTest::addColumn<int>("step");
        dataRow("weekly plan, activities listed", true, 1);
        dataRow("unit plan, assessment listed", false, 2);
    }

    // A restored plan restarted its day at the first step: the day's heading and lists were
    // written twice, and the entries listed but not yet written were lost.
    void killedPlanGoesOnWhereItStood()
    {
        QFETCH(bool, weekly);
        QFETCH(int, step);
        if (weekly) {
            planfixture::answerPlanType(*platform, true);
            w->cboCourses->setCurrentIndex(0);
            w->txtPeriod->setText(QStringLiteral("3"));
            w->cboMonth->setCurrentIndex(1);
            w->cboDate->setCurrentIndex(6);
            w->cboDay->setCurrentIndex(1);
            w->cmdBegin->click();
        } else {
            planfixture::beginUnitPlan(*w, *platform, QStringLiteral("Fractions"));
        }
        w->txtObjective->setPlainText(QStringLiteral("Add fractions\nwith like denominators"));
        if (step == 2) {
            addItem(0, QStringLiteral("pizza slices"));
            w->cmdDone1->click();
        }
        QCOMPARE(m->intStep, step);
        addItem(1, QStringLiteral("fraction strips"));
        if (step == 1)
            w->txtClosure->setPlainText(QStringLiteral("Homework p. 12"));
        typeBoldLine(QStringLiteral("Bring rulers"));
        w->recovery->setSaveDelay(20);
        QTRY_VERIFY(!w->recovery->hasPendingChanges());
        const QString document = dumpDocument(*w->RTxtComposite);
        QVERIFY(document.contains(QStringLiteral("[B]Bring rulers[/B]")));
        const PlanProgress before = w->plan->progress();

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
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Question);

        // The document with its formatting, the plan exactly where it stood, not saved
        QCOMPARE(dumpDocument(*w->RTxtComposite).split(u'\n'), document.split(u'\n'));
        QCOMPARE(describe(w->plan->progress()), describe(before));
        QVERIFY(w->plan->progress() == before);
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QCOMPARE(w->RTxtComposite->BackColor(), ui::white());
        QVERIFY(!w->cboCourses->isEnabled());
        QVERIFY(!w->cmdBegin->isEnabled());
        QVERIFY(!w->cmdDone1->isHidden());

        // The teacher finishes the list: each heading and entry is in the document once.
        w->cmdDone1->click();
        const QString after = dumpDocument(*w->RTxtComposite);
        const QString heading =
            step == 1 ? QStringLiteral("Strategies:") : QStringLiteral("Assessment:");
        QCOMPARE(after.count(heading), 1);
        QCOMPARE(after.count(QStringLiteral("fraction strips")), 1);
        QCOMPARE(after.count(weekly ? QStringLiteral("Tuesday, September 8")
                                    : QStringLiteral("Timeline:")),
                 1);
        const auto copy = copyOnDisk();
        QVERIFY(copy);
        QCOMPARE(copy->rtf, w->RTxtComposite->TextRTF());
    }

    // A plan that had ended is given back as its document alone; one whose course has been
    // renamed since keeps its course.
    void endedPlanComesBackAsADocumentOnly()
    {
        PlanRecovery::Snapshot copy = sampleCopy();
        copy.progress.step = 0;
        copy.progress.course = QStringLiteral("Geometry");
        restartWith(PlanRecovery::encode(copy));
        platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        QVERIFY(platform->lastPrompt().text.contains(QStringLiteral("''Geometry''")));
        QCOMPARE(dumpDocument(*w->RTxtComposite), QStringLiteral("[B]Week plan[/B]\nplain"));
        QCOMPARE(m->intStep, 0);
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QVERIFY(w->RTxtComposite->isEnabled());
        for (QWidget *b : std::initializer_list<QWidget *>{w->cmdStore, w->cmdPrint, w->cmdClose})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(!w->cmdBegin->isEnabled());
        QVERIFY(w->fraDay->isHidden());
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Wednesday, September 16"));
        QVERIFY(w->files->MakeFileName().contains(QStringLiteral("Geometry")));
    }

    // A copy of the version before, which kept no state of the day, was replayed from the
    // start of its day; it goes on with the first day not yet in the document.
    void olderCopyGoesOnAfterItsLastWrittenDay()
    {
        PlanRecovery::Snapshot copy = sampleCopy();
        copy.rtf = QStringLiteral("{\\rtf1\\ansi\\deff0 Heading\\par\\par {\\b Monday, September "
                                  "14}\\par Strategies:\\par 1. Lecture\\par}");
        restartWith(stepLessCopy(copy), PlanRecovery::olderCopyPath());
        platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        QCOMPARE(m->intStep, 1);
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Tuesday, September 15"));
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        // The plan now lives in the window's own copy.
        QVERIFY(!QFile::exists(PlanRecovery::olderCopyPath()));
        QVERIFY(copyOnDisk());
    }

    void noDeletesTheCopy()
    {
        planfixture::beginWeeklyPlan(*w, *platform);
        crashAndLoad();
        platform->answerMessage(Answer::No, QString(), QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        QVERIFY(copiesIn(PlanRecovery::folder()).isEmpty());
        QCOMPARE(w->RTxtComposite->Text(), QString());
        QCOMPARE(m->intStep, 0);
        QCOMPARE(m->strPlanSaved, QStringLiteral("Y"));
        QVERIFY(w->cboCourses->isEnabled());
        // Asked once a run, not at every showing.
        w->showMain();
    }

    // After a restart of the computer a run may get the process number of the run that left
    // the copy; the copy's lock then looked live and the plan was never offered.
    void aLockWithThisProcessNumberIsNotALiveWindow()
    {
        restartWith(PlanRecovery::encode(sampleCopy()));
        QByteArray lockText;
        {
            QLockFile lock(firstPlace() + QStringLiteral(".lock"));
            QVERIFY(lock.tryLock(0));
            lockText = readAll(firstPlace() + QStringLiteral(".lock"));
        }
        writeAll(firstPlace() + QStringLiteral(".lock"), lockText);
        platform->answerMessage(Answer::No, QString(), QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        QVERIFY(!QFile::exists(firstPlace()));
    }

    // A copy changed before the teacher was asked about it is lost to the next run.
    void theCopyWaitsUntilItHasBeenOffered()
    {
        const QByteArray copy = PlanRecovery::encode(sampleCopy());
        restartWith(copy);
        // Activations and steps before the window is shown leave the copy alone.
        w->Form_Activate();
        w->PrepareStep();
        w->recovery->discard();
        QCOMPARE(readAll(firstPlace()), copy);
        platform->answerMessage(Answer::No, QString(), QStringLiteral("Restore Unsaved Plan"));
        w->showMain();
        QVERIFY(!QFile::exists(firstPlace()));
    }

    void unrestorableCopyIsSetAside_data()
    {
        dataColumns<QByteArray, QString>({"data", "reason"});
        const QByteArray good = PlanRecovery::encode(sampleCopy());
        dataRow("empty", QByteArray(), "it is not a Quillmark recovery copy");
        dataRow("cut in half", good.left(good.size() / 2), "it is incomplete");
        QByteArray flipped = good;
        flipped[good.indexOf("Week plan")] = 'w';
        dataRow("one byte changed", flipped, "it is damaged");
        QByteArray newer = good;
        newer[24 + 3] = 3; // the format version, big-endian after the header
        dataRow("newer version", newer, "it was made by a newer version of Quillmark");
        PlanRecovery::Snapshot badStep = sampleCopy();
        badStep.progress.step = 9;
        dataRow("step out of range", PlanRecovery::encode(badStep), "it is damaged");
        PlanRecovery::Snapshot notRtf = sampleCopy();
        notRtf.rtf = QStringLiteral("plain words");
        dataRow("document not RTF", PlanRecovery::encode(notRtf), "it is damaged");
        PlanRecovery::Snapshot badWeek = sampleCopy();
        badWeek.progress.date = QStringLiteral("31");
        dataRow("week not in the year", PlanRecovery::encode(badWeek),
                "its week (September 31) is not in the school year 2009-2010");
        dataRow("too large", QByteArray(), "it is too large");
    }

    // A copy that could not be restored was deleted, and with it the teacher's last chance
    // of the plan (a newer version could still have read it).
    void unrestorableCopyIsSetAside()
    {
        const auto [data, reason] = fetchRow<QByteArray, QString>({"data", "reason"});
        w.reset();
        const QString path = firstPlace();
        writeAll(path, data);
        if (reason == QLatin1String("it is too large")) {
            QFile file(path);
            // A sparse file: large on paper, nothing on the disk.
            QVERIFY(file.resize(PlanRecovery::maxCopySize + 1));
        }
        // One set aside by an earlier run stays as it is.
        writeAll(path + QStringLiteral(".damaged"), "earlier");
        const QString aside = path + QStringLiteral(".damaged-2");
        load();
        platform->answerMessage(
            Answer::OK,
            QStringLiteral("A recovery copy of an unsaved Lesson Plan was found, but it cannot be "
                           "restored: ") +
                reason + QStringLiteral(".\r\n\r\nThe recovery copy has been kept as\r\n") +
                QDir::toNativeSeparators(aside),
            QStringLiteral("Recovery Copy Damaged"));
        w->showMain();
        platform->verifyAllAnswered();
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Exclamation);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(readAll(path + QStringLiteral(".damaged")), QByteArray("earlier"));
        if (!data.isEmpty())
            QCOMPARE(readAll(aside), data);
        QCOMPARE(QFileInfo(aside).size(), reason == QLatin1String("it is too large")
                                              ? PlanRecovery::maxCopySize + 1
                                              : data.size());
        // Nothing of the copy reached the screen; the program goes on as after a clean start.
        QCOMPARE(w->RTxtComposite->Text(), QString());
        QCOMPARE(m->strPlanSaved, QStringLiteral("Y"));
        planfixture::beginWeeklyPlan(*w, *platform);
        QCOMPARE(m->intStep, 1);
        QVERIFY(QFile::exists(ownCopy()));
    }

    void savingOrClearingRemovesTheCopy_data()
    {
        QTest::addColumn<QString>("how");
        dataRow("saved through Save", "save");
        dataRow("saved flag set", "flag");
        dataRow("screen cleared", "clear");
    }

    // A saved or cleared plan offered back at the next start.
    void savingOrClearingRemovesTheCopy()
    {
        QFETCH(QString, how);
        planfixture::beginWeeklyPlan(*w, *platform);
        QVERIFY(QFile::exists(ownCopy()));
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
        QVERIFY(!QFile::exists(ownCopy()));

        // Editing again makes the plan unsaved again, and the copy comes back.
        if (how == QLatin1String("clear"))
            return;
        w->recovery->setSaveDelay(20);
        typeBoldLine(QStringLiteral("After saving"));
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QTRY_VERIFY(QFile::exists(ownCopy()));
    }

    // A copy that cannot be written interrupted every step, or went unreported.
    void writeFailureIsReportedOnce()
    {
        planfixture::beginWeeklyPlan(*w, *platform);
        // A folder where the copy belongs: the file cannot be written.
        QVERIFY(QFile::remove(ownCopy()));
        QVERIFY(QDir().mkpath(ownCopy()));
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("Recovery Copy Not Written"));
        typeBoldLine(QStringLiteral("more"));
        w->PrepareStep();
        platform->verifyAllAnswered();
        const QString text = platform->lastPrompt().text;
        QVERIFY2(text.startsWith(QStringLiteral("The recovery copy of the Lesson Plan under "
                                                "construction could not be written to\r\n") +
                                 QDir::toNativeSeparators(ownCopy()) + QStringLiteral("\r\n")),
                 qPrintable(text));
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Exclamation);
        // Later steps go on without a word.
        typeBoldLine(QStringLiteral("more"));
        w->PrepareStep();
        QVERIFY(QDir().rmdir(ownCopy()));
        w->PrepareStep();
        QVERIFY(QFile::exists(ownCopy()));
    }

    // Windows shared one copy: a second window offered the first one's live plan (and No
    // deleted it), its orderly end deleted the first one's copy, and after a power cut with
    // two windows open only one plan came back.
    void everyWindowKeepsItsOwnPlan()
    {
        QTemporaryDir home;
        const QString copies = home.filePath(QStringLiteral(".local/share/Quillmark/recovery"));
        std::vector<std::unique_ptr<Window>> windows;
        auto report = qScopeGuard([&] {
            if (QTest::currentTestFailed())
                for (const auto &window : windows)
                    qWarning("%s", qPrintable(window->output));
        });
        auto open = [&](const QString &offers, int course = -1) -> Window & {
            return *windows.emplace_back(std::make_unique<Window>(home.path(), offers, course));
        };

        // Three windows, each with a plan at Monday's assessment list; none is asked anything
        // (an unexpected question fails a window).
        for (int course : {0, 1, 2})
            QCOMPARE(open(QString(), course).ready(),
                     QStringLiteral("Course/Subject #%1|2|Monday, September 7").arg(course + 1));
        QCOMPARE(copiesIn(copies).size(), 3);
        QVERIFY(windows[1]->exit());
        QCOMPARE(copiesIn(copies).size(), 2);

        // A power cut: the next start restores one plan at its step and keeps the other,
        // which the start after it restores.
        windows[0]->kill();
        windows[2]->kill();
        QStringList restored;
        for (const QString &offers : {QStringLiteral("Yes,OK"), QStringLiteral("Yes")}) {
            Window &window = open(offers);
            restored << window.ready();
            QVERIFY(window.exit());
        }
        restored.sort();
        QCOMPARE(restored,
                 QStringList({QStringLiteral("Course/Subject #1|2|Monday, September 7"),
                              QStringLiteral("Course/Subject #3|2|Monday, September 7")}));
        QCOMPARE(copiesIn(copies), QStringList());
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
