#pragma once

#include "screens/activitylistdialog.h"

class QCheckBox;
class QRadioButton;

// The instructional activities offered on the main screen, the punctuation that ends each of
// them in the document, and whether and how the time on task follows them.
class frmSetupTasks : public ActivityListDialog
{
    Q_OBJECT
public:
    explicit frmSetupTasks(ScreenContext &ctx, QWidget *parent = nullptr);

    // The time-on-task box is checked; the template last chosen, "(X) " or "[X] "; the unit typed.
    bool blnTimeChoice = false;
    QString strTemplateChoice;
    QString strUnitChoice;

    QCheckBox *chkTime = nullptr;
    QGroupBox *TimeFrame = nullptr;
    QRadioButton *optParentheses = nullptr;
    QRadioButton *optBrackets = nullptr;
    QLabel *lblUnits = nullptr;
    QLineEdit *txtUnit = nullptr;

    // Copies the settings into the controls.
    void Load();
    void Form_Load() override;
    void Form_Activate() override;

    void chkTime_Click();
    void optBrackets_Click();
    void optParentheses_Click();
    void txtUnit_Change();
    void txtUnit_GotFocus();

protected:
    void applyEdits() override;

private:
    void applyTimeChoice();
};
