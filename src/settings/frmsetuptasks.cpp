#include "settings/frmsetuptasks.h"

#include "platform/platform.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
const QString ParenthesesTemplate = QStringLiteral("(X) ");
const QString BracketsTemplate = QStringLiteral("[X] ");
} // namespace

frmSetupTasks::frmSetupTasks(ScreenContext &ctx, QWidget *parent)
    : ActivityListDialog(
          ctx, QStringLiteral("frmSetupTasks"), QStringLiteral("  INSTRUCTIONAL ACTIVITIES  SETUP"),
          10047,
          QStringLiteral(
              "Enter up to 15 Instructional Activities that you include in your Lesson Plans:"),
          QStringLiteral(
              "&Automatically end each Instructional Activity with the punctuation mark(s)"),
          parent)
{
    chkTime = new QCheckBox(QStringLiteral("Include &Time-on-Task"), this);
    chkTime->setObjectName(QStringLiteral("chkTime"));
    TimeFrame = new QGroupBox(this);
    TimeFrame->setObjectName(QStringLiteral("TimeFrame"));
    optParentheses =
        new QRadioButton(QStringLiteral("Enclose Time in ( &PARENTHESES )"), TimeFrame);
    optParentheses->setObjectName(QStringLiteral("optParentheses"));
    optBrackets = new QRadioButton(QStringLiteral("EncloseTime in [ &BRACKETS ]"), TimeFrame);
    optBrackets->setObjectName(QStringLiteral("optBrackets"));
    txtUnit = new QLineEdit(TimeFrame);
    txtUnit->setObjectName(QStringLiteral("txtUnit"));
    lblUnits = new QLabel(QStringLiteral("&Units:"), TimeFrame);
    lblUnits->setObjectName(QStringLiteral("lblUnits"));
    lblUnits->setBuddy(txtUnit);

    auto *options = new QVBoxLayout;
    options->addWidget(optParentheses);
    options->addWidget(optBrackets);
    auto *frameLayout = new QHBoxLayout(TimeFrame);
    frameLayout->addLayout(options);
    frameLayout->addWidget(lblUnits);
    frameLayout->addWidget(txtUnit);
    content()->addWidget(chkTime);
    content()->addWidget(TimeFrame);

    connect(chkTime, &QCheckBox::toggled, this, &frmSetupTasks::chkTime_Click);
    connect(optBrackets, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optBrackets_Click();
    });
    connect(optParentheses, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optParentheses_Click();
    });
    connect(txtUnit, &QLineEdit::textChanged, this, &frmSetupTasks::txtUnit_Change);
    connect(FocusEvents::of(txtUnit), &FocusEvents::gotFocus, this,
            &frmSetupTasks::txtUnit_GotFocus);
}

void frmSetupTasks::Load()
{
    txtPunct->setText(m.strActivityPunct);
    chkTime->setChecked(m.blnShowTime);
    applyTimeChoice();
    // An empty template (time on task switched off) leaves the enclosure chosen earlier in
    // place, so that ticking the box again brings it back.
    QRadioButton *option = nullptr;
    if (m.strTimeTemplate.startsWith(QLatin1Char('[')))
        option = optBrackets;
    else if (!m.strTimeTemplate.isEmpty() || strTemplateChoice.isEmpty())
        option = optParentheses;
    if (option) {
        option->setChecked(true);
        if (option == optBrackets)
            optBrackets_Click();
        else
            optParentheses_Click();
    }
    showList(m.strActivities);
}

void frmSetupTasks::Form_Load()
{
    Load();
}

void frmSetupTasks::Form_Activate()
{
    // Read the settings again: they may have been imported or changed since the last showing.
    Load();
    strStatus = QStringLiteral("UNSAVED");
    chkTime->setText(QStringLiteral("Include &Time on Task after every ") + m.strTasksHeading +
                     QStringLiteral(" item"));
    txtUnit->setText(m.strTimeUnit);
    strUnitChoice = txtUnit->text();
}

void frmSetupTasks::applyTimeChoice()
{
    blnTimeChoice = chkTime->isChecked();
    TimeFrame->setVisible(blnTimeChoice);
}

void frmSetupTasks::chkTime_Click()
{
    applyTimeChoice();
}

void frmSetupTasks::optBrackets_Click()
{
    strTemplateChoice = BracketsTemplate;
}

void frmSetupTasks::optParentheses_Click()
{
    strTemplateChoice = ParenthesesTemplate;
}

void frmSetupTasks::txtUnit_Change()
{
    strUnitChoice = txtUnit->text();
}

void frmSetupTasks::txtUnit_GotFocus()
{
    selectOnFocus(txtUnit, 3);
}

void frmSetupTasks::applyEdits()
{
    m.strActivityPunct = ReplaceQuotes(txtPunct->text());
    keepList(m.strActivities);
    m.blnShowTime = blnTimeChoice;
    m.strTimeTemplate = blnTimeChoice ? strTemplateChoice : QString();
    if (strUnitChoice.trimmed().isEmpty()) {
        if (blnTimeChoice)
            ctx.platform.messageBox(QStringLiteral("The time unit cannot be blank. The default "
                                                   "unit 'min' will be used."),
                                    QStringLiteral("Missing Entry"), Platform::Buttons::OK,
                                    Platform::Icon::Information);
        m.strTimeUnit = QStringLiteral("min");
    } else {
        // Stored texts never hold a double quote; the unit is printed after every time.
        m.strTimeUnit = ReplaceQuotes(strUnitChoice);
    }
}
