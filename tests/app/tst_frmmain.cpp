// The main window: start-up, a settings file that cannot be read, the labels cut to fit the
// headings, the date lists after a change of school year, and the exit question.
#include "app/frmdedication.h"
#include "platform/richtextbox.h"
#include "platform/safefile.h"
#include "settings/settingsstore.h"
#include "support/datarows.h"
#include "support/fulldisk.h"
#include "support/planfixture.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

using Answer = Platform::Answer;
Q_DECLARE_METATYPE(Platform::Answer)

class TestFrmMain : public planfixture::WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        load();
        w->SetBlnAskUnit(false); // the plan-type question is tst_plan's
    }

    void cleanup() { finish(); }

    // The main window never appeared after the splash, or appeared before the settings were
    // loaded (a caption of the defaults, not the teacher's).
    void splashThenMainWindow()
    {
        frmDedication splash(*w);
        splash.show();
        splash.Form_Load();
        QVERIFY(!w->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(w->isVisible(), 8000);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.TimerSplash->isActive());
        QVERIFY(w->windowTitle().contains(m->strTeacherName));
    }

    // A settings file that could not be read in full is kept aside before the next Done can
    // overwrite it, never over a copy kept earlier, and the teacher is told where it is.
    void damagedStoreIsKeptAndReported_data()
    {
        dataColumns<QByteArray, QString, QString, QString>({"content", "title", "kept", "teacher"});
        const QByteArray garbage =
            QByteArrayLiteral("\x01\x02\xff\xfe not settings at all \x00\x7f");
        const QByteArray partly =
            "[Quillmark]\nFormatVersion=1\n[Settings]\nstrTeacherName=Ms. K\n";
        dataRow("unreadable", garbage, "Settings Not Loaded", ".unreadable", "Your Name Here...");
        dataRow("unreadable, a copy kept before", garbage, "Settings Not Loaded", ".unreadable-2",
                "Your Name Here...");
        dataRow("partly damaged", partly, "Settings Reset", ".damaged", "Ms. K");
        // Nothing can be kept: nothing is lost, and nothing is said to be kept.
        dataRow("unreadable, no room to keep it", garbage, "Settings Not Loaded", "",
                "Your Name Here...");
        dataRow("a folder where the file belongs", QByteArray(), "Settings Not Loaded", "",
                "Your Name Here...");
    }

    void damagedStoreIsKeptAndReported()
    {
        const auto [content, title, kept, teacher] =
            fetchRow<QByteArray, QString, QString, QString>(
                {"content", "title", "kept", "teacher"});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quillmark.ini"));
        const QByteArray earlier = "kept from an earlier start";
        const bool second = kept.endsWith(QLatin1String("-2"));
        if (second)
            QVERIFY(safefile::write(path + QStringLiteral(".unreadable"), earlier));
        QVERIFY(content.isEmpty() ? QDir().mkpath(path) : safefile::write(path, content));
        SettingsStore store(path);
        platform->answerMessage(Answer::OK, QString(), title);
        auto full = kept.isEmpty() ? std::make_unique<FullDisk>(8) : nullptr;
        makeWindow(&store);
        full.reset();
        QVERIFY2(platform->lastPrompt().text.contains(path + kept),
                 qPrintable(platform->lastPrompt().text));
        const auto bytes = [](const QString &file) {
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QCOMPARE(bytes(path + kept), content);
        if (kept.isEmpty())
            QVERIFY(!QFile::exists(path + QStringLiteral(".unreadable")) &&
                    !platform->lastPrompt().text.contains(QStringLiteral(".unreadable")));
        if (second)
            QCOMPARE(bytes(path + QStringLiteral(".unreadable")), earlier);
        QCOMPARE(m->strTeacherName, teacher);
    }

    // An empty course slot offered as a course, or a course after it lost.
    void courseListSkipsEmptySlots()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("quillmark.ini")));
        SettingsRecord saved;
        saved.strCourses = SettingsRecord::padded({}, 10);
        saved.strCourses[0] = QStringLiteral("Algebra 1");
        saved.strCourses[5] = QStringLiteral("Geometry");
        QVERIFY(store.save(saved));
        makeWindow(&store);
        QCOMPARE(planfixture::itemTexts(w->cboCourses), QStringList({"Algebra 1", "Geometry"}));
    }

    void freshInstallYear_data()
    {
        dataColumns<QByteArray, QString, QString>({"stored", "year", "reset"});
        dataRow("nothing stored", QByteArray(), "2026-2027", "");
        dataRow("a stored year is kept", QByteArray("2012-2013"), "2012-2013", "");
        dataRow("a stored year that cannot be read", QByteArray("20x2-2013"), "2026-2027",
                "Settings Reset");
    }

    // A new teacher's first plan was for 2009-2010, or a stored year was replaced by this one.
    void freshInstallYear()
    {
        const auto [stored, year, reset] =
            fetchRow<QByteArray, QString, QString>({"stored", "year", "reset"});
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("quillmark.ini")));
        if (!stored.isEmpty()) {
            SettingsRecord saved;
            saved.strSchoolYear = QString::fromLatin1(stored);
            QVERIFY(store.save(saved));
        }
        if (!reset.isEmpty())
            platform->answerMessage(Answer::OK, QString(), reset);
        platform->todayDate = QDate(2027, 1, 6);
        makeWindow(&store);
        QCOMPARE(m->strSchoolYear, year);
    }

    void headingsAreCutToFit_data()
    {
        dataColumns<QString, QString, QString>({"label", "heading", "caption"});
        dataRow("period, fits", "lblPdGrp", "Period", "Period/&Group (Period):");
        dataRow("period, too wide", "lblPdGrp", "Instructional Group Designation",
                "Period/&Group (Instruc...):");
        dataRow("closure, 17 characters", "lblClosure", "ABCDEFGHIJKLMNOPQ",
                "&Assignment (ABCDEFGHIJKLMNOPQ):");
        dataRow("closure, 18 characters", "lblClosure", "ABCDEFGHIJKLMNOPQR",
                "&Assignment (ABCDEFGHIJKLMNOP...):");
    }

    // A heading one character past the room ran over the field beside its label, or one that
    // fits was cut.
    void headingsAreCutToFit()
    {
        const auto [label, heading, caption] =
            fetchRow<QString, QString, QString>({"label", "heading", "caption"});
        (label == QLatin1String("lblPdGrp") ? m->strPeriodHeading : m->strClosureHeading) = heading;
        w->Form_Activate();
        QCOMPARE(w->findChild<QLabel *>(label)->text(), caption);
    }

    void dateListsFollowTheSchoolYear_data()
    {
        dataColumns<QString, int, QString, int, QString>(
            {"year", "firstDay", "date", "dates", "label"});
        dataRow("another teacher only", "2009-2010", 1, "1", 28, "2010");
        dataRow("short form of the same year", "2009-10", 1, "1", 28, "2010");
        dataRow("a year where 1 February is a Monday", "2015-2016", 1, "1", 29, "2016");
        dataRow("a year where it is a Tuesday", "2010-2011", 1, "", 28, "2011");
        dataRow("weeks from Sunday", "2009-2010", 0, "", 28, "2010");
    }

    // After a change of the school year or week the date lists offered a week that is not
    // there: the date stays while it still begins a week of the year, or it must be picked
    // again and Begin Plan waits, whatever asks for it.
    void dateListsFollowTheSchoolYear()
    {
        const auto [year, firstDay, date, dates, label] =
            fetchRow<QString, int, QString, int, QString>(
                {"year", "firstDay", "date", "dates", "label"});
        w->Form_Activate();
        w->cboCourses->setCurrentIndex(0);
        w->txtPeriod->setText(QStringLiteral("3"));
        w->cboMonth->setCurrentIndex(6); // February
        w->cboDate->setCurrentIndex(0);  // Monday, 1 February 2010
        QVERIFY(w->cmdBegin->isEnabled());
        m->strTeacherName = QStringLiteral("Someone Else");
        m->strSchoolYear = year;
        m->intFirstDay = firstDay;
        w->Form_Activate();
        QCOMPARE(w->cboDate->count(), dates);
        QCOMPARE(w->cboDate->currentText(), date);
        QCOMPARE(w->lblYear->text(), label);
        const bool kept = !date.isEmpty();
        QCOMPARE(w->cboDay->currentText(), kept ? QStringLiteral("Monday, February 1") : QString());
        QCOMPARE(m->blnReadyToBegin, kept);
        w->EnableControls(true);
        QCOMPARE(w->cmdBegin->isEnabled(), kept);
    }

    void exitAsksBeforeGivingUpAnUnsavedPlan_data()
    {
        // An empty title: nothing is asked.
        dataColumns<QString, QString, QString, bool, bool, Answer>(
            {"saved", "printed", "document", "byButton", "asked", "answer"});
        dataRow("saved", "Y", "N", "A plan", true, false, Answer::OK);
        dataRow("empty document", "N", "N", "", true, false, Answer::OK);
        dataRow("unsaved, Exit, No", "N", "N", "A plan", true, true, Answer::No);
        dataRow("unsaved, window closed, Yes", "N", "N", "A plan", false, true, Answer::Yes);
        dataRow("printed, not saved, No", "N", "Y", "A plan", true, true, Answer::No);
    }

    // An unsaved plan lost to Exit or the close box without a question, or No that exits anyway.
    void exitAsksBeforeGivingUpAnUnsavedPlan()
    {
        const auto [saved, printed, document, byButton, asked, answer] =
            fetchRow<QString, QString, QString, bool, bool, Answer>(
                {"saved", "printed", "document", "byButton", "asked", "answer"});
        w->showMain();
        QWidget other;
        other.show();
        QSignalSpy unloaded(w.get(), &frmMain::unloaded);
        w->RTxtComposite->setText(document);
        m->strPlanSaved = saved;
        m->strPlanPrinted = printed;
        if (asked)
            platform->answerMessage(answer, QString(), QStringLiteral("Exit Quillmark"));
        byButton ? w->cmdExit->click() : void(w->close());
        QCOMPARE(platform->prompts().size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(platform->lastPrompt().text.contains(QStringLiteral(" printed but ")),
                     printed == QLatin1String("Y"));
        const bool exits = answer != Answer::No;
        QCOMPARE(unloaded.count(), exits ? 1 : 0);
        QCOMPARE(w->isHidden(), exits);
        QCOMPARE(other.isHidden(), exits);
        QCOMPARE(w->RTxtComposite->Text(), document);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
