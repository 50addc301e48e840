#pragma once

#include <QObject>
#include <QString>

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
    // Takes up a plan whose document is already on the screen (a recovered plan) at step 1 of
    // the chosen day, with the screen as Begin Plan leaves it; nothing is written.
    void resumePlan();
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
    void prepareNoPlan();
    void prepareItemStep(int step);
    void prepareMaterials();
    void prepareStandards();
    void write(const QString &text);

    frmMain &w;
    frmWeekly *weekly_ = nullptr;
    bool materialsShown_ = false;
};
