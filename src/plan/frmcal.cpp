#include "plan/frmcal.h"

#include "app/frmmain.h"
#include "plan/calendar.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "settings/settings.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QEvent>
#include <QVBoxLayout>

frmCal::frmCal(frmMain &main) : Form(main.platform, &main), main_(main)
{
    setObjectName(QStringLiteral("frmCal"));
    setWindowTitle(QStringLiteral("Week of... (MONDAY)"));
    setModal(false);
    Calendar = new QCalendarWidget(this);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setGridVisible(true);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Calendar);
    connect(Calendar, &QCalendarWidget::clicked, this, &frmCal::Calendar_DateClick);
    connect(Calendar, &QCalendarWidget::activated, this, &frmCal::Calendar_DateClick);
}

void frmCal::Form_Load()
{
    move(main_.pos() + QPoint(ui::twips(1500), ui::twips(750)));
}

void frmCal::Form_Activate()
{
    const QString &year = main_.m.strSchoolYear;
    Calendar->setDateRange(QDate(2000, 1, 1), QDate(2050, 12, 31));
    const QDate today = platform.today();
    Calendar->setSelectedDate(today);
    Calendar->setDateRange(calendar::calendarFirst(year), calendar::calendarLast(year));
    const QDate start = calendar::calendarStart(today, year);
    Calendar->setSelectedDate(start);
    Calendar->setCurrentPage(start.year(), start.month());
    const int first = main_.m.intFirstDay;
    const QString dayName =
        first >= 0 && first < strDayNames.size() ? strDayNames.at(first) : QString();
    setWindowTitle(QStringLiteral("Week of... (") + dayName.toUpper() + QStringLiteral(")"));
}

void frmCal::Calendar_DateClick(const QDate &date)
{
    const int first = main_.m.intFirstDay;
    if (calendar::weekdayNumber(date) != first + 1) {
        const QString dayName =
            first >= 0 && first < strDayNames.size() ? strDayNames.at(first) : QString();
        setWindowTitle(QStringLiteral("Choose a ") + dayName.toUpper());
        return;
    }
    main_.cboMonth->setCurrentIndex(calendar::monthListIndex(date));
    main_.cboMonth->setEnabled(true);
    main_.cboDate->setCurrentIndex(-1);
    main_.cboDate->setCurrentIndex(date.day() - 1);
    main_.m.blnReadyToBegin = true;
    hide();
}

void frmCal::changeEvent(QEvent *event)
{
    // The window goes away as soon as the teacher works elsewhere.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        hide();
    Form::changeEvent(event);
}
