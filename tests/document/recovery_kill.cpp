// Windows of the program in processes of their own, for the crash and two-window tests:
//
//   recovery_kill writeThenKill     begins a plan, edits it, and dies by SIGKILL once the
//                                   recovery copy is on disk (kill_recovery.sh)
//   recovery_kill restoreAfterKill  a new run: the copy is offered, restored and checked
//                                   against what the killed run had on its screen
//   recovery_kill window            one window run by tst_recovery: answers the restore
//                                   questions listed in QM_OFFERS (Yes, No, OK), begins a plan
//                                   with course QM_COURSE when given, prints "READY" and the
//                                   plan on its screen, then waits on its input for "exit"
//                                   (an orderly end) or a SIGKILL
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
#include <iostream>
#include <string>

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
        if (!QDir::homePath().startsWith(temp) || !PlanRecovery::folder().startsWith(temp))
            QFAIL("Run through kill_recovery.sh: the home and data folders must be private "
                  "ones in the temporary folder.");
    }

    void writeThenKill()
    {
        QVERIFY(QDir(PlanRecovery::folder()).isEmpty());
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
        QVERIFY(QFile::exists(w.recovery->copyPath()));

        // No destructor, no exit handler: the process is gone.
        std::fflush(nullptr);
        std::raise(SIGKILL);
        QFAIL("still alive after SIGKILL");
    }

    void restoreAfterKill()
    {
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
        QCOMPARE(w.cboCourses->currentText(), QStringLiteral("Course/Subject #2"));
        QCOMPARE(w.txtPeriod->text(), QStringLiteral("5"));
        QCOMPARE(w.RTxtComposite->BackColor(), ui::white());
        QVERIFY(w.cmdStore->isEnabled());
        QVERIFY(!w.cboCourses->isEnabled());

        // The plan goes on at the assessment list of Tuesday, where it was killed: the day's
        // heading is not written again.
        QCOMPARE(m.intStep, 2);
        QCOMPARE(w.cboDay->currentText(), QStringLiteral("Tuesday, September 8"));
        addItem(w, 0, QStringLiteral("exit ticket"));
        w.cmdDone1->click();
        QCOMPARE(m.intStep, 3);
        const QString after = dumpDocument(*w.RTxtComposite);
        QCOMPARE(after.count(QStringLiteral("Tuesday, September 8")), 1);
        QVERIFY(after.contains(QStringLiteral("exit ticket")));

        // The teacher saves; the copy is gone with the plan safe in its file.
        QVERIFY(QFile::exists(w.recovery->copyPath()));
        m.strPlanSaved = QStringLiteral("Y");
        w.PrepareStep();
        QVERIFY(!QFile::exists(w.recovery->copyPath()));
    }

    void window()
    {
        LessonPlanModule m;
        ScriptedPlatform platform;
        const QStringList offers =
            qEnvironmentVariable("QM_OFFERS").split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &answer : offers)
            platform.answerMessage(answer == QLatin1String("Yes")  ? Platform::Answer::Yes
                                   : answer == QLatin1String("No") ? Platform::Answer::No
                                                                   : Platform::Answer::OK,
                                   QString(), QStringLiteral("Restore Unsaved Plan"));
        frmMain w(m, platform);
        w.Form_Load();
        w.showMain();
        platform.verifyAllAnswered();

        bool begin = false;
        const int course = qEnvironmentVariableIntValue("QM_COURSE", &begin);
        if (begin) {
            // A weekly plan with Monday's activities written: at the assessment list
            planfixture::answerPlanType(platform, true);
            w.cboCourses->setCurrentIndex(course);
            w.txtPeriod->setText(QStringLiteral("3"));
            w.cboMonth->setCurrentIndex(1);
            w.cboDate->setCurrentIndex(6);
            planfixture::answerUnitGoal(platform, QStringLiteral("Fractions"));
            w.cmdBegin->click();
            w.txtObjective->setPlainText(QStringLiteral("Add fractions"));
            addItem(w, 0, QStringLiteral("pizza slices"));
            w.cmdDone1->click();
            QCOMPARE(m.intStep, 2);
            QVERIFY(QFile::exists(w.recovery->copyPath()));
        }
        std::printf("READY %s|%d|%s\n", qPrintable(w.cboCourses->currentText()), m.intStep,
                    qPrintable(w.cboDay->currentText()));
        std::fflush(stdout);

        std::string command;
        std::getline(std::cin, command);
        QCOMPARE(QString::fromStdString(command), QStringLiteral("exit"));
        if (m.strPlanSaved == QLatin1String("N") && !w.RTxtComposite->Text().isEmpty())
            platform.answerMessage(Platform::Answer::Yes, QString(),
                                   QStringLiteral("Exit Quillmark"));
        QVERIFY(w.close());
        platform.verifyAllAnswered();
    }
};

int main(int argc, char *argv[])
{
    // One half at a time: running both in one process would kill the process before the
    // second half.
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s writeThenKill|restoreAfterKill|window\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    RecoveryKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_kill.moc"
