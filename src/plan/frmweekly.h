#pragma once

#include "platform/form.h"

class frmMain;
class QCheckBox;
class QPushButton;
class QRadioButton;

// The plan-type question asked when a course is chosen: a weekly plan or a unit plan. The
// choice changes the setting at once; "Don't ask" stops the question for the rest of the run.
class frmWeekly : public Form
{
    Q_OBJECT
public:
    explicit frmWeekly(frmMain &main);

    void Form_Activate() override;
    void optWeekly_Click();
    void optUnit_Click();
    void chkAsk_Click();
    void cmdOK_Click();

    QRadioButton *optWeekly = nullptr;
    QRadioButton *optUnit = nullptr;
    QCheckBox *chkAsk = nullptr;
    QPushButton *cmdOK = nullptr;

private:
    frmMain &main_;
};
