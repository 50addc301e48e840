#pragma once

#include "screens/sectionheadingdialog.h"

// Whether the daily objective (the unit objective of a unit plan) is printed, and under which
// heading.
class frmDailyObj : public ShownHeadingDialog
{
    Q_OBJECT
public:
    explicit frmDailyObj(ScreenContext &ctx, QWidget *parent = nullptr);

    QCheckBox *const chkShowObj;
    QGroupBox *const Frame;
    QLabel *const UnitLabel;
    QLineEdit *const txtObj;
    QPushButton *const cmdChange;

    // Names the objective after the plan type chosen.
    void Form_Activate() override;

    void chkShowObj_Click() { showClick(); }
    void cmdChange_Click() { changeClick(); }
    void txtObj_Change() { boxChange(); }
    void txtObj_GotFocus() { boxGotFocus(); }
    void txtObj_LostFocus() { boxLostFocus(); }
};
