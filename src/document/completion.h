#pragma once

#include <QObject>
#include <QString>

#include "document/planprint.h"

class frmMain;
class frmNew;

// The saved and printed state of the Lesson Plan Document, printing, clearing the screen for
// the next plan, and the New Plan dialog that does all three.
class PlanCompletion : public QObject
{
    Q_OBJECT
public:
    enum class Document { Current, Previous };

    explicit PlanCompletion(frmMain &w);

    // The reminder built from the saved and printed flags; empty when both are "Y".
    static QString GetSavePrintStatus(const QString &saved, const QString &printed);
    QString GetSavePrintStatus() const;
    // Empties the document and resets the main screen. With ask set, a document that is not
    // both saved and printed is cleared only after the teacher confirms.
    void ClearScreen(bool ask);

    // Prints the Lesson Plan Document (Current) or the plan shown in the earlier-plans viewer
    // (Previous) through the print dialog. True when it was printed; printing the current
    // document marks it printed.
    bool DoPrint(Document which = Document::Current);
    // Saves the document as a PDF file in the storage folder, named as the plan's file with
    // ".pdf" for its extension, and offers to open it. True when it was written; the current
    // document then counts as printed.
    bool SavePdf(Document which = Document::Current);

    void cmdPrint_Click();
    void cmdPdf_Click();
    void cmdClose_Click();
    // Any change of the document's content: it needs saving and printing again.
    void RTxtComposite_Change();

    // The New Plan dialog, made on first use.
    frmNew *newPlanDialog();

private:
    // The running header and the headings the settings give, for laying a plan out on paper.
    planprint::Options printOptions(Document which) const;

    frmMain &w;
    frmNew *frmNew_ = nullptr;
};
