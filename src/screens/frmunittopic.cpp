#include "screens/frmunittopic.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

frmUnitTopic::frmUnitTopic(ScreenContext &ctx, QWidget *parent)
    : SectionHeadingDialog(ctx, QStringLiteral("frmUnitTopic"),
                           QStringLiteral(" UNIT TOPIC AND TIME FRAME HEADINGS"), 10041, parent)
{
    topic_ = makeHeadingBlock({QStringLiteral("chkShowTopic"), QStringLiteral("Show &Unit Topic"),
                               QStringLiteral("Frame"), QStringLiteral("TopicLabel"),
                               QStringLiteral("txtTopic"), QStringLiteral("cmdChangeTopic"),
                               QStringLiteral("Ch&ange")});
    time_ = makeHeadingBlock({QStringLiteral("chkShowTime"), QStringLiteral("Show &Time Frame"),
                              QStringLiteral("Frame1"), QStringLiteral("TimeLabel"),
                              QStringLiteral("txtTime"), QStringLiteral("cmdChangeTime"),
                              QStringLiteral("Cha&nge")});
    chkShowTopic = topic_.check;
    Frame = topic_.frame;
    TopicLabel = topic_.current;
    txtTopic = topic_.box;
    cmdChangeTopic = topic_.change;
    chkShowTime = time_.check;
    Frame1 = time_.frame;
    TimeLabel = time_.current;
    txtTime = time_.box;
    cmdChangeTime = time_.change;

    // The note takes the place of the topic frame while the topic is not printed.
    lblTopicNote = new QLabel(this);
    lblTopicNote->setObjectName(QStringLiteral("lblTopicNote"));
    lblTopicNote->setWordWrap(true);
    QPalette darkBlue = lblTopicNote->palette();
    darkBlue.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lblTopicNote->setPalette(darkBlue);
    lblTopicNote->hide();

    auto *grid = new QGridLayout;
    grid->addWidget(chkShowTopic, 0, 0);
    grid->addWidget(Frame, 1, 0);
    grid->addWidget(lblTopicNote, 1, 0);
    grid->addWidget(chkShowTime, 2, 0);
    grid->addWidget(Frame1, 3, 0);
    content()->addLayout(grid);

    connect(chkShowTopic, &QCheckBox::toggled, this, &frmUnitTopic::chkShowTopic_Click);
    connect(chkShowTime, &QCheckBox::toggled, this, &frmUnitTopic::chkShowTime_Click);
    connect(cmdChangeTopic, &QPushButton::clicked, this, &frmUnitTopic::cmdChangeTopic_Click);
    connect(cmdChangeTime, &QPushButton::clicked, this, &frmUnitTopic::cmdChangeTime_Click);
    connect(txtTopic, &QLineEdit::textChanged, this, &frmUnitTopic::txtTopic_Change);
    connect(txtTime, &QLineEdit::textChanged, this, &frmUnitTopic::txtTime_Change);
}

void frmUnitTopic::Form_Load()
{
    lblTopicNote->setText(
        QStringLiteral("The Unit Topic will be excluded from Lesson Plan Documents.  However, a "
                       "text field requiring a Unit Topic will still display on the Main Screen.  "
                       "The topic is used as part of the filename when the Lesson Plan Document "
                       "is saved."));
}

void frmUnitTopic::Form_Activate()
{
    chkShowTopic->setChecked(m.blnShowUnitTopic);
    chkShowTopic_Click();
    chkShowTime->setChecked(m.blnShowTimeline);
    chkShowTime_Click();
    // Emptied and grey, but a field opened before stays enabled.
    restHeadingBox(txtTopic, false);
    restHeadingBox(txtTime, false);
    strHeadingEdit = m.strUnitTopicHeading;
    strTimeHeadingEdit = m.strTimelineHeading;
    TopicLabel->setText(m.strUnitTopicHeading);
    TimeLabel->setText(m.strTimelineHeading);
}

void frmUnitTopic::chkShowTopic_Click()
{
    blnShowEdit = followCheck(topic_);
    lblTopicNote->setVisible(!blnShowEdit);
}

void frmUnitTopic::chkShowTime_Click()
{
    blnShowTimeEdit = followCheck(time_);
}

void frmUnitTopic::cmdChangeTopic_Click()
{
    openHeadingBox(txtTopic);
}

void frmUnitTopic::cmdChangeTime_Click()
{
    openHeadingBox(txtTime);
}

void frmUnitTopic::txtTopic_Change()
{
    strHeadingEdit = txtTopic->text();
}

void frmUnitTopic::txtTime_Change()
{
    strTimeHeadingEdit = txtTime->text();
}

void frmUnitTopic::applyEdits()
{
    strHeadingEdit = cleanHeading(strHeadingEdit);
    strTimeHeadingEdit = cleanHeading(strTimeHeadingEdit);
    m.blnShowUnitTopic = blnShowEdit;
    m.strUnitTopicHeading = strHeadingEdit;
    m.blnShowTimeline = blnShowTimeEdit;
    m.strTimelineHeading = strTimeHeadingEdit;
}
