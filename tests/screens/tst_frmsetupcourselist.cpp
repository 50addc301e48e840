// The course list dialog: the heading word, the ten course boxes, Done and Cancel.
#include "dialogharness.h"
#include "screens/frmsetupcourselist.h"

#include <QSignalBlocker>

class TestFrmSetupCourseList : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogHarness> h;
    LessonPlanModule *m = nullptr;
    ScriptedPlatform *platform = nullptr;
    frmMain *main = nullptr;
    std::unique_ptr<frmSetupCourseList> dlg;

    void makeDialog() { dlg = std::make_unique<frmSetupCourseList>(h->ctx); }

    void open(const std::function<void(frmSetupCourseList &)> &action)
    {
        h->open<frmSetupCourseList>(*dlg, action);
    }

    QStringList mainCourses() const { return DialogHarness::items(main->cboCourses); }

private Q_SLOTS:
    void init()
    {
        h = std::make_unique<DialogHarness>();
        m = &h->m;
        platform = &h->platform;
        main = &h->withMain();
        makeDialog();
    }

    void cleanup()
    {
        platform->verifyAllAnswered();
        dlg.reset();
        h.reset();
    }

    void showsTheSettings()
    {
        m->strCourseHeading = QStringLiteral("Topic");
        open([&](frmSetupCourseList &d) {
            QCOMPARE(d.lblHeading->text(), QStringLiteral("Topic:"));
            QVERIFY(d.lblHeading->font().bold());
            QVERIFY(!d.txtNewHeading->isEnabled());
            QCOMPARE(ui::backColor(d.txtNewHeading), ui::buttonFace());
            QCOMPARE(d.txtCourse.at(1)->text(), QStringLiteral("Course/Subject #2"));
            QCOMPARE(d.txtCourse.at(9)->text(), QString());
            QCOMPARE(d.lblCourse.at(0)->text(), QStringLiteral("&1:"));
            QCOMPARE(d.lblCourse.at(9)->text(), QStringLiteral("1&0:"));
            d.cmdChange->click();
            QVERIFY(d.txtNewHeading->isEnabled());
            QCOMPARE(ui::backColor(d.txtNewHeading), ui::white());
        });
    }

    void headingOnDone_data()
    {
        dataColumns<QString, QString, QString>({"saved", "typed", "stored"});
        dataRow("two colons", "Subject", "Subject::", "Subject");
        dataRow("nothing typed", "Subject", "", "Subject");
        dataRow("only colons", "Subject", "::", "Subject");
        dataRow("old heading loses its colons", "Topic:", "", "Topic");
        dataRow("quotes", "Subject", "\"Class\"", "''Class''");
    }

    void headingOnDone()
    {
        const auto [saved, typed, stored] =
            fetchRow<QString, QString, QString>({"saved", "typed", "stored"});
        m->strCourseHeading = saved;
        // Courses whose names need no change, wherever the focus comes to rest.
        m->strCourses = SettingsRecord::padded({"Algebra", "Biology"}, 10);
        open([&](frmSetupCourseList &d) {
            d.cmdChange->click();
            d.txtNewHeading->setText(typed);
            d.cmdDone->click();
            QVERIFY(d.isHidden());
        });
        QCOMPARE(m->strCourseHeading, stored);
        // A typed heading is forgotten once the dialog closes.
        open([&](frmSetupCourseList &d) {
            QCOMPARE(d.txtNewHeading->text(), QString());
            d.cmdDone->click();
        });
        QCOMPARE(m->strCourseHeading, stored);
    }

    void coursesOnDoneRefillTheMainList_data()
    {
        dataColumns<QString, QStringList, int>({"second", "listed", "picked"});
        dataRow("picked course still listed", "Course/Subject #2",
                QStringList{"Algebra 1", "Course/Subject #2", "Art ''Studio''", "Biology"}, 1);
        dataRow("picked course emptied", "", QStringList{"Algebra 1", "Art ''Studio''", "Biology"},
                -1);
    }

    void coursesOnDoneRefillTheMainList()
    {
        const auto [second, listed, picked] =
            fetchRow<QString, QStringList, int>({"second", "listed", "picked"});
        {
            const QSignalBlocker quiet(main->cboCourses); // no plan-type question here
            main->cboCourses->setCurrentIndex(1);
        }
        open([&](frmSetupCourseList &d) {
            d.txtCourse.at(0)->setText(QStringLiteral("Algebra 1"));
            d.txtCourse.at(1)->setText(second);
            d.txtCourse.at(2)->setText(QStringLiteral("Art \"Studio\""));
            d.txtCourse.at(4)->setText(QStringLiteral("Biology"));
            d.cmdDone->click();
        });
        QCOMPARE(m->strCourses, QStringList({"Algebra 1", second, "Art ''Studio''", "", "Biology",
                                             "", "", "", "", ""}));
        QCOMPARE(mainCourses(), listed);
        QCOMPARE(main->cboCourses->currentIndex(), picked);
    }

    void courseMadeSafeWhenLeft_data()
    {
        dataColumns<QString, QString, bool>({"typed", "safe", "warned"});
        dataRow("slash", "Math 7/8", "Math 7_8", true);
        dataRow("quote only", "\"Art\"", "''Art''", false);
    }

    void courseMadeSafeWhenLeft()
    {
        const auto [typed, safe, warned] =
            fetchRow<QString, QString, bool>({"typed", "safe", "warned"});
        open([&](frmSetupCourseList &d) {
            if (warned)
                platform->answerMessage(Answer::OK, QString(), "Illegal Characters");
            d.txtCourse.at(3)->setText(typed);
            DialogHarness::leave(d.txtCourse.at(3));
            QCOMPARE(d.txtCourse.at(3)->text(), safe);
            // Leaving it again finds nothing more to replace.
            DialogHarness::leave(d.txtCourse.at(3));
            d.cmdDone->click();
        });
        QCOMPARE(m->strCourses.at(3), safe);
    }

    void doneOrCancel_data() { DialogHarness::closeRows(); }

    void doneOrCancel()
    {
        QFETCH(Close, how);
        h->useStore(how == Close::DoneStoreFails);
        makeDialog();
        open([&](frmSetupCourseList &d) {
            d.cmdChange->click();
            d.txtNewHeading->setText(QStringLiteral("Class:"));
            d.txtCourse.at(9)->setText(QStringLiteral("Drama"));
            h->close(d, d.cmdDone, d.cmdCancel, how);
        });
        // What was not stored is not in effect either.
        const bool kept = how == Close::Done;
        QCOMPARE(m->strCourses.at(9), kept ? QStringLiteral("Drama") : QString());
        QCOMPARE(mainCourses().size(), kept ? 4 : 3);
        if (kept) {
            QCOMPARE(m->strCourseHeading, QStringLiteral("Class"));
            QCOMPARE(h->stored(), m->record());
        }
    }
};

QTEST_MAIN(TestFrmSetupCourseList)
#include "tst_frmsetupcourselist.moc"
