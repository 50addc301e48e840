#include "settings/frmsetupassess.h"

#include "platform/ui.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmSetUpAssess::frmSetUpAssess(ScreenContext &ctx, QWidget *parent)
    : ActivityListDialog(
          ctx, QStringLiteral("frmSetUpAssess"), QStringLiteral("  ASSESSMENT ACTIVITIES  SETUP"),
          10048,
          QStringLiteral("Enter up to 15 Assessment Activities that you include in your Lesson "
                         "Plans:"),
          QStringLiteral(
              "&Automatically end each Assessment Activity with the punctuation mark(s)"),
          parent)
{
    chkShowAssessment = new QCheckBox(QStringLiteral("&Show Assessments"), this);
    chkShowAssessment->setObjectName(QStringLiteral("chkShowAssessment"));
    fraAssessment = new QGroupBox(this);
    fraAssessment->setObjectName(QStringLiteral("fraAssessment"));
    auto *currently = new QLabel(QStringLiteral("Currently..."), fraAssessment);
    currently->setObjectName(QStringLiteral("Label1(%1)").arg(BoxCount));
    Label1.append(currently);
    lblHeading = new QLabel(fraAssessment);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    QFont bold = lblHeading->font();
    bold.setBold(true);
    lblHeading->setFont(bold);
    txtNewHeading = new QLineEdit(fraAssessment);
    txtNewHeading->setObjectName(QStringLiteral("txtNewHeading"));
    cmdChange = makeButton(QStringLiteral("cmdChange"), QStringLiteral("Ch&ange"), fraAssessment);

    auto *frameLayout = new QHBoxLayout(fraAssessment);
    frameLayout->addWidget(currently);
    frameLayout->addWidget(lblHeading, 1);
    frameLayout->addWidget(txtNewHeading, 1);
    frameLayout->addWidget(cmdChange);
    content()->insertWidget(0, chkShowAssessment);
    content()->insertWidget(1, fraAssessment);

    connect(chkShowAssessment, &QCheckBox::toggled, this, &frmSetUpAssess::chkShowAssessment_Click);
    connect(cmdChange, &QPushButton::clicked, this, &frmSetUpAssess::cmdChange_Click);
    connect(txtNewHeading, &QLineEdit::returnPressed, this,
            &frmSetUpAssess::txtNewHeading_KeyPress);
}

void frmSetUpAssess::Load()
{
    txtPunct->setText(m.strAssessPunct);
    chkShowAssessment->setChecked(m.blnShowAssessment);
    showList(m.strAssessments);
    chkShowAssessment_Click();
    lblHeading->setText(m.strAssessHeading);
}

void frmSetUpAssess::Form_Load()
{
    Load();
}

void frmSetUpAssess::Form_Activate()
{
    // Read the settings again: they may have been imported or changed since the last showing.
    Load();
    strStatus = QStringLiteral("UNSAVED");
    fraAssessment->setVisible(chkShowAssessment->isChecked());
    txtNewHeading->clear();
    ui::setBackColor(txtNewHeading, ui::buttonFace());
}

void frmSetUpAssess::chkShowAssessment_Click()
{
    const bool shown = chkShowAssessment->isChecked();
    fraAssessment->setVisible(shown);
    for (int i = 0; i < BoxCount && i < txtActivity.size() && i < Label1.size(); ++i) {
        txtActivity[i]->setEnabled(shown);
        Label1[i]->setEnabled(shown);
    }
    txtPunct->setEnabled(shown);
}

void frmSetUpAssess::cmdChange_Click()
{
    ui::setBackColor(txtNewHeading, ui::white());
    txtNewHeading->setFocus(Qt::OtherFocusReason);
}

void frmSetUpAssess::txtNewHeading_KeyPress()
{
    cmdDone_Click();
}

void frmSetUpAssess::applyEdits()
{
    m.strAssessPunct = ReplaceQuotes(txtPunct->text());
    keepList(m.strAssessments);
    m.blnShowAssessment = chkShowAssessment->isChecked();
    // A heading made only of colons (or blanks) leaves the old one in place.
    const QString heading = stripTrailingColons(txtNewHeading->text());
    if (!heading.trimmed().isEmpty()) {
        m.strAssessHeading = ReplaceQuotes(heading);
        lblHeading->setText(m.strAssessHeading);
        txtNewHeading->clear();
        ui::setBackColor(txtNewHeading, ui::buttonFace());
    }
}
