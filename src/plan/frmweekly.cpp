#include "plan/frmweekly.h"

#include "app/frmmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmWeekly::frmWeekly(frmMain &main) : Form(main.platform, &main), main_(main)
{
    setObjectName(QStringLiteral("frmWeekly"));
    setWindowTitle(QStringLiteral(" LESSON PLAN TYPE"));
    auto *prompt = new QLabel(
        QStringLiteral("Choose the planning style for this Lesson Plan Document:"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    optWeekly = new QRadioButton(QStringLiteral("&Weekly Lesson Plan"), this);
    optWeekly->setObjectName(QStringLiteral("optWeekly"));
    optUnit = new QRadioButton(QStringLiteral("&Unit Plan"), this);
    optUnit->setObjectName(QStringLiteral("optUnit"));
    chkAsk = new QCheckBox(QStringLiteral("&Don't ask for each Lesson Plan"), this);
    chkAsk->setObjectName(QStringLiteral("chkAsk"));
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(optWeekly);
    layout->addWidget(optUnit);
    layout->addSpacing(6);
    layout->addWidget(chkAsk);
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);

    connect(optWeekly, &QRadioButton::clicked, this, &frmWeekly::optWeekly_Click);
    connect(optUnit, &QRadioButton::clicked, this, &frmWeekly::optUnit_Click);
    connect(chkAsk, &QCheckBox::clicked, this, &frmWeekly::chkAsk_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmWeekly::cmdOK_Click);
}

void frmWeekly::Form_Activate()
{
    optWeekly->setChecked(main_.m.blnWeeklyPlans);
    optUnit->setChecked(!main_.m.blnWeeklyPlans);
    cmdOK->setFocus();
}

void frmWeekly::optWeekly_Click()
{
    main_.m.blnWeeklyPlans = true;
}

void frmWeekly::optUnit_Click()
{
    main_.m.blnWeeklyPlans = false;
}

void frmWeekly::chkAsk_Click()
{
    main_.SetBlnAskUnit(!chkAsk->isChecked());
}

void frmWeekly::cmdOK_Click()
{
    hide();
}
