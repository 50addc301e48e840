#include "plan/frmcal.h"

#include "app/frmmain.h"
#include "plan/calendar.h"
#include "plan/schoolcalendar.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "settings/settings.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QTextCharFormat>
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
    lblChoose = new QLabel(this);
    lblChoose->setObjectName(QStringLiteral("lblChoose"));
    lblChoose->setWordWrap(true);
    QFont bold = lblChoose->font();
    bold.setBold(true);
    lblChoose->setFont(bold);
    lblChoose->hide();
    layout->addWidget(lblChoose);
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
    const QString dayName = strDayNames.value(first);
    setWindowTitle(QStringLiteral("Week of... (") + dayName.toUpper() + QStringLiteral(")"));
    lblChoose->hide();
    // The weeks are laid out from the first school day, which stands out.
    const auto firstDay = Qt::DayOfWeek(first == 0 ? 7 : qBound(1, first, 6));
    Calendar->setFirstDayOfWeek(firstDay);
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        QTextCharFormat format = Calendar->weekdayTextFormat(Qt::DayOfWeek(day));
        format.setFontWeight(day == firstDay ? QFont::Bold : QFont::Normal);
        Calendar->setWeekdayTextFormat(Qt::DayOfWeek(day), format);
    }
}

void frmCal::Calendar_DateClick(const QDate &date)
{
    const int first = main_.m.intFirstDay;
    if (calendar::weekdayIndex(date) != first) {
        const QString dayName = strDayNames.value(first);
        setWindowTitle(QStringLiteral("Choose a ") + dayName.toUpper());
        lblChoose->setText(calendar::dayEntry(date) + QStringLiteral(" is not a ") + dayName +
                           QStringLiteral(". Choose a ") + dayName.toUpper() +
                           QStringLiteral(": the first day of the school week."));
        lblChoose->show();
        return;
    }
    main_.cboMonth->setEnabled(true);
    main_.calendar->chooseWeek(date);
    hide();
}

void frmCal::changeEvent(QEvent *event)
{
    // The window goes away as soon as the teacher works elsewhere.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        hide();
    Form::changeEvent(event);
}
