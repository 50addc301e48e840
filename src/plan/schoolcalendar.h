#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <optional>

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
    void FillDayList();
    void ShowYear();
    void AdvanceDay();
    // Rebuilds the year label and the date lists for the school year and week now set. The date
    // chosen stays chosen while it still begins a school week; otherwise it must be picked again.
    void rebuildForSchoolYear();
    // Run at every activation: the lists follow a changed school year or school week, except
    // while a plan is under way, which keeps the week it was begun with. False while it does.
    bool followSettings();

    // The date chosen in the month and date lists; invalid while there is none.
    QDate chosenDate() const;
    // What Begin Plan needs for a weekly plan: a chosen date that is the first day of the school
    // week, with the days of that week in the day list.
    bool weekComplete() const;
    // A plan has been begun and its last day is not yet done.
    bool planUnderWay() const;
    // Picks the week that begins on start in the month and date lists, as a teacher would.
    void chooseWeek(const QDate &start);

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
    bool blnCourseKeyed = false;
    // The course and period as last left, for the file name.
    QString varCourse;
    QString strPeriod;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showNewDayBanner();
    void connectControls();
    // The date picked is not the first day of the school week: say so and offer its week.
    void offerWeekOf(const QDate &date);
    void clearWeek();

    // What the lists are built from.
    struct Basis {
        QString schoolYear;
        int firstDay = 0;
        int daysPerWeek = 0;
        bool operator==(const Basis &) const = default;
    };
    Basis basis() const;

    frmMain &w;
    frmCal *cal_ = nullptr;
    // The settings the lists were last built for, and the first day of the week listed.
    std::optional<Basis> built_;
    QDate weekListed_;
};

// Fills a drop-down list without running its click handling, leaving nothing selected.
void fillList(QComboBox *list, const QStringList &items);
