#pragma once

#include "app/frmmain.h"
#include "document/planindex.h"
#include "plan/entrydialogs.h"
#include "plan/frmweekly.h"
#include "support/scriptedplatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <memory>

// The way a teacher begins a plan, for tests that need one under way: the plan-type question
// answered, the course, the period and the week (or the unit topic) chosen, Begin Plan pressed.
namespace planfixture
{

inline void answerPlanType(ScriptedPlatform &platform, bool weekly)
{
    platform.actInDialog(QStringLiteral("frmWeekly"), [=](QDialog *d) {
        auto *dialog = static_cast<frmWeekly *>(d);
        (weekly ? dialog->optWeekly : dialog->optUnit)->click();
        dialog->cmdOK->click();
    });
}

// The unit dialog answered with a goal (when the settings ask for one).
inline void answerUnitGoal(ScriptedPlatform &platform, const QString &goal)
{
    platform.actInDialog(QStringLiteral("frmUnit"), [=](QDialog *d) {
        auto *dialog = static_cast<frmUnit *>(d);
        dialog->setEntryText(goal);
        dialog->cmdUnitDone->click();
    });
}

// Course 0, period 3, the week of Monday, September 7 (school year 2009-2010 by default); the
// unit goal, when the settings ask for one, is the given text.
inline void beginWeeklyPlan(frmMain &w, ScriptedPlatform &platform, int month = 1, int date = 7,
                            const QString &goal = QStringLiteral("Fractions"))
{
    answerPlanType(platform, true);
    w.cboCourses->setCurrentIndex(0);
    w.txtPeriod->setText(QStringLiteral("3"));
    w.cboMonth->setCurrentIndex(month);
    w.cboDate->setCurrentIndex(date - 1);
    if (w.m.blnShowUnitGoal)
        answerUnitGoal(platform, goal);
    w.cmdBegin->click();
}

inline void beginUnitPlan(frmMain &w, ScriptedPlatform &platform, const QString &topic)
{
    answerPlanType(platform, false);
    w.cboCourses->setCurrentIndex(0);
    w.txtPeriod->setText(QStringLiteral("3"));
    w.txtUnit->setText(topic);
    if (w.m.blnShowDailyObj)
        answerUnitGoal(platform, QStringLiteral("Add fractions"));
    w.cmdBegin->click();
}

// The texts of a list's entries, top to bottom.
inline QStringList itemTexts(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

inline QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Base of the tests that work on the main window: a new settings record, scripted platform and
// window for each test (load), every expected prompt answered at the end (finish).
class WindowTest : public QObject
{
protected:
    std::unique_ptr<LessonPlanModule> m;
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<frmMain> w;

    WindowTest() { QStandardPaths::setTestModeEnabled(true); }

    void makeWindow(SettingsStore *store = nullptr)
    {
        w = std::make_unique<frmMain>(*m, *platform, store);
        w->Form_Load();
    }

    void load()
    {
        // Each test starts with an empty plan library.
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(PlanIndex::defaultPath() + QLatin1String(suffix));
        m = std::make_unique<LessonPlanModule>();
        platform = std::make_unique<ScriptedPlatform>();
        makeWindow();
    }

    void finish()
    {
        if (platform)
            platform->verifyAllAnswered();
        w.reset();
    }

    // Picks an item, types a description after its starting text and accepts it with OK.
    void addItem(int index, const QString &text)
    {
        w->optTask[index]->click();
        w->txtDescription->moveCursor(QTextCursor::End);
        w->txtDescription->insertPlainText(text);
        w->cmdOK->click();
    }
};

} // namespace planfixture
