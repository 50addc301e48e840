#pragma once

#include <QObject>

class frmMain;

// Naming, finding and saving the plan's document file.
class PlanFiles : public QObject
{
    Q_OBJECT
public:
    explicit PlanFiles(frmMain &w);

    // When a plan begins: 0 no document of the plan's name exists, 1 it was opened into the
    // document, 2 go on and replace it, 3 stop working on this plan.
    int CheckDuplicateFile();

private:
    frmMain &w;
};
