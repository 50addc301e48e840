#pragma once

// What the tests of the plan documents share: a main window on a scripted platform with its
// storage folder in a temporary folder, and a plan begun the way a teacher begins one, moving
// the focus from field to field so that the course and period are taken as the teacher leaves
// them.
#include "app/frmmain.h"
#include "document/completion.h"
#include "document/filenames.h"
#include "document/planfiles.h"
#include "plan/schoolcalendar.h"
#include "platform/richtextbox.h"
#include "support/docdump.h"
#include "support/planfixture.h"
#include "support/scriptedplatform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct DocumentKit {
    std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
    std::unique_ptr<LessonPlanModule> m = std::make_unique<LessonPlanModule>();
    std::unique_ptr<ScriptedPlatform> platform = std::make_unique<ScriptedPlatform>();
    std::unique_ptr<frmMain> w;

    // The storage folder does not exist until a plan is saved.
    QString folder() const { return dir->filePath(QStringLiteral("Plans")); }

    void open()
    {
        w = std::make_unique<frmMain>(*m, *platform);
        w->Form_Load();
        m->strStorageFolder = folder();
        m->strTeacherName = QStringLiteral("A. Teacher");
        m->blnShowUnitGoal = false;
        m->blnShowDailyObj = false;
        w->showMain();
        QApplication::setActiveWindow(w.get());
    }

    // Leaves one field for the next, as the teacher's click or Tab does.
    static void moveFocus(QWidget *to)
    {
        QApplication::setActiveWindow(to->window());
        to->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(to->hasFocus());
    }

    // Course 0, the given period (when the settings show one), the week of Monday,
    // September 7, 2009, chosen field after field.
    void chooseWeek(const QString &period = QStringLiteral("3"))
    {
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        moveFocus(w->cboCourses);
        planfixture::answerPlanType(*platform, true);
        w->cboCourses->setCurrentIndex(0);
        if (m->blnShowPeriod) {
            moveFocus(w->txtPeriod);
            w->txtPeriod->setText(period);
        }
        moveFocus(w->cboMonth);
        w->cboMonth->setCurrentIndex(1);
        w->cboDate->setCurrentIndex(6);
        QTRY_COMPARE(w->calendar->varCourse, w->cboCourses->currentText());
        if (m->blnShowPeriod)
            QTRY_COMPARE(w->calendar->strPeriod, period);
    }

    void beginWeek(const QString &period = QStringLiteral("3"))
    {
        chooseWeek(period);
        w->cmdBegin->click();
    }

    void chooseUnit(const QString &topic)
    {
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        moveFocus(w->cboCourses);
        planfixture::answerPlanType(*platform, false);
        w->cboCourses->setCurrentIndex(0);
        if (m->blnShowPeriod) {
            moveFocus(w->txtPeriod);
            w->txtPeriod->setText(QStringLiteral("3"));
        }
        moveFocus(w->txtUnit);
        w->txtUnit->setText(topic);
        QTRY_COMPARE(w->calendar->varCourse, w->cboCourses->currentText());
    }

    void beginUnit(const QString &topic)
    {
        chooseUnit(topic);
        w->cmdBegin->click();
    }

    // A plan document with a bold passage, written where a test wants an earlier plan.
    static QString writePlan(const QString &path, const QString &boldText)
    {
        RichTextBox box;
        box.setSelBold(true);
        box.setSelText(boldText);
        box.setSelBold(false);
        box.setSelText(QStringLiteral(" and plain"));
        QString error;
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !box.SaveFile(path, &error))
            return error.isEmpty() ? QStringLiteral("no folder") : error;
        return QString();
    }

    static QString dumpFile(const QString &path)
    {
        RichTextBox box;
        if (!box.LoadFile(path))
            return QStringLiteral("<unreadable>");
        return dumpDocument(box);
    }

    // A file larger than a plan can be, without writing its bytes.
    static bool writeHugeFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(RichTextBox::maxFileSize + 1024);
    }
};
