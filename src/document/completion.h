#pragma once

#include <QObject>
#include <QString>

class frmMain;

// The saved and printed state of the Lesson Plan Document, and clearing the screen for the
// next plan.
class PlanCompletion : public QObject
{
    Q_OBJECT
public:
    explicit PlanCompletion(frmMain &w);

    // The reminder built from the saved and printed flags; empty when both are "Y".
    static QString GetSavePrintStatus(const QString &saved, const QString &printed);
    // Empties the document and resets the main screen. With ask set, a document that is not
    // both saved and printed is cleared only after the teacher confirms.
    void ClearScreen(bool ask);

private:
    frmMain &w;
};
