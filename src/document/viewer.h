#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <utility>

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

    // Shows a plan of the library in the viewer with every word of a search marked, the
    // first match in sight; F3 and Shift+F3 go to the next and the previous one.
    void viewPlan(const QString &path, const QStringList &words);
    void nextMatch(int step);
    int matchCount() const { return int(matches_.size()); }
    int currentMatch() const { return current_; }

    static QString viewCaption();
    static QString closeCaption();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCopyMenu(const QPoint &pos);
    void closeViewer();
    void markMatches(int current);

    frmMain &w;
    QString shownPath_;
    QList<std::pair<int, int>> matches_;
    int current_ = -1;
};
