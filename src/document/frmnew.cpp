#include "document/frmnew.h"

#include "app/frmmain.h"
#include "document/completion.h"
#include "document/planfiles.h"
#include "document/standardsstep.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
// The help topic of starting a plan also explains finishing one.
constexpr int HelpContext = 10002;
} // namespace

frmNew::frmNew(frmMain &main) : Form(main.platform, &main), main_(main)
{
    setObjectName(QStringLiteral("frmNew"));
    setWindowTitle(QStringLiteral(" CURRENT PLAN COMPLETE... START NEW PLAN?"));
    setHelpContextId(HelpContext);

    auto check = [this](const QString &name, const QString &caption) {
        auto *box = new QCheckBox(caption, this);
        box->setObjectName(name);
        return box;
    };
    auto button = [this](const QString &name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    chkPrint = check(QStringLiteral("chkPrint"), QStringLiteral("&Print the Lesson Plan Document"));
    chkSave = check(QStringLiteral("chkSave"), QStringLiteral("Sa&ve the Lesson Plan Document"));
    chkClear = check(QStringLiteral("chkClear"),
                     QStringLiteral("Clear the Form and Begin a &New Lesson Plan Document"));
    lblInstructions = new QLabel(this);
    lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    cmdDone = button(QStringLiteral("cmdDone"), QStringLiteral("&Done"));
    cmdDone->setDefault(true);
    cmdCancel = button(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    cmdHelp = button(QStringLiteral("cmdHelp"), QStringLiteral("&Help"));
    setEscapeButton(cmdCancel);
    highlightOnHover(cmdHelp);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblInstructions);
    layout->addSpacing(6);
    layout->addWidget(chkPrint);
    layout->addWidget(chkSave);
    layout->addWidget(chkClear);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(cmdDone, &QPushButton::clicked, this, &frmNew::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmNew::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmNew::cmdHelp_Click);
}

void frmNew::Form_Load()
{
    lblInstructions->setText(QStringLiteral("Select one or more of the instructions below.\r\n"
                                            "They will be processed in order from the top of the "
                                            "list."));
}

void frmNew::Form_Activate()
{
    chkPrint->setChecked(false);
    chkSave->setChecked(false);
    chkClear->setChecked(true);
    cmdDone->setFocus();
}

QString frmNew::tickedActions() const
{
    QStringList actions;
    if (chkPrint->isChecked())
        actions << QStringLiteral("printing");
    if (chkSave->isChecked())
        actions << QStringLiteral("saving");
    if (chkClear->isChecked())
        actions << QStringLiteral("clearing");
    if (actions.size() < 2)
        return actions.value(0);
    const QString last = actions.takeLast();
    return actions.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

void frmNew::cmdDone_Click()
{
    PlanCompletion *completion = main_.completion;
    // The standards kept for the end of the plan are offered once, before the first action.
    const QString actions = tickedActions();
    if (!actions.isEmpty())
        main_.standards->CheckMissingStandards(actions);
    if (chkPrint->isChecked())
        completion->DoPrint(PlanCompletion::Document::Current);
    if (chkSave->isChecked())
        main_.files->SaveFile();
    if (chkClear->isChecked())
        completion->ClearScreen(true);

    main_.EnableControls(true);
    if (!main_.m.blnShowPeriod) {
        main_.cboCourses->setCurrentIndex(-1);
        main_.m.blnReadyToBegin = false;
    }
    main_.txtObjective->setEnabled(false);
    accept();
}

void frmNew::cmdCancel_Click()
{
    const auto answer = platform.messageBox(
        QStringLiteral("Take no action and return to the Lesson Plan under construction?"),
        QStringLiteral("Cancel Actions?"), Platform::Buttons::YesNo, Platform::Icon::Question);
    if (answer != Platform::Answer::Yes)
        return;
    main_.EnableControls(false);
    QDialog::reject();
}

void frmNew::cmdHelp_Click()
{
    showContextHelp();
}
