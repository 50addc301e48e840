#pragma once

#include <QObject>
#include <QString>

class frmMain;
class frmCal;
class QComboBox;

// What a plan is for: the course, the period and the week (month, starting date and school
// days) or the unit topic; when Begin Plan becomes available; and the move from one school day
// to the next.
class SchoolCalendar : public QObject
{
    Q_OBJECT
public:
    explicit SchoolCalendar(frmMain &w);
    ~SchoolCalendar() override;

    void SetDayCount();
    bool IsLeapYear(int year) const;
    QString RollOverDay(const QString &key);
    void FillDayList();
    void ShowYear();
    void AdvanceDay();
    // Rebuilds the year label and the date lists for a changed school year.
    void rebuildForSchoolYear();

    void cboMonth_Click();
    void cboDate_Click();
    void cboDay_Click();
    void cboCourses_Click();
    void cboCourses_KeyDown();
    void cboCourses_LostFocus();
    void txtPeriod_Change();
    void txtPeriod_GotFocus();
    void txtPeriod_KeyDown(int key);
    void txtPeriod_LostFocus();
    void txtUnit_Change();
    void txtUnit_GotFocus();
    void imgCal_Click();
    void NewDayTimer_Timer();

    frmCal *calendarWindow();
    // The calendar window never stays open behind the main window.
    void hideCalendar();

    bool blnMonthPicked = false;
    bool blnDatePicked = false;
    int intMonthIndex = 0;
    bool blnCourseKeyed = false;
    // The course and period as last left, for the file name.
    QString varCourse;
    QString strPeriod;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showNewDayBanner();
    void connectControls();

    frmMain &w;
    frmCal *cal_ = nullptr;
};

// Fills a drop-down list without running its click handling, leaving nothing selected.
void fillList(QComboBox *list, const QStringList &items);
