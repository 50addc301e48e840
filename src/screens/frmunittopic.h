#pragma once

#include "screens/sectionheadingdialog.h"

// For unit plans: whether the unit topic and the time frame are printed, and under which
// headings. Two independent headings, each with its own check box, frame, field and Change
// button. Unlike the other heading dialogs an emptied field empties its heading.
class frmUnitTopic : public SectionHeadingDialog
{
    Q_OBJECT
public:
    explicit frmUnitTopic(ScreenContext &ctx, QWidget *parent = nullptr);

    // The time-frame heading and its show flag, held beside the topic's.
    QString strTimeHeadingEdit;
    bool blnShowTimeEdit = false;

    QCheckBox *chkShowTopic = nullptr;
    QGroupBox *Frame = nullptr;
    QLabel *TopicLabel = nullptr;
    QLineEdit *txtTopic = nullptr;
    QPushButton *cmdChangeTopic = nullptr;
    QCheckBox *chkShowTime = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *TimeLabel = nullptr;
    QLineEdit *txtTime = nullptr;
    QPushButton *cmdChangeTime = nullptr;
    QLabel *lblTopicNote = nullptr;

    void Form_Load() override;
    void Form_Activate() override;

    void chkShowTopic_Click();
    void chkShowTime_Click();
    void cmdChangeTopic_Click();
    void cmdChangeTime_Click();
    void txtTopic_Change();
    void txtTime_Change();

protected:
    void applyEdits() override;

private:
    HeadingBlock topic_;
    HeadingBlock time_;
};
