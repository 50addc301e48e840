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
#include "support/fulldisk.h"
#include "support/golden.h"
#include "support/planfixture.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QGroupBox>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <optional>

using namespace Qt::StringLiterals;
using Answer = Platform::Answer;

namespace
{
const QString Restore = u"Restore Unsaved Plan"_s;

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
    copy.madeAt = QDateTime(QDate(2009, 9, 8), QTime(14, 5));
    PlanProgress &p = copy.progress;
    p.course = u"Course/Subject #2"_s;
    p.period = u"4"_s;
    p.month = u"September"_s;
    p.date = u"14"_s;
    p.dayIndex = 2;
    p.day = u"Wednesday, September 16"_s;
    p.objective = u"Decimals"_s;
    p.step = 3;
    copy.rtf = u"{\\rtf1\\ansi\\deff0 {\\b Week plan}\\par plain}"_s;
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

// One window of the program in a process of its own (the recovery_kill helper), sharing only
// the test's home folder with the others; its output is kept for the failure report.
struct Window {
    Window(const QString &home, const QString &offers, int course)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"HOME"_s, home);
        env.insert(u"XDG_DATA_HOME"_s, home + u"/.local/share"_s);
        env.insert(u"XDG_CONFIG_HOME"_s, home + u"/.config"_s);
        env.insert(u"QM_OFFERS"_s, offers);
        env.remove(u"QM_COURSE"_s);
        if (course >= 0)
            env.insert(u"QM_COURSE"_s, QString::number(course));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(RECOVERY_HELPER), {u"window"_s});
    }
    ~Window() { kill(); }

    // The plan on the window's screen once it is up: "course|step|day".
    QString ready()
    {
        const QString mark = u"READY "_s;
        while (!output.contains(mark) || !output.mid(output.indexOf(mark)).contains(u'\n')) {
            if (!process.waitForReadyRead(60000))
                return u"(no answer)"_s;
            output += QString::fromUtf8(process.readAll());
        }
        return output.mid(output.indexOf(mark) + mark.size()).section(u'\n', 0, 0);
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

    static QString firstPlace() { return PlanRecovery::folder() + u"/plan-1.recovery"_s; }
    QString ownCopy() const { return w->recovery->copyPath(); }
    static QStringList copiesIn(const QString &folder)
    {
        return QDir(folder).entryList({u"plan-*.recovery"_s}, QDir::Files);
    }

    // A new run of the program: the window is loaded; showMain() makes the start-up check.
    void load()
    {
        WindowTest::load();
        m->blnShowUnitGoal = false;
        m->strStorageFolder = dir.filePath(u"Plans"_s);
    }

    // The next run finds the given copy on disk, left by a window that is gone.
    void restartWith(const QByteArray &copy, const QString &path = firstPlace())
    {
        w.reset();
        writeAll(path, copy);
        load();
    }

    // The process dies where it stands: whatever copy is on disk is all the next run has.
    void crashAndLoad()
    {
        platform->verifyAllAnswered();
        const QByteArray left = readAll(ownCopy());
        QVERIFY(!left.isEmpty());
        restartWith(left, ownCopy());
    }

    void typeBoldLine(const QString &text)
    {
        RichTextBox *doc = w->RTxtComposite;
        doc->MoveToEnd();
        doc->setSelBold(true);
        doc->setSelText(u"\r\n"_s + text);
        doc->setSelBold(false);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(dir.isValid());
        QDir(PlanRecovery::folder()).removeRecursively();
        QFile::remove(PlanRecovery::olderCopyPath());
        load();
        w->showMain();
    }

    void cleanup() { finish(); }

    void killedPlanGoesOnWhereItStood_data()
    {
        dataColumns<bool, int, QString>({"weekly", "step", "golden"});
        dataRow("weekly plan, activities listed", true, 1, "recovery/weekly-activities.dump");
        dataRow("unit plan, assessment listed", false, 2, "recovery/unit-assessment.dump");
    }

    // A restored plan restarted its day at the first step: the day's heading and lists were
    // written twice, and the entries listed but not yet written were lost.
    void killedPlanGoesOnWhereItStood()
    {
        const auto [weekly, step, golden] =
            fetchRow<bool, int, QString>({"weekly", "step", "golden"});
        if (weekly) {
            planfixture::answerPlanType(*platform, true);
            w->cboCourses->setCurrentIndex(0);
            w->txtPeriod->setText(u"3"_s);
            w->cboMonth->setCurrentIndex(1);
            w->cboDate->setCurrentIndex(6);
            w->cboDay->setCurrentIndex(1);
            w->cmdBegin->click();
        } else {
            planfixture::beginUnitPlan(*w, *platform, u"Fractions"_s);
        }
        w->txtObjective->setPlainText(u"Add fractions\nwith like denominators"_s);
        if (step == 2) {
            addItem(0, u"pizza slices"_s);
            w->cmdDone1->click();
        }
        QCOMPARE(m->intStep, step);
        addItem(1, u"fraction strips"_s);
        if (step == 1)
            w->txtClosure->setPlainText(u"Homework p. 12"_s);
        typeBoldLine(u"Bring rulers"_s);
        w->recovery->setSaveDelay(20);
        QTRY_VERIFY(!w->recovery->hasPendingChanges());
        const QString document = dumpDocument(*w->RTxtComposite);
        const PlanProgress before = w->plan->progress();

        crashAndLoad();
        platform->answerMessage(Answer::Yes, QString(), Restore);
        w->showMain();
        platform->verifyAllAnswered();
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Question);
        QVERIFY(platform->lastPrompt().text.contains(u"''Course/Subject #1''"_s));

        // The document with its formatting, the plan exactly where it stood, not saved
        QCOMPARE(dumpDocument(*w->RTxtComposite), document);
        QVERIFY(w->plan->progress() == before);
        QCOMPARE(m->strPlanSaved, u"N"_s);
        QCOMPARE(w->RTxtComposite->BackColor(), ui::white());
        QVERIFY(!w->cboCourses->isEnabled() && !w->cmdBegin->isEnabled());

        // The teacher finishes the list: each heading and entry is in the document once.
        w->cmdDone1->click();
        const QString after = dumpDocument(*w->RTxtComposite);
        QCOMPARE(after, goldenDump(golden, after));
        const auto copy = PlanRecovery::decode(readAll(ownCopy()), nullptr);
        QVERIFY(copy && copy->rtf == w->RTxtComposite->TextRTF());
    }

    void restoredFromACopyOnDisk_data()
    {
        dataColumns<QString, int, QString>({"copy", "step", "day"});
        dataRow("a plan that had ended, its course renamed since", "ended", 0,
                "Wednesday, September 16");
        dataRow("an earlier version's copy", "older", 1, "Tuesday, September 15");
    }

    // A plan that had ended is given back as its document alone, keeping its course, once a
    // run, with one plan to a window; a copy of
    // the version before, which kept no state of the day, was replayed from the start of its
    // day: it goes on with the first day not yet in the document, in the window's own copy.
    void restoredFromACopyOnDisk()
    {
        const auto [kind, step, day] = fetchRow<QString, int, QString>({"copy", "step", "day"});
        PlanRecovery::Snapshot copy = sampleCopy();
        copy.progress.course = u"Geometry"_s;
        copy.progress.step = 0;
        if (kind == "older"_L1) {
            copy.rtf = QStringLiteral("{\\rtf1\\ansi\\deff0 Heading\\par\\par {\\b Monday, "
                                      "September 14}\\par Strategies:\\par 1. Lecture\\par}");
            copy.progress = sampleCopy().progress;
            restartWith(stepLessCopy(copy), PlanRecovery::olderCopyPath());
        } else {
            // A second window's copy is kept for the next start, and not offered again.
            writeAll(PlanRecovery::folder() + u"/plan-2.recovery"_s, PlanRecovery::encode(copy));
            restartWith(PlanRecovery::encode(copy));
        }
        platform->answerMessage(Answer::Yes, QString(), Restore);
        if (kind == "ended"_L1)
            platform->answerMessage(Answer::OK, QString(), Restore);
        w->showMain();
        w->showMain();
        QCOMPARE(m->intStep, step);
        QCOMPARE(w->cboDay->currentText(), day);
        QCOMPARE(m->strPlanSaved, u"N"_s);
        if (kind == "older"_L1) {
            QVERIFY(!QFile::exists(PlanRecovery::olderCopyPath()));
            QVERIFY(PlanRecovery::decode(readAll(ownCopy()), nullptr));
            return;
        }
        QCOMPARE(dumpDocument(*w->RTxtComposite), u"[B]Week plan[/B]\nplain"_s);
        for (QWidget *b : std::initializer_list<QWidget *>{w->cmdStore, w->cmdPrint, w->cmdClose})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(w->RTxtComposite->isEnabled() && !w->cmdBegin->isEnabled() &&
                w->fraDay->isHidden());
        QVERIFY(w->files->MakeFileName().contains(u"Geometry"_s));
    }

    void noDeletesTheCopy_data()
    {
        QTest::addColumn<QString>("before");
        dataRow("a copy left by a crash", "crash");
        // After a restart of the computer a run may get the process number of the run that
        // left the copy; the copy's lock then looked live and the plan was never offered.
        dataRow("its lock bearing this process number", "lock");
        // A copy changed before the teacher was asked about it is lost to the next run.
        dataRow("activations and steps before the window is shown", "early");
    }

    // A copy found at the start is offered once a run; No deletes it, and the program goes on as
    // after a clean start.
    void noDeletesTheCopy()
    {
        QFETCH(QString, before);
        const QByteArray copy = PlanRecovery::encode(sampleCopy());
        if (before == "crash"_L1) {
            planfixture::beginWeeklyPlan(*w, *platform);
            crashAndLoad();
        } else {
            restartWith(copy);
        }
        if (before == "lock"_L1) {
            const QString lockPath = firstPlace() + u".lock"_s;
            QByteArray lockText;
            {
                QLockFile lock(lockPath);
                QVERIFY(lock.tryLock(0));
                lockText = readAll(lockPath);
            }
            writeAll(lockPath, lockText);
        } else if (before == "early"_L1) {
            w->Form_Activate();
            w->PrepareStep();
            w->recovery->discard();
            QCOMPARE(readAll(firstPlace()), copy);
        }
        platform->answerMessage(Answer::No, QString(), Restore);
        w->showMain();
        QVERIFY(copiesIn(PlanRecovery::folder()).isEmpty());
        QCOMPARE(w->RTxtComposite->Text(), QString());
        QCOMPARE(m->intStep, 0);
        QCOMPARE(m->strPlanSaved, u"Y"_s);
        QVERIFY(w->cboCourses->isEnabled());
        w->showMain(); // not asked again
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
        notRtf.rtf = u"plain words"_s;
        dataRow("document not RTF", PlanRecovery::encode(notRtf), "it is damaged");
        PlanRecovery::Snapshot badWeek = sampleCopy();
        badWeek.progress.date = u"31"_s;
        dataRow("week not in the year", PlanRecovery::encode(badWeek),
                "its week (September 31) is not in the school year 2009-2010");
        dataRow("too large", QByteArray(), "it is too large");
        dataRow("kept before, same bytes", QByteArray("earlier"),
                "it is not a Quillmark recovery copy");
    }

    // A copy that could not be restored was deleted, and with it the teacher's last chance
    // of the plan (a newer version could still have read it).
    void unrestorableCopyIsSetAside()
    {
        const auto [data, reason] = fetchRow<QByteArray, QString>({"data", "reason"});
        const QString path = firstPlace();
        const QString aside = path + (data == "earlier" ? u".damaged"_s : u".damaged-2"_s);
        restartWith(data);
        // A sparse file: large on paper, nothing on the disk.
        if (reason == "it is too large"_L1)
            QVERIFY(QFile(path).resize(PlanRecovery::maxCopySize + 1));
        // One set aside by an earlier run stays as it is.
        writeAll(path + u".damaged"_s, "earlier");
        platform->answerMessage(Answer::OK, QString(), u"Recovery Copy Damaged"_s);
        w->showMain();
        platform->verifyAllAnswered();
        const auto &told = platform->lastPrompt();
        QCOMPARE(told.icon, Platform::Icon::Exclamation);
        QVERIFY2(told.text.contains(reason) && told.text.endsWith(QDir::toNativeSeparators(aside)),
                 qPrintable(told.text));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(readAll(path + u".damaged"_s), QByteArray("earlier"));
        if (!data.isEmpty())
            QCOMPARE(readAll(aside), data);
        QCOMPARE(QFileInfo(aside).size(),
                 reason == "it is too large"_L1 ? PlanRecovery::maxCopySize + 1 : data.size());
        // Nothing of the copy reached the screen; the program goes on as after a clean start.
        QCOMPARE(w->RTxtComposite->Text(), QString());
        QCOMPARE(m->strPlanSaved, u"Y"_s);
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

    // A saved or cleared plan was offered back at the next start.
    void savingOrClearingRemovesTheCopy()
    {
        QFETCH(QString, how);
        planfixture::beginWeeklyPlan(*w, *platform);
        QVERIFY(QFile::exists(ownCopy()));
        if (how == "save"_L1) {
            platform->answerSaveFile(dir.filePath(u"plan.rtf"_s));
            QVERIFY(w->files->SaveFile());
        } else if (how == "flag"_L1) {
            m->strPlanSaved = u"Y"_s;
        } else {
            w->completion->ClearScreen(false);
        }
        // The copy stays until the next point where it would be written.
        w->Form_Activate();
        QVERIFY(!QFile::exists(ownCopy()));
        if (how == "clear"_L1)
            return;
        // Editing again makes the plan unsaved again, and the copy comes back.
        w->recovery->setSaveDelay(20);
        typeBoldLine(u"After saving"_s);
        QCOMPARE(m->strPlanSaved, u"N"_s);
        QTRY_VERIFY(QFile::exists(ownCopy()));
    }

    void writeFailureIsReportedOnce_data()
    {
        QTest::addColumn<bool>("fullDisk");
        dataRow("a folder where the copy belongs", false);
        dataRow("full disk", true);
    }

    // A copy that cannot be written interrupted every step, or went unreported; on a full
    // disk the good copy became a short one.
    void writeFailureIsReportedOnce()
    {
        QFETCH(bool, fullDisk);
        planfixture::beginWeeklyPlan(*w, *platform);
        const QByteArray written = readAll(ownCopy());
        QVERIFY(!written.isEmpty());
        std::optional<FullDisk> full;
        if (fullDisk)
            full.emplace(0);
        else
            QVERIFY(QFile::remove(ownCopy()) && QDir().mkpath(ownCopy()));
        platform->answerMessage(Answer::OK, QString(), u"Recovery Copy Not Written"_s);
        typeBoldLine(u"more"_s);
        w->PrepareStep();
        platform->verifyAllAnswered();
        const auto &told = platform->lastPrompt();
        QVERIFY2(told.text.contains(QDir::toNativeSeparators(ownCopy())), qPrintable(told.text));
        QCOMPARE(told.icon, Platform::Icon::Exclamation);
        if (fullDisk) {
            QVERIFY2(told.text.contains(FullDisk::reason()), qPrintable(told.text));
            QCOMPARE(readAll(ownCopy()), written);
        }
        // Later steps go on without a word, and the copy is written again once it can be.
        typeBoldLine(u"more"_s);
        w->PrepareStep();
        if (fullDisk)
            full.reset();
        else
            QVERIFY(QDir().rmdir(ownCopy()));
        w->PrepareStep();
        QVERIFY(readAll(ownCopy()).size() > written.size());
    }

    // Windows shared one copy: a second window offered the first one's live plan (and No
    // deleted it), its orderly end deleted the first one's copy, and after a power cut with
    // two windows open only one plan came back.
    void everyWindowKeepsItsOwnPlan()
    {
        QTemporaryDir home;
        const QString copies = home.filePath(u".local/share/Quillmark/recovery"_s);
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
                     u"Course/Subject #%1|2|Monday, September 7"_s.arg(course + 1));
        QCOMPARE(copiesIn(copies).size(), 3);
        QVERIFY(windows[1]->exit());
        QCOMPARE(copiesIn(copies).size(), 2);

        // A power cut: the next start restores one plan at its step and keeps the other,
        // which the start after it restores.
        windows[0]->kill();
        windows[2]->kill();
        QStringList restored;
        for (const QString &offers : {u"Yes,OK"_s, u"Yes"_s}) {
            Window &window = open(offers);
            restored << window.ready();
            QVERIFY(window.exit());
        }
        restored.sort();
        QCOMPARE(restored, QStringList({u"Course/Subject #1|2|Monday, September 7"_s,
                                        u"Course/Subject #3|2|Monday, September 7"_s}));
        QCOMPARE(copiesIn(copies), QStringList());
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
