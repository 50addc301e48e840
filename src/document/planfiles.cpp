#include "document/planfiles.h"

#include "app/frmmain.h"

PlanFiles::PlanFiles(frmMain &w) : QObject(&w), w(w) {}

int PlanFiles::CheckDuplicateFile()
{
    // Saving plans under their built names comes with the Save button; until then no plan's
    // document can exist yet.
    return 0;
}
