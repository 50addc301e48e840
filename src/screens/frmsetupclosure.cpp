#include "screens/frmsetupclosure.h"

frmSetupClosure::frmSetupClosure(ScreenContext &ctx, QWidget *parent)
    : ShownHeadingDialog(
          ctx, QStringLiteral("frmSetupClosure"),
          QStringLiteral("ASSIGNMENT/CLOSURE ACTIVITY HEADING"), 10043,
          {QStringLiteral("chkShowClosure"), QStringLiteral("&Show Closure Activity"),
           QStringLiteral("Frame"), QStringLiteral("UnitLabel"), QStringLiteral("txtClosure"),
           QStringLiteral("cmdChange"), QStringLiteral("Ch&ange")},
          {&SettingsRecord::blnShowClosure, &SettingsRecord::strClosureHeading}, parent),
      chkShowClosure(block.check), Frame(block.frame), UnitLabel(block.current),
      txtClosure(block.box), cmdChange(block.change)
{
}
