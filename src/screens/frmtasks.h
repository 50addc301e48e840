#pragma once

#include "screens/chosenheadingdialog.h"

// The heading of the instructional activities: Activities, Tasks, Strategies or another word.
// The section itself is always printed.
class frmTasks : public ChosenHeadingDialog
{
    Q_OBJECT
public:
    explicit frmTasks(ScreenContext &ctx, QWidget *parent = nullptr);

    QRadioButton *optActivities = nullptr;
    QRadioButton *optTasks = nullptr;
    QRadioButton *optStrategies = nullptr;

    void Form_Activate() override;

    void optActivities_Click();
    void optTasks_Click();
    void optStrategies_Click();

protected:
    void applyEdits() override;
};
