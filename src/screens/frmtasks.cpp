#include "screens/frmtasks.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace
{
const QString ActivitiesWord = QStringLiteral("Activities");
const QString TasksWord = QStringLiteral("Tasks");
const QString StrategiesWord = QStringLiteral("Strategies");
} // namespace

frmTasks::frmTasks(ScreenContext &ctx, QWidget *parent)
    : ChosenHeadingDialog(ctx, QStringLiteral("frmTasks"),
                          QStringLiteral("  TASKS/STRATEGIES HEADING"), 10045, parent)
{
    optActivities = addChoice(QStringLiteral("optActivities"), QStringLiteral("&Activities"),
                              ActivitiesWord, this);
    optTasks = addChoice(QStringLiteral("optTasks"), QStringLiteral("&Tasks"), TasksWord, this);
    optStrategies = addChoice(QStringLiteral("optStrategies"), QStringLiteral("&Strategies"),
                              StrategiesWord, this);
    addOther(this);

    auto *grid = new QGridLayout;
    grid->addWidget(optActivities, 0, 0);
    grid->addWidget(optTasks, 1, 0);
    grid->addWidget(optStrategies, 2, 0);
    grid->addWidget(optOther, 3, 0);
    grid->addWidget(txtOther, 3, 1);
    grid->setColumnStretch(1, 1);
    content()->addLayout(grid);
}

void frmTasks::Form_Activate()
{
    selectHeading(m.strTasksHeading);
}

void frmTasks::optActivities_Click()
{
    chooseWord(ActivitiesWord);
}

void frmTasks::optTasks_Click()
{
    chooseWord(TasksWord);
}

void frmTasks::optStrategies_Click()
{
    chooseWord(StrategiesWord);
}

void frmTasks::applyEdits()
{
    strHeadingEdit = cleanHeading(strHeadingEdit);
    m.strTasksHeading = strHeadingEdit;
}
