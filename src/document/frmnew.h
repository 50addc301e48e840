#pragma once

#include "platform/form.h"

class frmMain;
class QCheckBox;
class QLabel;
class QPushButton;

// The New Plan dialog: print, save and clear the finished plan, each when ticked, in that
// order from the top.
class frmNew : public Form
{
    Q_OBJECT
public:
    explicit frmNew(frmMain &main);

    void Form_Load() override;
    void Form_Activate() override;
    void cmdDone_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    QCheckBox *chkPrint = nullptr;
    QCheckBox *chkSave = nullptr;
    QCheckBox *chkClear = nullptr;
    QLabel *lblInstructions = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;

private:
    // "printing", "printing and saving", ... for the ticked actions.
    QString tickedActions() const;

    frmMain &main_;
};
