#pragma once

#include "screens/chosenheadingdialog.h"

// Whether the period or group is printed, and whether it is called Period, Group or another
// word. The heading is part of the plan's file name, so it must be a valid file-name part.
class frmPeriodGroup : public ChosenHeadingDialog
{
    Q_OBJECT
public:
    explicit frmPeriodGroup(ScreenContext &ctx, QWidget *parent = nullptr);

    QCheckBox *chkPeriod = nullptr;
    QGroupBox *fraPeriod = nullptr;
    QRadioButton *optPeriod = nullptr;
    QRadioButton *optGroup = nullptr;

    void Form_Activate() override;

    void chkPeriod_Click();
    void optPeriod_Click();
    void optGroup_Click();
    void txtOther_LostFocus() override;

protected:
    void applyEdits() override;
};
