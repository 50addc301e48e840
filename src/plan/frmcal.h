#pragma once

#include "platform/form.h"

class frmMain;
class QCalendarWidget;
class QLabel;

// The calendar window: a month view limited to the school year, opening on today's month and
// day; clicking the first school day of a week picks that week in the main window's lists.
class frmCal : public Form
{
    Q_OBJECT
public:
    explicit frmCal(frmMain &main);

    void Form_Load() override;
    void Form_Activate() override;
    // A date clicked in the month view.
    void Calendar_DateClick(const QDate &date);

    QCalendarWidget *Calendar = nullptr;
    // Why a clicked date was not taken, in the window itself.
    QLabel *lblChoose = nullptr;

protected:
    void changeEvent(QEvent *event) override;

private:
    frmMain &main_;
};
