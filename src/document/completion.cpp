#include "document/completion.h"

#include "app/frmmain.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

PlanCompletion::PlanCompletion(frmMain &w) : QObject(&w), w(w) {}

QString PlanCompletion::GetSavePrintStatus(const QString &saved, const QString &printed)
{
    const bool notSaved = saved == QLatin1String("N");
    const bool notPrinted = printed == QLatin1String("N");
    if (notSaved && notPrinted)
        return QStringLiteral("The current Lesson Plan has not been printed or saved.");
    if (notPrinted)
        return QStringLiteral("The current Lesson Plan has been saved but not printed.");
    if (notSaved)
        return QStringLiteral("The current Lesson Plan has been printed but not saved.");
    return QString();
}

void PlanCompletion::ClearScreen(bool ask)
{
    LessonPlanModule &m = w.m;
    if (ask) {
        const QString status = GetSavePrintStatus(m.strPlanSaved, m.strPlanPrinted);
        if (!status.isEmpty()) {
            const auto answer = w.platform.messageBox(
                status + QStringLiteral("\r\nProceed with clearing the Lesson Plan Document "
                                        "anyway?"),
                QStringLiteral("Reminder..."), Platform::Buttons::YesNo,
                Platform::Icon::Exclamation);
            if (answer != Platform::Answer::Yes)
                return;
            m.intStep = 0;
            m.strSavedBeforeSettings = QStringLiteral("N");
        }
    }

    RichTextBox *doc = w.RTxtComposite;
    doc->setText(QString());
    doc->show();
    doc->setBackColor(ui::buttonFace());
    doc->setEnabled(false);

    for (QWidget *c : std::initializer_list<QWidget *>{
             w.lblCurrentDoc, w.lblSavePrint, w.fraDay, w.cmdDone1, w.fraEdit, w.cmdContinue,
             w.txtDescription, w.lblDescription, w.lblTwice, w.cmdOK, w.lblUnchanged, w.cmdNewUnit,
             w.cmdNote})
        c->hide();
    w.fraBlank->show();
    w.txtPeriod->clear();
    w.txtObjective->clear();
    w.txtObjective->setEnabled(false);
    ui::setBackColor(w.txtObjective, ui::buttonFace());
    if (m.blnWeeklyPlans && w.cboDay->count() > 0)
        w.cboDay->setCurrentIndex(0);
    w.cmdStore->setEnabled(false);
    w.cmdPrint->setEnabled(false);
    w.cmdClose->setEnabled(false);
    w.fraCurrent->setEnabled(true);
    m.intStep = 0;
}
