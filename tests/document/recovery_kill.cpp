// Windows of the program in processes of their own, for the crash and two-window tests:
//
//   recovery_kill window   one window: answers the restore questions listed in QM_OFFERS (Yes,
//                          No, OK); with QM_COURSE it begins a weekly plan of that course and
//                          goes as far as Monday's assessment list, then types a bold,
//                          underlined line by hand; prints "READY" and the plan on its screen
//                          and waits on its input for "exit" (an orderly end). With QM_KILL it
//                          dies by SIGKILL instead, once the typed line is in the recovery copy.
//   recovery_kill restore  the run after that kill: the copy is offered, the document comes back
//                          with its formatting (tests/data/document/recovery/killed-plan.dump)
//                          and the plan goes on where it stood
//
// Both run as the program does (application "Quillmark", no test mode), so the copy lies exactly
// where the program keeps it; they refuse to run unless the home folder is a private one in the
// temporary folder, which kill_recovery.sh and tst_recovery provide.
#include "app/frmmain.h"
#include "document/recovery.h"
#include "platform/richtextbox.h"
#include "support/docdump.h"
#include "support/golden.h"
#include "support/planfixture.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

using namespace Qt::StringLiterals;

class RecoveryKill : public QObject
{
    Q_OBJECT

    static void addItem(frmMain &w, const QString &text)
    {
        w.optTask[0]->click();
        w.txtDescription->moveCursor(QTextCursor::End);
        w.txtDescription->insertPlainText(text);
        w.cmdOK->click();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(u"Quillmark"_s);
        // Where the home and the copy are must be private, never the teacher's own.
        const QString temp = QDir::tempPath() + QLatin1Char('/');
        if (!QDir::homePath().startsWith(temp) || !PlanRecovery::folder().startsWith(temp))
            QFAIL("Run through kill_recovery.sh or tst_recovery: the home and data folders must "
                  "be private ones in the temporary folder.");
    }

    void window()
    {
        LessonPlanModule m;
        ScriptedPlatform platform;
        for (const QString &answer :
             qEnvironmentVariable("QM_OFFERS").split(u',', Qt::SkipEmptyParts))
            platform.answerMessage(answer == "Yes"_L1  ? Platform::Answer::Yes
                                   : answer == "No"_L1 ? Platform::Answer::No
                                                       : Platform::Answer::OK,
                                   QString(), u"Restore Unsaved Plan"_s);
        frmMain w(m, platform);
        w.Form_Load();
        w.showMain();
        platform.verifyAllAnswered();

        bool begin = false;
        const int course = qEnvironmentVariableIntValue("QM_COURSE", &begin);
        if (begin) {
            planfixture::answerPlanType(platform, true);
            w.cboCourses->setCurrentIndex(course);
            w.txtPeriod->setText(u"3"_s);
            w.cboMonth->setCurrentIndex(1);
            w.cboDate->setCurrentIndex(6);
            planfixture::answerUnitGoal(platform, u"Fractions"_s);
            w.cmdBegin->click();
            w.txtObjective->setPlainText(u"Add fractions"_s);
            addItem(w, u"pizza slices"_s);
            w.cmdDone1->click();
            QCOMPARE(m.intStep, 2);
            // A line typed by hand reaches the copy without a step.
            w.recovery->setSaveDelay(50);
            RichTextBox *doc = w.RTxtComposite;
            doc->MoveToEnd();
            doc->setSelBold(true);
            doc->setSelUnderline(true);
            doc->setSelText(u"\r\nBring rulers"_s);
            QVERIFY(w.recovery->hasPendingChanges());
            QTRY_VERIFY(!w.recovery->hasPendingChanges());
            QVERIFY(QFile::exists(w.recovery->copyPath()));
            platform.verifyAllAnswered();
        }
        if (qEnvironmentVariableIsSet("QM_KILL")) {
            // No destructor, no exit handler: the process is gone.
            std::fflush(nullptr);
            std::raise(SIGKILL);
        }
        std::printf("READY %s|%d|%s\n", qPrintable(w.cboCourses->currentText()), m.intStep,
                    qPrintable(w.cboDay->currentText()));
        std::fflush(stdout);

        std::string command;
        std::getline(std::cin, command);
        QCOMPARE(QString::fromStdString(command), u"exit"_s);
        if (m.strPlanSaved == "N"_L1 && !w.RTxtComposite->Text().isEmpty())
            platform.answerMessage(Platform::Answer::Yes, QString(), u"Exit Quillmark"_s);
        QVERIFY(w.close());
        platform.verifyAllAnswered();
    }

    void restore()
    {
        LessonPlanModule m;
        ScriptedPlatform platform;
        frmMain w(m, platform);
        w.Form_Load();
        platform.answerMessage(Platform::Answer::Yes, QString(), u"Restore Unsaved Plan"_s);
        w.showMain();
        platform.verifyAllAnswered();
        QVERIFY(platform.lastPrompt().text.contains(u"''Course/Subject #2''"_s));

        const QString dump = dumpDocument(*w.RTxtComposite);
        QCOMPARE(dump, goldenDump(u"recovery/killed-plan.dump"_s, dump));
        QCOMPARE(m.strPlanSaved, u"N"_s);
        QCOMPARE(w.cboCourses->currentText() + u'|' + w.txtPeriod->text(),
                 u"Course/Subject #2|3"_s);
        QVERIFY(w.cmdStore->isEnabled() && !w.cboCourses->isEnabled());

        // The plan goes on at Monday's assessment list: the day's heading is not written again.
        QCOMPARE(m.intStep, 2);
        addItem(w, u"exit ticket"_s);
        w.cmdDone1->click();
        QCOMPARE(m.intStep, 3);
        const QString after = dumpDocument(*w.RTxtComposite);
        QCOMPARE(after.count(u"Monday, September 7"_s), 1);
        QVERIFY(after.contains(u"exit ticket"_s));

        // Saved, the plan is safe in its file and the copy goes.
        QVERIFY(QFile::exists(w.recovery->copyPath()));
        m.strPlanSaved = u"Y"_s;
        w.PrepareStep();
        QVERIFY(!QFile::exists(w.recovery->copyPath()));
    }
};

int main(int argc, char *argv[])
{
    // One function a run: the window mode may die by SIGKILL before any other could run.
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s window|restore\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    RecoveryKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_kill.moc"
