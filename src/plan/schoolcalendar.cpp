#include "plan/schoolcalendar.h"

#include "app/frmmain.h"
#include "plan/calendar.h"
#include "plan/daywriter.h"
#include "plan/frmcal.h"
#include "plan/frmweekly.h"
#include "plan/planstart.h"
#include "platform/platform.h"
#include "platform/ui.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

namespace
{
bool shown(const QWidget *w)
{
    return w && !w->isHidden();
}
void focus(QWidget *w)
{
    if (w && w->isEnabled() && !w->isHidden())
        w->setFocus(Qt::OtherFocusReason);
}
} // namespace

void fillList(QComboBox *list, const QStringList &items)
{
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
}

SchoolCalendar::SchoolCalendar(frmMain &w) : QObject(&w), w(w)
{
    connectControls();
}

SchoolCalendar::~SchoolCalendar() = default;

void SchoolCalendar::connectControls()
{
    connect(w.cboMonth, &QComboBox::currentIndexChanged, this, &SchoolCalendar::cboMonth_Click);
    connect(w.cboDate, &QComboBox::currentIndexChanged, this, &SchoolCalendar::cboDate_Click);
    connect(w.cboDay, &QComboBox::currentIndexChanged, this, &SchoolCalendar::cboDay_Click);
    connect(w.cboCourses, &QComboBox::currentIndexChanged, this, &SchoolCalendar::cboCourses_Click);
    connect(w.txtPeriod, &QLineEdit::textChanged, this, &SchoolCalendar::txtPeriod_Change);
    connect(w.txtUnit, &QLineEdit::textChanged, this, &SchoolCalendar::txtUnit_Change);
    connect(w.NewDayTimer, &QTimer::timeout, this, &SchoolCalendar::NewDayTimer_Timer);
    for (QWidget *control :
         {static_cast<QWidget *>(w.cboCourses), static_cast<QWidget *>(w.txtPeriod),
          static_cast<QWidget *>(w.txtUnit), static_cast<QWidget *>(w.imgCal)})
        control->installEventFilter(this);
}

bool SchoolCalendar::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == w.cboCourses) {
        if (type == QEvent::KeyPress)
            cboCourses_KeyDown();
        else if (type == QEvent::FocusOut)
            cboCourses_LostFocus();
    } else if (watched == w.txtPeriod) {
        if (type == QEvent::FocusIn)
            txtPeriod_GotFocus();
        else if (type == QEvent::FocusOut)
            txtPeriod_LostFocus();
        else if (type == QEvent::KeyPress)
            txtPeriod_KeyDown(static_cast<QKeyEvent *>(event)->key());
    } else if (watched == w.txtUnit) {
        if (type == QEvent::FocusIn)
            txtUnit_GotFocus();
    } else if (watched == w.imgCal) {
        if (type == QEvent::MouseButtonPress && w.imgCal->isEnabled()) {
            imgCal_Click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool SchoolCalendar::IsLeapYear(int year) const
{
    return calendar::isLeapYear(year);
}

void SchoolCalendar::SetDayCount()
{
    const int days = calendar::daysInMonth(w.cboMonth->currentText(), w.m.strSchoolYear);
    QStringList dates;
    for (int d = 1; d <= days; ++d)
        dates << QString::number(d);
    w.cmdBegin->setEnabled(false);
    fillList(w.cboDate, dates);
}

void SchoolCalendar::FillDayList()
{
    // Without a date there is no week: a day list left from another date would let a plan
    // begin on days that were never chosen.
    if (w.cboDate->currentText().isEmpty()) {
        clearWeek();
        return;
    }
    if (!blnMonthPicked || !blnDatePicked)
        return;
    const QDate start = chosenDate();
    const QStringList days = calendar::schoolDays(start, w.m.intDaysPerWeek);
    built_ = basis();
    weekListed_ = start;
    w.cboDay->setEnabled(true);
    fillList(w.cboDay, days);
    if (!days.isEmpty())
        w.cboDay->setCurrentIndex(0);
}

void SchoolCalendar::clearWeek()
{
    {
        const QSignalBlocker quiet(w.cboDay);
        w.cboDay->clear();
    }
    weekListed_ = QDate();
    if (w.m.blnWeeklyPlans) {
        w.cmdBegin->setEnabled(false);
        w.m.blnReadyToBegin = false;
    }
}

void SchoolCalendar::ShowYear()
{
    w.lblYear->setText(
        calendar::yearLabel(w.cboMonth->currentText(), w.cboDay->currentText(), w.m.strSchoolYear));
}

SchoolCalendar::Basis SchoolCalendar::basis() const
{
    return {w.m.strSchoolYear, w.m.intFirstDay, w.m.intDaysPerWeek};
}

QDate SchoolCalendar::chosenDate() const
{
    if (w.cboDate->currentText().isEmpty())
        return QDate();
    return calendar::dateOf(w.cboMonth->currentIndex(), w.cboDate->currentText().toInt(),
                            w.m.strSchoolYear);
}

bool SchoolCalendar::weekComplete() const
{
    const QDate start = chosenDate();
    return start.isValid() && start == weekListed_ && built_ == basis() &&
           calendar::weekdayIndex(start) == w.m.intFirstDay &&
           w.cboDay->count() == w.m.intDaysPerWeek;
}

bool SchoolCalendar::planUnderWay() const
{
    return w.m.intStep > 0;
}

void SchoolCalendar::rebuildForSchoolYear()
{
    const int date = w.cboDate->currentIndex() + 1;
    SetDayCount();
    built_ = basis();
    const QDate kept = calendar::dateOf(w.cboMonth->currentIndex(), date, w.m.strSchoolYear);
    if (date > 0 && kept.isValid() && calendar::weekdayIndex(kept) == w.m.intFirstDay) {
        const QSignalBlocker quiet(w.cboDate);
        w.cboDate->setCurrentIndex(date - 1);
    }
    FillDayList();
    ShowYear();
    if (w.m.blnWeeklyPlans)
        w.m.blnReadyToBegin = weekComplete();
}

bool SchoolCalendar::followSettings()
{
    if (planUnderWay())
        return false;
    if (built_ != basis())
        rebuildForSchoolYear();
    return true;
}

void SchoolCalendar::chooseWeek(const QDate &start)
{
    {
        const QSignalBlocker quiet(w.cboMonth);
        w.cboMonth->setCurrentIndex(calendar::monthListIndex(start));
    }
    blnMonthPicked = true;
    SetDayCount();
    {
        const QSignalBlocker quiet(w.cboDate);
        w.cboDate->setCurrentIndex(start.day() - 1);
    }
    w.cboDate->setEnabled(true);
    ShowYear();
    cboDate_Click();
}

void SchoolCalendar::offerWeekOf(const QDate &date)
{
    const QString year = w.m.strSchoolYear;
    const QString firstDay = strDayNames.value(w.m.intFirstDay);
    const QDate start = calendar::weekStart(date, w.m.intFirstDay);
    {
        const QSignalBlocker quiet(w.cboDate);
        w.cboDate->setCurrentIndex(-1);
    }
    FillDayList();
    ShowYear();
    const QString CrLf = QStringLiteral("\r\n");
    const QString text = calendar::dayEntry(date) + QStringLiteral(", ") +
                         QString::number(date.year()) + QStringLiteral(" is not a ") + firstDay +
                         QStringLiteral(", the first day of the school week.");
    if (start < calendar::calendarFirst(year)) {
        w.platform.messageBox(
            text + CrLf + CrLf + QStringLiteral("Its week begins before the school year ") + year +
                QStringLiteral(". Please choose a ") + firstDay + QStringLiteral("."),
            QStringLiteral("Week of"), Platform::Buttons::OK, Platform::Icon::Exclamation);
        focus(w.cboDate);
        return;
    }
    const auto answer = w.platform.messageBox(
        text + CrLf + CrLf + QStringLiteral("Plan the week of ") + calendar::dayEntry(start) +
            QStringLiteral(", ") + QString::number(start.year()) + QStringLiteral("?"),
        QStringLiteral("Week of"), Platform::Buttons::YesNo, Platform::Icon::Question);
    if (answer == Platform::Answer::Yes)
        chooseWeek(start);
    else
        focus(w.cboDate);
}

void SchoolCalendar::cboMonth_Click()
{
    blnMonthPicked = true;
    SetDayCount();
    if (weekComplete()) {
        w.cmdBegin->setEnabled(true);
        focus(w.cmdBegin);
    } else {
        w.cboDay->setCurrentIndex(-1);
        w.cboDate->setEnabled(true);
        focus(w.cboDate);
    }
    ShowYear();
    FillDayList();
}

void SchoolCalendar::cboDate_Click()
{
    blnDatePicked = true;
    // No week is ever listed under weekday names its dates do not have.
    const QDate date = chosenDate();
    if (date.isValid() && calendar::weekdayIndex(date) != w.m.intFirstDay) {
        offerWeekOf(date);
        return;
    }
    FillDayList();
    if (weekComplete()) {
        w.cmdBegin->setEnabled(true);
        focus(w.cmdBegin);
        w.m.blnReadyToBegin = true;
    }
}

void SchoolCalendar::cboDay_Click()
{
    if (w.cboDay->currentIndex() < 0) {
        const QSignalBlocker quiet(w.cboDay);
        w.cboDay->clear();
        w.cmdBegin->setEnabled(false);
        return;
    }
    const QString entry = w.cboDay->currentText();
    const qsizetype comma = entry.indexOf(QLatin1Char(','));
    const QString datePart = comma >= 0 ? entry.mid(comma + 2) : QString();
    ShowYear();
    w.lblUnchanged->setText(QStringLiteral("Revise objective for ") + datePart +
                            QStringLiteral("?"));
    w.txtObjective->setEnabled(true);
    if (!shown(w.cmdDone1) && !shown(w.txtDescription))
        showNewDayBanner();
    if (w.m.intStep == 0) {
        w.cmdBegin->setEnabled(weekComplete());
        focus(w.cmdBegin);
    }
}

void SchoolCalendar::showNewDayBanner()
{
    w.NewDayTimer->stop();
    w.lblNewDay->setText(QStringLiteral("\r\nSetting Date\r\nto\r\n") + w.cboDay->currentText());
    // The banner floats over the middle of the day's entries.
    w.lblNewDay->adjustSize();
    w.lblNewDay->resize(w.lblNewDay->width() + 40, w.lblNewDay->height() + 12);
    if (QWidget *band = w.lblNewDay->parentWidget())
        w.lblNewDay->move((band->width() - w.lblNewDay->width()) / 2,
                          (band->height() - w.lblNewDay->height()) / 2);
    w.lblNewDay->show();
    w.lblNewDay->raise();
    w.NewDayTimer->start();
}

void SchoolCalendar::NewDayTimer_Timer()
{
    // The banner has been seen; nothing else waits on the timer.
    w.lblNewDay->hide();
    w.NewDayTimer->stop();
}

void SchoolCalendar::cboCourses_Click()
{
    if (w.cboCourses->currentText().isEmpty())
        return;
    if (w.blnAskUnit)
        w.showDialog(w.plan->weeklyDialog());
    if (w.m.blnWeeklyPlans) {
        if (!blnCourseKeyed && w.m.blnShowPeriod)
            focus(w.txtPeriod);
        if (weekComplete())
            w.m.blnReadyToBegin = true;
        w.cboMonth->setEnabled(!w.m.blnShowPeriod);
        w.imgCal->setEnabled(!w.m.blnShowPeriod);
        if (w.cboDay->count() > 0)
            w.cboDay->setCurrentIndex(0);
    } else {
        w.fraUnitPlan->show();
        w.fraWeeklyPlan->hide();
        if (!w.txtUnit->text().trimmed().isEmpty()) {
            w.cmdBegin->setEnabled(true);
            w.txtUnit->setSelection(0, 50);
            focus(w.txtUnit);
        } else if (w.m.blnShowPeriod) {
            focus(w.txtPeriod);
        } else {
            focus(w.txtUnit);
        }
    }
    blnCourseKeyed = false;
}

void SchoolCalendar::cboCourses_KeyDown()
{
    blnCourseKeyed = true;
}

void SchoolCalendar::cboCourses_LostFocus()
{
    varCourse = w.cboCourses->currentText();
}

void SchoolCalendar::txtPeriod_Change()
{
    if (w.txtPeriod->text().trimmed().isEmpty())
        return;
    if (w.m.blnWeeklyPlans) {
        if (w.cboCourses->currentIndex() >= 0 && w.txtPeriod->isEnabled()) {
            w.cboDate->setEnabled(true);
            w.cboMonth->setEnabled(true);
            w.imgCal->setEnabled(true);
            w.cmdBegin->setEnabled(weekComplete());
        }
    } else {
        w.m.blnReadyToBegin = !w.txtUnit->text().trimmed().isEmpty();
        w.cmdBegin->setEnabled(w.m.blnReadyToBegin);
    }
}

void SchoolCalendar::txtPeriod_GotFocus()
{
    // Deferred, so that the click that brought the focus does not undo the selection.
    QTimer::singleShot(0, w.txtPeriod, &QLineEdit::selectAll);
}

void SchoolCalendar::txtPeriod_KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    if (w.cmdBegin->isEnabled())
        focus(w.cmdBegin);
    else if (w.m.blnWeeklyPlans)
        focus(w.cboCourses);
    else
        focus(w.txtUnit);
}

void SchoolCalendar::txtPeriod_LostFocus()
{
    strPeriod = w.txtPeriod->text();
}

void SchoolCalendar::txtUnit_Change()
{
    w.m.blnReadyToBegin = !w.txtUnit->text().trimmed().isEmpty();
    w.cmdBegin->setEnabled(w.m.blnReadyToBegin);
}

void SchoolCalendar::txtUnit_GotFocus()
{
    w.cmdBegin->setEnabled(!w.txtUnit->text().trimmed().isEmpty() &&
                           w.cboCourses->currentIndex() >= 0);
}

frmCal *SchoolCalendar::calendarWindow()
{
    if (!cal_)
        cal_ = new frmCal(w);
    return cal_;
}

void SchoolCalendar::hideCalendar()
{
    if (cal_ && !cal_->isHidden())
        cal_->hide();
}

void SchoolCalendar::imgCal_Click()
{
    frmCal *dialog = calendarWindow();
    dialog->load();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void SchoolCalendar::AdvanceDay()
{
    const int next = w.cboDay->currentIndex() + 1;
    if (next >= w.cboDay->count()) {
        w.cboDay->setEnabled(false);
        w.m.intStep = 0;
        w.txtObjective->clear();
        ui::setBackColor(w.txtObjective, ui::buttonFace());
        w.txtObjective->setEnabled(false);
        w.lblUnchanged->hide();
        w.cmdContinue->hide();
        w.cmdNote->hide();
        w.fraDay->hide();
        w.fraBlank->show();
        ui::setBackColor(w.lstAdd, ui::menuColor());
        w.lblCover->show();
        w.writer->EndOfPlan();
        return;
    }
    w.NewDayTimer->stop();
    w.cboDay->setCurrentIndex(next);
    showNewDayBanner();
    w.cmdNewUnit->show();
    w.cmdNote->setEnabled(true);
    ui::setBackColor(w.txtObjective, ui::lightRed());
    if (w.m.blnShowDailyObj)
        w.lblUnchanged->show();
    w.cboDay->setEnabled(true);
    w.optTask[15]->setText(QStringLiteral("( No entries... Non-Instructiona&l Day )"));
    const QString objective = w.txtObjective->toPlainText().trimmed();
    if (!objective.isEmpty() && !objective.endsWith(QLatin1String("(cont.)")))
        w.cmdContinue->setVisible(w.m.blnShowDailyObj);
    w.optDummy->setChecked(true);
}
