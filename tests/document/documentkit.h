#pragma once

// What the tests of the plan documents share: a main window on a scripted platform with its
// storage folder in a temporary folder, and a plan begun the way a teacher begins one, moving
// the focus from field to field so that the course and period are taken as the teacher leaves
// them.
#include "document/completion.h"
#include "document/filenames.h"
#include "document/library.h"
#include "document/planfiles.h"
#include "plan/schoolcalendar.h"
#include "platform/richtextbox.h"
#include "support/docdump.h"
#include "support/planfixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

class DocumentTest : public planfixture::WindowTest
{
protected:
    std::unique_ptr<QTemporaryDir> dir;

    // The storage folder does not exist until a plan is saved.
    QString folder() const { return dir->filePath(QStringLiteral("Plans")); }

    void open()
    {
        dir = std::make_unique<QTemporaryDir>();
        load();
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

    // Course 0, period 3 (when the settings show one), then the week of Monday, September 7,
    // 2009, or the unit topic when one is given, chosen field after field.
    void choosePlan(const QString &topic = QString())
    {
        const bool weekly = topic.isEmpty();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        moveFocus(w->cboCourses);
        planfixture::answerPlanType(*platform, weekly);
        w->cboCourses->setCurrentIndex(0);
        if (m->blnShowPeriod) {
            moveFocus(w->txtPeriod);
            w->txtPeriod->setText(QStringLiteral("3"));
        }
        if (weekly) {
            moveFocus(w->cboMonth);
            w->cboMonth->setCurrentIndex(1);
            w->cboDate->setCurrentIndex(6);
        } else {
            moveFocus(w->txtUnit);
            w->txtUnit->setText(topic);
        }
        QTRY_COMPARE(w->calendar->varCourse, w->cboCourses->currentText());
        if (m->blnShowPeriod)
            QTRY_COMPARE(w->calendar->strPeriod, QStringLiteral("3"));
    }

    void beginPlan(const QString &topic = QString())
    {
        choosePlan(topic);
        w->cmdBegin->click();
    }

    // The print dialog answered with printing to a PDF file.
    void answerPrintToPdf(const QString &path)
    {
        platform->answerPrint(true, [path](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
        });
    }

    static bool isPdf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.size() > 1000 &&
               file.read(5) == QByteArray("%PDF-");
    }

    // The list of plans saved or browsed in this run, the browse entry last.
    // The earlier-plans list by file name (each entry's tooltip, where it has one).
    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < w->cboOldPlans->count(); ++i) {
            const QString tip = w->cboOldPlans->itemData(i, Qt::ToolTipRole).toString();
            names << (tip.isEmpty() ? w->cboOldPlans->itemText(i) : QFileInfo(tip).fileName());
        }
        return names;
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

    // A file that is no rich text, or one larger than a plan can be (without writing its bytes).
    static bool writeNoPlan(const QString &path, bool huge)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        return huge ? file.resize(RichTextBox::maxFileSize + 1024)
                    : file.write("Monday: fractions") > 0;
    }

    static QString dumpFile(const QString &path)
    {
        RichTextBox box;
        if (!box.LoadFile(path))
            return QStringLiteral("<unreadable>");
        return dumpDocument(box);
    }

    // An empty file, standing where a folder should be.
    QString blockerFile() const
    {
        const QString path = dir->filePath(QStringLiteral("blocker"));
        QFile file(path);
        return file.open(QIODevice::WriteOnly) ? path : QString();
    }
};
