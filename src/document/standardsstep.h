#pragma once

#include <QObject>
#include <QString>

class frmMain;

// The standards the plan cites: the standards step of the main screen, the block that writes
// the ticked standards into the document, and the reminder for standards not yet written.
class StandardsStep : public QObject
{
    Q_OBJECT
public:
    explicit StandardsStep(frmMain &w);

    void cmdAddToPlan_Click();
    // Writes the standards ticked in the step's list as one block at the end of the document.
    void WriteStandards();
    void EndStandardsStep();
    // Before an action (saving, printing, clearing): offers to write standards that the
    // settings want once at the end and that are not written yet.
    void CheckMissingStandards(const QString &action);

private:
    frmMain &w;
};
