// The course list dialog: the heading word, the ten course boxes, the file-name check when a box
// is left, the main window's course list after Done, Cancel, and storing.
#include "app/frmmain.h"
#include "platform/ui.h"
#include "screens/frmsetupcourselist.h"
#include "settings/settingsstore.h"
#include "support/scriptedplatform.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Answer = Platform::Answer;
Q_DECLARE_METATYPE(Platform::Answer)

class TestFrmSetupCourseList : public QObject
{
    Q_OBJECT

    std::unique_ptr<LessonPlanModule> m;
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<frmMain> main;
    std::unique_ptr<ScreenContext> ctx;
    std::unique_ptr<frmSetupCourseList> dlg;

    void makeDialog(SettingsStore *store = nullptr)
    {
        ctx = std::make_unique<ScreenContext>(ScreenContext{*m, *platform, store, main.get()});
        dlg = std::make_unique<frmSetupCourseList>(*ctx);
    }

    void open(const std::function<void(frmSetupCourseList &)> &action)
    {
        platform->actInDialog(QStringLiteral("frmSetupCourseList"),
                              [this, action](QDialog *) { action(*dlg); });
        platform->showModal(dlg.get());
    }

    QStringList mainCourses() const
    {
        QStringList texts;
        for (int i = 0; i < main->cboCourses->count(); ++i)
            texts << main->cboCourses->itemText(i);
        return texts;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m = std::make_unique<LessonPlanModule>();
        platform = std::make_unique<ScriptedPlatform>();
        main = std::make_unique<frmMain>(*m, *platform);
        main->Form_Load();
        makeDialog();
    }

    void cleanup()
    {
        platform->verifyAllAnswered();
        dlg.reset();
        main.reset();
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
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("two colons") << "Subject"
                                    << "Subject::"
                                    << "Subject";
        QTest::newRow("nothing typed") << "Subject"
                                       << ""
                                       << "Subject";
        QTest::newRow("old heading loses its colons") << "Topic:"
                                                      << ""
                                                      << "Topic";
        QTest::newRow("only colons") << "Subject"
                                     << "::"
                                     << "Subject";
        QTest::newRow("quotes") << "Subject"
                                << "\"Class\""
                                << "''Class''";
    }

    void headingOnDone()
    {
        QFETCH(QString, saved);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
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

    void coursesOnDoneRefillTheMainList()
    {
        open([&](frmSetupCourseList &d) {
            d.txtCourse.at(0)->setText(QStringLiteral("Algebra 1"));
            d.txtCourse.at(1)->setText(QString());
            d.txtCourse.at(2)->setText(QStringLiteral("Art \"Studio\""));
            d.txtCourse.at(4)->setText(QStringLiteral("Biology"));
            d.cmdDone->click();
        });
        QCOMPARE(m->strCourses, QStringList({"Algebra 1", "", "Art ''Studio''", "", "Biology", "",
                                             "", "", "", ""}));
        QCOMPARE(mainCourses(), QStringList({"Algebra 1", "Art ''Studio''", "Biology"}));
    }

    void pickedCourseStaysPicked_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("picked");
        QTest::newRow("still listed") << "Course/Subject #2" << 1;
        QTest::newRow("renamed") << "Chemistry" << -1;
    }

    void pickedCourseStaysPicked()
    {
        QFETCH(QString, second);
        QFETCH(int, picked);
        {
            const QSignalBlocker quiet(main->cboCourses); // no plan-type question here
            main->cboCourses->setCurrentIndex(1);
        }
        open([&](frmSetupCourseList &d) {
            d.txtCourse.at(1)->setText(second);
            d.cmdDone->click();
        });
        QCOMPARE(main->cboCourses->currentIndex(), picked);
    }

    void courseMadeSafeWhenLeft_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("safe");
        QTest::addColumn<bool>("warned");
        QTest::newRow("slash") << "Math 7/8"
                               << "Math 7_8" << true;
        QTest::newRow("colon and pipe") << "A:B|C"
                                        << "A_B_C" << true;
        QTest::newRow("quote only") << "\"Art\""
                                    << "''Art''" << false;
        QTest::newRow("plain") << "Music"
                               << "Music" << false;
    }

    void courseMadeSafeWhenLeft()
    {
        QFETCH(QString, typed);
        QFETCH(QString, safe);
        QFETCH(bool, warned);
        open([&](frmSetupCourseList &d) {
            if (warned)
                platform->answerMessage(Answer::OK, QString(), "Illegal Characters");
            d.txtCourse.at(3)->setText(typed);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(d.txtCourse.at(3), &out);
            QCOMPARE(d.txtCourse.at(3)->text(), safe);
            // Leaving it again finds nothing more to replace.
            QApplication::sendEvent(d.txtCourse.at(3), &out);
            d.cmdDone->click();
        });
        QCOMPARE(m->strCourses.at(3), safe);
    }

    void cancelAsks_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("yes") << Answer::Yes << true;
        QTest::newRow("no") << Answer::No << false;
    }

    void cancelAsks()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, closed);
        open([&](frmSetupCourseList &d) {
            platform->answerMessage(answer, "Quit without saving changes?", "Abandon Changes?");
            d.txtCourse.at(0)->setText(QStringLiteral("Physics"));
            d.cmdCancel->click();
            QCOMPARE(d.isHidden(), closed);
        });
        QCOMPARE(m->strCourses.at(0), QStringLiteral("Course/Subject #1"));
        QCOMPARE(mainCourses().first(), QStringLiteral("Course/Subject #1"));
    }

    void doneStoresTheSettings()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("quillmark.ini")));
        makeDialog(&store);
        open([&](frmSetupCourseList &d) {
            d.cmdChange->click();
            d.txtNewHeading->setText(QStringLiteral("Class:"));
            d.txtCourse.at(9)->setText(QStringLiteral("Drama"));
            d.cmdDone->click();
        });
        SettingsRecord read;
        QVERIFY(store.load(read).ok);
        QCOMPARE(read.strCourseHeading, QStringLiteral("Class"));
        QCOMPARE(read.strCourses.at(9), QStringLiteral("Drama"));
        QCOMPARE(read, m->record());
    }

    void failingStoreKeepsTheDialogOpen()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsStore store(dir.filePath(QStringLiteral("blocker/quillmark.ini")));
        makeDialog(&store);
        open([&](frmSetupCourseList &d) {
            platform->answerMessage(Answer::OK);
            d.txtCourse.at(0)->setText(QStringLiteral("Physics"));
            d.cmdDone->click();
            QVERIFY(d.isVisible());
        });
        QVERIFY(platform->lastPrompt().text.startsWith(QStringLiteral("Error ''")));
        QVERIFY(platform->lastPrompt().text.endsWith(
            QStringLiteral("'' occurred while storing data. The settings have not been saved.")));
        QCOMPARE(m->strCourses.at(0), QStringLiteral("Course/Subject #1"));
        QCOMPARE(mainCourses().first(), QStringLiteral("Course/Subject #1"));
    }
};

QTEST_MAIN(TestFrmSetupCourseList)
#include "tst_frmsetupcourselist.moc"
