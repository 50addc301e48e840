#include "screens/frmperiodgroup.h"

#include "document/filenames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace
{
const QString PeriodWord = QStringLiteral("Period");
const QString GroupWord = QStringLiteral("Group");
} // namespace

frmPeriodGroup::frmPeriodGroup(ScreenContext &ctx, QWidget *parent)
    : ChosenHeadingDialog(ctx, QStringLiteral("frmPeriodGroup"),
                          QStringLiteral("  PERIOD/GROUP HEADING"), 10044, parent)
{
    chkPeriod = new QCheckBox(QStringLiteral("&Show Period/Group"), this);
    chkPeriod->setObjectName(QStringLiteral("chkPeriod"));
    fraPeriod = new QGroupBox(this);
    fraPeriod->setObjectName(QStringLiteral("fraPeriod"));
    optPeriod =
        addChoice(QStringLiteral("optPeriod"), QStringLiteral("&Period"), PeriodWord, fraPeriod);
    optGroup =
        addChoice(QStringLiteral("optGroup"), QStringLiteral("&Group"), GroupWord, fraPeriod);
    addOther(fraPeriod);

    auto *grid = new QGridLayout(fraPeriod);
    grid->addWidget(optPeriod, 0, 0);
    grid->addWidget(optGroup, 1, 0);
    grid->addWidget(optOther, 2, 0);
    grid->addWidget(txtOther, 2, 1);
    grid->setColumnStretch(1, 1);
    content()->addWidget(chkPeriod);
    content()->addWidget(fraPeriod);

    connect(chkPeriod, &QCheckBox::toggled, this, &frmPeriodGroup::chkPeriod_Click);
}

void frmPeriodGroup::Form_Activate()
{
    chkPeriod->setChecked(m.blnShowPeriod);
    chkPeriod_Click();
    selectHeading(m.strPeriodHeading);
}

void frmPeriodGroup::chkPeriod_Click()
{
    fraPeriod->setVisible(chkPeriod->isChecked());
}

void frmPeriodGroup::optPeriod_Click()
{
    chooseWord(PeriodWord);
}

void frmPeriodGroup::optGroup_Click()
{
    chooseWord(GroupWord);
}

void frmPeriodGroup::txtOther_LostFocus()
{
    // A colon at the end is dropped on Done anyway; it is no reason to warn about the file name.
    strHeadingEdit = MakeFileNameSafe(stripTrailingColons(strHeadingEdit), platform);
}

void frmPeriodGroup::applyEdits()
{
    // The heading goes into file names, so Done does not rely on the field having been left;
    // a heading already checked passes without a second message.
    strHeadingEdit = MakeFileNameSafe(cleanHeading(strHeadingEdit), platform);
    m.strPeriodHeading = strHeadingEdit;
    m.blnShowPeriod = chkPeriod->isChecked();
}
