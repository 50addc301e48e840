#pragma once

#include "plan/entrydialog.h"

class QLineEdit;

// Editing or deleting an entry of the list being added to the plan.
class frmEdit : public EntryDialog
{
    Q_OBJECT
public:
    explicit frmEdit(frmMain &main);
    void Form_Load() override;
    void Form_Activate() override;
    void done() override { cmdDone_Click(); }
    void cmdDone_Click();

    QPlainTextEdit *txtEdit = nullptr;
    QLabel *lblTwice = nullptr;
    QLabel *lblInstructions = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;
};

// The goal of a new unit of study (weekly plans, written at once) or the unit objective (unit
// plans, kept for the day's heading lines).
class frmUnit : public EntryDialog
{
    Q_OBJECT
public:
    explicit frmUnit(frmMain &main);
    void Form_Load() override;
    void Form_Activate() override;
    void done() override { cmdUnitDone_Click(); }
    void cmdUnitDone_Click();

    QPlainTextEdit *txtUnit = nullptr;
    QLabel *lblTwice = nullptr;
    QPushButton *cmdUnitDone = nullptr;
    QPushButton *cmdCancel = nullptr;
};

// The special note of the current day.
class frmSpecialNote : public EntryDialog
{
    Q_OBJECT
public:
    explicit frmSpecialNote(frmMain &main);
    void Form_Activate() override;
    void done() override { cmdUnitDone_Click(); }
    void cmdUnitDone_Click();

    QPlainTextEdit *txtNote = nullptr;
    QLabel *lblInstruct = nullptr;
    QPushButton *cmdUnitDone = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    void cancelled() override;
};

// The time on task of the activity being accepted.
class frmTimeOnTask : public Form
{
    Q_OBJECT
public:
    explicit frmTimeOnTask(frmMain &main);
    void Form_Activate() override;
    void cmdUnitDone_Click();
    void cmdCancel_Click();

    QLabel *lblTime = nullptr;
    QLineEdit *txtTime = nullptr;
    QLabel *lblMin = nullptr;
    QPushButton *cmdUnitDone = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    frmMain &main_;
};
