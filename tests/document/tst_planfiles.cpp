// Saving a plan: the name built from the entries, the question about a document of the same
// name, the save dialog, overwriting, failures, and the list of plans saved in this run.
#include "documentkit.h"
#include "support/datarows.h"
#include "support/fulldisk.h"

#include <QFileInfo>
#include <QLabel>

#include <optional>

using Answer = Platform::Answer;

class TestPlanFiles : public DocumentTest
{
    Q_OBJECT

    static QString weekName()
    {
        return QStringLiteral(
            "LPlans-- A. Teacher  Course_Subject #1  Period 3  Week of Sep 7 2009.doc");
    }
    QString weekPath() const { return pathInFolder(folder(), weekName()); }

    // The save dialog answered with a name in the storage folder (or a whole path).
    void answerSave(const QString &nameOrPath)
    {
        platform->answerSaveFile(
            QFileInfo(nameOrPath).isAbsolute() ? nameOrPath : pathInFolder(folder(), nameOrPath));
    }

private Q_SLOTS:
    void init() { open(); }
    void cleanup() { finish(); }

    void defaultStorageFolderIsInTheDocumentsFolder()
    {
        const SettingsRecord defaults;
#ifdef Q_OS_WIN
        QCOMPARE(defaults.strStorageFolder, QStringLiteral("C:\\Plans"));
#else
        QCOMPARE(defaults.strStorageFolder,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                     QStringLiteral("/Plans"));
#endif
    }

    void unitPlanNameFromTheScreen()
    {
        m->blnUseSchoolAbbrev = true;
        m->strSchoolAbbrev = QStringLiteral("LHS");
        m->blnShowPeriod = false;
        beginPlan(QStringLiteral("Fractions"));
        QCOMPARE(m->intStep, 1);
        QCOMPARE(w->files->MakeFileName(),
                 QStringLiteral("LPlans-- LHS  A. Teacher  Course_Subject #1  Unit Plan "
                                "'Fractions'.doc"));
    }

    // The name follows the entries on screen, whether or not the focus left each field.
    void nameTakesTheCourseAndPeriodOnScreen()
    {
        planfixture::beginWeeklyPlan(*w, *platform);
        // As when the window manager never reported the fields being left.
        w->calendar->varCourse.clear();
        w->calendar->strPeriod.clear();
        QCOMPARE(w->files->MakeFileName(), weekName());
        // New Plan may empty the course selection after the plan; the course last left stands in.
        w->calendar->varCourse = QStringLiteral("Course/Subject #1");
        w->cboCourses->setCurrentIndex(-1);
        QCOMPARE(w->files->MakeFileName(), weekName());
    }

    void duplicateQuestion_data()
    {
        dataColumns<Answer, int, QString>({"answer", "step", "dump"});
        const QString heading =
            QStringLiteral("[U]A. Teacher     Week of September 7     2009-2010 Lesson "
                           "Plans[/U]\n\n[B]Subject: \"Course/Subject #1\"    Period 3[/B]\n");
        dataRow("Yes opens it", Answer::Yes, 1, "[B]Old plan[/B] and plain");
        dataRow("No replaces it", Answer::No, 1, heading);
        dataRow("Cancel stops", Answer::Cancel, 0, "");
    }

    void duplicateQuestion()
    {
        const auto [answer, step, dump] =
            fetchRow<Answer, int, QString>({"answer", "step", "dump"});
        QCOMPARE(writePlan(weekPath(), QStringLiteral("Old plan")), QString());
        choosePlan();
        platform->answerMessage(
            answer,
            QStringLiteral("A Lesson Plan Document named\r\n\"") + weekName() +
                QStringLiteral("\"\r\nalready exists in the selected storage folder\r\n\"") +
                QDir::toNativeSeparators(folder()) +
                QStringLiteral("\"\r\n\r\nDo you wish to open the existing document for "
                               "editing?\r\n\r\n - Choose 'Yes' to open the file.\r\n - Choose "
                               "'No' to continue creating a new Lesson Plan Document     \r\n    "
                               "to replace the existing one.\r\n - Choose 'Cancel' to stop "
                               "working on this plan."),
            QStringLiteral("Duplicate File Name"));
        w->cmdBegin->click();
        QCOMPARE(platform->lastPrompt().buttons, Platform::Buttons::YesNoCancel);
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Question);
        QCOMPARE(m->intStep, step);
        QCOMPARE(dumpDocument(*w->RTxtComposite), dump);
        QCOMPARE(dumpFile(weekPath()), QStringLiteral("[B]Old plan[/B] and plain"));
    }

    // A plan reopened from its file went back to the first day of the week, added an empty
    // line on opening, and then called the unchanged plan unsaved.
    void reopenedPlanGoesOnAfterItsLastDay()
    {
        m->blnShowAssessment = false;
        m->blnShowMaterials = false;
        m->blnShowStandards = false;
        beginPlan();
        for (const char *work : {"Monday work", "Tuesday work"}) {
            addItem(0, QString::fromLatin1(work));
            w->cmdDone1->click();
        }
        answerSave(weekName());
        QVERIFY(w->files->SaveFile());
        const QString saved = dumpDocument(*w->RTxtComposite);
        QFile file(weekPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();

        // Another run, the same plan begun again, the file opened
        finish();
        open();
        m->blnShowAssessment = false;
        m->blnShowMaterials = false;
        m->blnShowStandards = false;
        QVERIFY(QDir().mkpath(folder()));
        QFile copy(weekPath());
        QVERIFY(copy.open(QIODevice::WriteOnly));
        QCOMPARE(copy.write(bytes), bytes.size());
        copy.close();
        choosePlan();
        platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Duplicate File Name"));
        w->cmdBegin->click();
        QCOMPARE(dumpDocument(*w->RTxtComposite), saved);
        QCOMPARE(m->intStep, 1);
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Wednesday, September 9"));
        QCOMPARE(m->strPlanSaved, QStringLiteral("Y"));
        QVERIFY(!w->lblSavePrint->isHidden());

        // Going on writes Wednesday after Tuesday, and the plan is changed.
        addItem(0, QStringLiteral("Wednesday work"));
        w->cmdDone1->click();
        QVERIFY(dumpDocument(*w->RTxtComposite)
                    .startsWith(saved + QStringLiteral("\n[B]Wednesday, September 9[/B]")));
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QCOMPARE(w->cboDay->currentText(), QStringLiteral("Thursday, September 10"));
    }

    void duplicateThatIsNoPlanIsWarnedAbout_data()
    {
        QTest::addColumn<bool>("huge");
        dataRow("plain text", false);
        dataRow("too large to be a plan", true);
    }

    // A document of the plan's name that is no rich text is opened after a warning; one too
    // large to be a plan is not read at all, and the plan is not begun.
    void duplicateThatIsNoPlanIsWarnedAbout()
    {
        QFETCH(bool, huge);
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(writeNoPlan(weekPath(), huge));
        choosePlan();
        platform->answerMessage(Answer::Yes, QString(), QStringLiteral("Duplicate File Name"));
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("File Reading"));
        if (huge)
            platform->answerMessage(Answer::OK, QString(), QStringLiteral("File Reading"));
        w->cmdBegin->click();
        if (huge) {
            QVERIFY2(platform->lastPrompt().text.contains(QStringLiteral("too large")),
                     qPrintable(platform->lastPrompt().text));
            QCOMPARE(m->intStep, 0);
            QCOMPARE(w->RTxtComposite->Text(), QString());
            QCOMPARE(QFileInfo(weekPath()).size(), RichTextBox::maxFileSize + 1024);
        } else {
            QCOMPARE(m->intStep, 1);
            QCOMPARE(w->RTxtComposite->Text(), QStringLiteral("Monday: fractions"));
        }
    }

    void saveWritesThePlanAndListsIt_data()
    {
        dataColumns<QString, QString>({"answer", "listedAs"});
        dataRow("proposed name", weekName(), weekName());
        dataRow("changed name", "My week.doc", "My week.doc");
        dataRow("other folder", "elsewhere/Other.rtf", "Other.rtf");
    }

    void saveWritesThePlanAndListsIt()
    {
        const auto [answer, listedAs] = fetchRow<QString, QString>({"answer", "listedAs"});
        beginPlan();
        QVERIFY2(!QFileInfo::exists(folder()), "the storage folder is made by the first save");
        QVERIFY(w->cmdStore->isEnabled());
        const QString path = answer.startsWith(QLatin1String("elsewhere"))
                                 ? dir->filePath(answer)
                                 : pathInFolder(folder(), answer);
        if (answer.startsWith(QLatin1String("elsewhere")))
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        platform->answerSaveFile(path);
        w->cmdStore->click();
        QVERIFY2(platform->lastPrompt().text.endsWith(QStringLiteral(" as ") +
                                                      QDir::toNativeSeparators(weekPath())),
                 qPrintable(platform->lastPrompt().text));
        QCOMPARE(m->strFileName, listedAs);
        QCOMPARE(m->strPlanSaved, QStringLiteral("Y"));
        QVERIFY(!w->lblSavePrint->isHidden());
        QCOMPARE(listed(), QStringList({listedAs, PlanFiles::browseEntry()}));
        QCOMPARE(w->strPlanPaths, QStringList({path}));
        QCOMPARE(dumpFile(path), dumpDocument(*w->RTxtComposite));
        QCOMPARE(m->strStorageFolder, folder());
    }

    void cancelledSaveChangesNothing()
    {
        beginPlan();
        platform->answerSaveFile(QString());
        w->cmdStore->click();
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QVERIFY(w->lblSavePrint->isHidden());
        QCOMPARE(listed(), QStringList({PlanFiles::browseEntry()}));
        QVERIFY(m->strFileName.isEmpty());
    }

    void savingAgainAsksBeforeOverwriting_data()
    {
        QTest::addColumn<Answer>("answer");
        dataRow("Yes", Answer::Yes);
        dataRow("No", Answer::No);
    }

    void savingAgainAsksBeforeOverwriting()
    {
        QFETCH(Answer, answer);
        beginPlan();
        answerSave(weekName());
        w->cmdStore->click();
        const QString first = dumpFile(weekPath());

        w->RTxtComposite->MoveToEnd();
        w->RTxtComposite->setSelText(QStringLiteral("Monday"));
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        answerSave(weekName());
        platform->answerMessage(
            answer,
            QStringLiteral("File ''") + weekName() + QStringLiteral("'' already exists in ") +
                folderForDisplay(folder()) + QStringLiteral("\r\n\r\nOverwrite?"),
            QStringLiteral("File Name Conflict"));
        w->cmdStore->click();
        QCOMPARE(platform->lastPrompt().buttons, Platform::Buttons::YesNo);
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Exclamation);
        const bool yes = answer == Answer::Yes;
        QCOMPARE(dumpFile(weekPath()) == first, !yes);
        QVERIFY(dumpFile(weekPath()).endsWith(QLatin1String("Monday")) == yes);
        QCOMPARE(m->strPlanSaved, yes ? QStringLiteral("Y") : QStringLiteral("N"));
        QCOMPARE(!w->lblSavePrint->isHidden(), yes);
        QCOMPARE(listed(), QStringList({weekName(), PlanFiles::browseEntry()}));
        QCOMPARE(w->strPlanPaths.size(), 1);
    }

    void failedSaveKeepsWhatWasThere_data()
    {
        dataColumns<QString, QString>({"blocker", "reason"});
        dataRow("folder under a file", "file", "Not a directory");
        dataRow("folder in the way of the file", "dir", "");
        dataRow("full disk, overwriting the saved plan", "full", FullDisk::reason());
    }

    void failedSaveKeepsWhatWasThere()
    {
        const auto [blocker, reason] = fetchRow<QString, QString>({"blocker", "reason"});
        beginPlan();
        answerSave(weekName());
        w->cmdStore->click();
        const QString saved = dumpFile(weekPath());
        w->RTxtComposite->MoveToEnd();
        w->RTxtComposite->setSelText(QStringLiteral("Tuesday"));

        QString target;
        if (blocker == QLatin1String("file")) {
            // A regular file where the storage folder's parent should be: it cannot be made.
            m->strStorageFolder = blockerFile() + QStringLiteral("/Plans");
            target = pathInFolder(m->strStorageFolder, weekName());
            platform->answerSaveFile(target);
        } else if (blocker == QLatin1String("full")) {
            target = weekPath();
            answerSave(weekName());
            platform->answerMessage(Answer::Yes, QString(), QStringLiteral("File Name Conflict"));
        } else {
            target = pathInFolder(folder(), QStringLiteral("Taken.doc"));
            QVERIFY(QDir().mkpath(target + QStringLiteral("/inside")));
            platform->answerSaveFile(target);
            platform->answerMessage(Answer::Yes, QString(), QStringLiteral("File Name Conflict"));
        }
        platform->answerMessage(Answer::OK, QString(), QStringLiteral("ERROR"));
        {
            std::optional<FullDisk> full;
            if (blocker == QLatin1String("full"))
                full.emplace(0);
            w->cmdStore->click();
        }

        const auto &error = platform->lastPrompt();
        QCOMPARE(error.icon, Platform::Icon::Critical);
        const QString lead = QStringLiteral("The following error occurred when attempting to "
                                            "save\r\n''") +
                             QDir::toNativeSeparators(target) + QStringLiteral("''\r\n\r\n");
        QVERIFY2(error.text.startsWith(lead), qPrintable(error.text));
        QVERIFY2(error.text.size() > lead.size() + 10, "the system's reason follows");
        QVERIFY2(error.text.contains(reason), qPrintable(error.text));
        QCOMPARE(m->strPlanSaved, QStringLiteral("N"));
        QVERIFY(w->lblSavePrint->isHidden());
        QVERIFY(!w->RTxtComposite->isHidden());
        QCOMPARE(listed(), QStringList({weekName(), PlanFiles::browseEntry()}));
        QCOMPARE(dumpFile(weekPath()), saved);
        if (blocker == QLatin1String("dir"))
            QVERIFY(QFileInfo::exists(target + QStringLiteral("/inside")));
    }

    void savingOffersMissingStandardsFirst()
    {
        m->blnStandardsOnce = true;
        beginPlan();
        platform->answerMessage(
            Answer::No,
            QStringLiteral("Your settings specify that the Standards (Educational Standards) "
                           "should be printed at the end of the Lesson Plan Document. This step "
                           "has not yet been completed.\r\n\r\nAdd the current selections to the "
                           "Plan before saving?"),
            QStringLiteral("Missing Standards (Educational Standards)"));
        platform->answerSaveFile(QString());
        w->cmdStore->click();
    }
};

QTEST_MAIN(TestPlanFiles)
#include "tst_planfiles.moc"
