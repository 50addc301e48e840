#include "screens/frmdailyobj.h"

#include <QCheckBox>

frmDailyObj::frmDailyObj(ScreenContext &ctx, QWidget *parent)
    : ShownHeadingDialog(
          ctx, QStringLiteral("frmDailyObj"), QStringLiteral("  DAILY OBJECTIVE HEADING"), 10042,
          {QStringLiteral("chkShowObj"), QStringLiteral("&Show Daily Objective"),
           QStringLiteral("Frame"), QStringLiteral("UnitLabel"), QStringLiteral("txtObj"),
           QStringLiteral("cmdChange"), QStringLiteral("Ch&ange")},
          {&SettingsRecord::blnShowDailyObj, &SettingsRecord::strDailyObjHeading}, parent),
      chkShowObj(block.check), Frame(block.frame), UnitLabel(block.current), txtObj(block.box),
      cmdChange(block.change)
{
}

void frmDailyObj::Form_Activate()
{
    if (m.blnWeeklyPlans) {
        setWindowTitle(QStringLiteral("Daily Objective Heading"));
        chkShowObj->setText(QStringLiteral("&Show Daily Objective"));
    } else {
        setWindowTitle(QStringLiteral("Unit Objective Heading"));
        chkShowObj->setText(QStringLiteral("&Show Unit Objective"));
    }
    ShownHeadingDialog::Form_Activate();
}
