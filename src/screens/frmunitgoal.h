#pragma once

#include "screens/sectionheadingdialog.h"

// Whether a weekly plan prints the unit goal, and under which heading.
class frmUnitGoal : public ShownHeadingDialog
{
    Q_OBJECT
public:
    explicit frmUnitGoal(ScreenContext &ctx, QWidget *parent = nullptr);

    QCheckBox *const chkShowUnitGoal;
    QGroupBox *const Frame;
    QLabel *const UnitLabel;
    QLineEdit *const txtUnit;
    QPushButton *const cmdChange;

    void chkShowUnitGoal_Click() { showClick(); }
    void cmdChange_Click() { changeClick(); }
    void txtUnit_Change() { boxChange(); }
    void txtUnit_GotFocus() { boxGotFocus(); }
    void txtUnit_LostFocus() { boxLostFocus(); }
};
