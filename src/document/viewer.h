#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class frmMain;

// The earlier-plans viewer: the list of plans saved in this run (plus any browsed to), the
// read-only view of one of them over the entry area, copying passages from it with their
// formatting, and printing it.
class PlanViewer : public QObject
{
    Q_OBJECT
public:
    explicit PlanViewer(frmMain &w);

    void cboOldPlans_Click();
    void cboOldPlans_GotFocus();
    // Adds a document chosen in the file-open dialog to the list and selects it.
    void BrowseForPlan();
    // Shows the selected plan in the viewer, or closes the viewer when it is open.
    void cmdPrev_Click();
    void cmdPrintThis_Click();
    void cmdPdfThis_Click();
    void mnuCopyOnly_Click();

    bool isViewing() const;
    // The file of the plan shown in the viewer (empty before any was shown).
    QString shownPath() const { return shownPath_; }

    static QString viewCaption();
    static QString closeCaption();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCopyMenu(const QPoint &pos);
    void closeViewer();

    frmMain &w;
    QString shownPath_;
};
