#pragma once

#include "screens/sectionheadingdialog.h"

// Whether the assignment or closure activity is printed, and under which heading.
class frmSetupClosure : public ShownHeadingDialog
{
    Q_OBJECT
public:
    explicit frmSetupClosure(ScreenContext &ctx, QWidget *parent = nullptr);

    QCheckBox *const chkShowClosure;
    QGroupBox *const Frame;
    QLabel *const UnitLabel;
    QLineEdit *const txtClosure;
    QPushButton *const cmdChange;

    void chkShowClosure_Click() { showClick(); }
    void cmdChange_Click() { changeClick(); }
    void txtClosure_Change() { boxChange(); }
    void txtClosure_GotFocus() { boxGotFocus(); }
    void txtClosure_LostFocus() { boxLostFocus(); }
};
