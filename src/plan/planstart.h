#pragma once

#include <QObject>
#include <QString>

#include "plan/planprogress.h"

class frmMain;
class frmWeekly;

// Starting a plan (Begin Plan writes the heading of the document) and the step driver, which
// prepares the main screen for the step the plan is at: which frames, lists, captions, colours
// and buttons are shown, and which help topic applies. The driver never changes the step.
class PlanStart : public QObject
{
    Q_OBJECT
public:
    explicit PlanStart(frmMain &w);

    void cmdBegin_Click();
    void PrepareStep();
    // How far the plan on the screen has come, with the day's entries not yet written.
    PlanProgress progress() const;
    // Takes up a plan whose document is already on the screen (a recovered plan) exactly where
    // the progress says it stood: its target, step, day and unwritten entries. Nothing is
    // written. A progress at step 0 (the plan had ended) puts back its target only.
    void resume(const PlanProgress &p);
    // Goes on with a plan whose document holds its days so far (a plan reopened from its file,
    // or recovered from a copy that did not keep its step): at step 1 of the first school day
    // not yet written. With saved set the document is the file as saved, so the plan counts
    // as saved until it is changed.
    void continueFromDocument(bool saved);
    // Puts the plan's target back: course, period, week and day, or unit topic.
    void restoreTarget(const PlanProgress &p);
    // The index of the first school day of the week whose heading is not yet in the document,
    // or -1 when every day of the week has been written.
    int firstDayNotWritten() const;
    // The plan-type question, created on first use.
    frmWeekly *weeklyDialog();

    // The heading line for a display order, without its line breaks.
    static QString headingLine(int displayOrder, const QString &teacher, const QString &week,
                               const QString &schoolYear);

    // A list or a non-instructional day has been written today.
    bool blnDayWritten = false;
    // The standards have been written for this plan.
    bool blnStandardsAdded = false;
    // The slot of the plan's course in the course list, 10 when no slot holds it.
    int intCourseIndex = 10;
    // New Plan is clearing the screen: the materials and standards lists are left alone.
    bool blnNewPlanRequested = false;
    // The materials step is on screen for the current day (its listing is the teacher's).
    void materialsStepEnded() { materialsShown_ = false; }

private:
    // Opens the day's entries of a plan just begun (or resumed) and enters step 1.
    void enterFirstStep();
    // Opens the document for a plan: enabled, white, with its label.
    void openDocument();

    void prepareNoPlan();
    void prepareItemStep(int step);
    void prepareMaterials();
    void prepareStandards();
    void write(const QString &text);

    frmMain &w;
    frmWeekly *weekly_ = nullptr;
    bool materialsShown_ = false;
};
