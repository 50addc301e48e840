// The two halves of the crash test that kill_recovery.sh runs as separate processes:
//
//   recovery_kill writeThenKill     begins a plan, edits it, and dies by SIGKILL once the
//                                   recovery copy is on disk
//   recovery_kill restoreAfterKill  a new run: the copy is offered, restored and checked
//                                   against what the killed run had on its screen
//
// Both run as the program does (organisation and application "Quillmark", no test mode), so
// the copy lies exactly where the program keeps it; they refuse to run unless the home folder
// is a private one in the temporary folder, which the script provides.
#include "app/frmmain.h"
#include "document/recovery.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "support/docdump.h"
#include "support/planfixture.h"
#include "support/scriptedplatform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <cstdio>

namespace
{
// What the killed run saw, for the run after it.
QString expectedPath()
{
    return QDir::homePath() + QStringLiteral("/document-before-kill.txt");
}
} // namespace

class RecoveryKill : public QObject
{
    Q_OBJECT

    void addItem(frmMain &w, int index, const QString &text)
    {
        w.optTask[index]->click();
        w.txtDescription->moveCursor(QTextCursor::End);
        w.txtDescription->insertPlainText(text);
        w.cmdOK->click();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Quillmark"));
        // Where the home and the copy are must be private, never the teacher's own.
        const QString temp = QDir::tempPath() + QLatin1Char('/');
        if (!QDir::homePath().startsWith(temp) || !PlanRecovery::copyPath().startsWith(temp))
            QFAIL("Run through kill_recovery.sh: the home and data folders must be private "
                  "ones in the temporary folder.");
    }

    void writeThenKill()
    {
        QVERIFY(!QFile::exists(PlanRecovery::copyPath()));
        LessonPlanModule m;
        ScriptedPlatform platform;
        frmMain w(m, platform);
        w.Form_Load();
        w.showMain();
        w.recovery->clock = [] { return QDateTime(QDate(2009, 9, 8), QTime(14, 5)); };

        // Tuesday of the week of September 7, with the unit goal, one activity and a closure.
        planfixture::answerPlanType(platform, true);
        w.cboCourses->setCurrentIndex(1);
        w.txtPeriod->setText(QStringLiteral("5"));
        w.cboMonth->setCurrentIndex(1);
        w.cboDate->setCurrentIndex(6);
        w.cboDay->setCurrentIndex(1);
        planfixture::answerUnitGoal(platform, QStringLiteral("Fractions"));
        w.cmdBegin->click();
        w.txtObjective->setPlainText(QStringLiteral("Add fractions"));
        addItem(w, 0, QStringLiteral("pizza slices"));
        w.txtClosure->setPlainText(QStringLiteral("Homework p. 12"));
        w.cmdDone1->click();
        QCOMPARE(m.intStep, 2);

        // Then a line typed by hand, bold and underlined: it reaches the copy without a step.
        w.recovery->setSaveDelay(50);
        RichTextBox *doc = w.RTxtComposite;
        doc->MoveToEnd();
        doc->setSelBold(true);
        doc->setSelUnderline(true);
        doc->setSelText(QStringLiteral("\r\nBring rulers"));
        QVERIFY(w.recovery->hasPendingChanges());
        QTRY_VERIFY(!w.recovery->hasPendingChanges());
        platform.verifyAllAnswered();

        const QString dump = dumpDocument(*doc);
        QVERIFY(dump.contains(QStringLiteral("[B][U]Bring rulers[/U][/B]")));
        QFile expected(expectedPath());
        QVERIFY(expected.open(QIODevice::WriteOnly));
        expected.write(dump.toUtf8());
        expected.close();
        QVERIFY(QFile::exists(PlanRecovery::copyPath()));

        // No destructor, no exit handler: the process is gone.
        std::fflush(nullptr);
        std::raise(SIGKILL);
        QFAIL("still alive after SIGKILL");
    }

    void restoreAfterKill()
    {
        QVERIFY(QFile::exists(PlanRecovery::copyPath()));
        QFile expected(expectedPath());
        QVERIFY(expected.open(QIODevice::ReadOnly));
        const QString dump = QString::fromUtf8(expected.readAll());

        LessonPlanModule m;
        ScriptedPlatform platform;
        frmMain w(m, platform);
        w.Form_Load();
        platform.answerMessage(
            Platform::Answer::Yes,
            QStringLiteral("Quillmark was not closed normally while a Lesson Plan was under "
                           "construction.\r\nA recovery copy of the plan for ''Course/Subject "
                           "#2'' was made on Tuesday, September 8, 2009 at 2:05 PM.\r\n\r\n"
                           "Restore the plan?  (No deletes the recovery copy.)"),
            QStringLiteral("Restore Unsaved Plan"));
        w.showMain();
        platform.verifyAllAnswered();

        QCOMPARE(dumpDocument(*w.RTxtComposite).split(QLatin1Char('\n')),
                 dump.split(QLatin1Char('\n')));
        QVERIFY(dump.contains(QStringLiteral("[B]Tuesday, September 8[/B]")));
        QVERIFY(dump.contains(QStringLiteral("[I]Unit Goal: Fractions[/I]")));
        QCOMPARE(m.strPlanSaved, QStringLiteral("N"));
        QCOMPARE(m.intStep, 1);
        QCOMPARE(w.cboCourses->currentText(), QStringLiteral("Course/Subject #2"));
        QCOMPARE(w.txtPeriod->text(), QStringLiteral("5"));
        QCOMPARE(w.cboDay->currentText(), QStringLiteral("Tuesday, September 8"));
        QCOMPARE(w.txtObjective->toPlainText(), QStringLiteral("Add fractions"));
        QCOMPARE(w.RTxtComposite->BackColor(), ui::white());
        QVERIFY(w.cmdStore->isEnabled());
        QVERIFY(!w.cboCourses->isEnabled());

        // The teacher saves; the copy is gone with the plan safe in its file.
        m.strPlanSaved = QStringLiteral("Y");
        w.PrepareStep();
        QVERIFY(!QFile::exists(PlanRecovery::copyPath()));
    }
};

int main(int argc, char *argv[])
{
    // One half at a time: running both in one process would kill the process before the
    // second half.
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s writeThenKill|restoreAfterKill\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    RecoveryKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_kill.moc"
