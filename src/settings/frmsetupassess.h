#pragma once

#include "screens/activitylistdialog.h"

class QCheckBox;
class QPushButton;

// The assessment activities offered on the main screen, the punctuation that ends each of them,
// whether the assessment section is printed and its heading.
class frmSetUpAssess : public ActivityListDialog
{
    Q_OBJECT
public:
    explicit frmSetUpAssess(ScreenContext &ctx, QWidget *parent = nullptr);

    QCheckBox *chkShowAssessment = nullptr;
    QGroupBox *fraAssessment = nullptr;
    // Label1(15) is the "Currently..." label beside the heading, after the fifteen box labels.
    QLabel *lblHeading = nullptr;
    QLineEdit *txtNewHeading = nullptr;
    QPushButton *cmdChange = nullptr;

    // Copies the settings into the controls.
    void Load();
    void Form_Load() override;
    void Form_Activate() override;

    void chkShowAssessment_Click();
    void cmdChange_Click();
    // Enter (character 13) in the new heading.
    void txtNewHeading_KeyPress();

protected:
    void applyEdits() override;
};
