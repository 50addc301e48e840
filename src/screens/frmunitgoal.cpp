#include "screens/frmunitgoal.h"

frmUnitGoal::frmUnitGoal(ScreenContext &ctx, QWidget *parent)
    : ShownHeadingDialog(
          ctx, QStringLiteral("frmUnitGoal"), QStringLiteral("  UNIT GOAL HEADING"), 10040,
          {QStringLiteral("chkShowUnitGoal"), QStringLiteral("&Show Unit Goal"),
           QStringLiteral("Frame"), QStringLiteral("UnitLabel"), QStringLiteral("txtUnit"),
           QStringLiteral("cmdChange"), QStringLiteral("Ch&ange")},
          {&SettingsRecord::blnShowUnitGoal, &SettingsRecord::strUnitGoalHeading}, parent),
      chkShowUnitGoal(block.check), Frame(block.frame), UnitLabel(block.current),
      txtUnit(block.box), cmdChange(block.change)
{
}
