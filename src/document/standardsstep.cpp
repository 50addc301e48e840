#include "document/standardsstep.h"

#include "app/frmmain.h"
#include "plan/daywriter.h"
#include "plan/planstart.h"
#include "plan/schoolcalendar.h"
#include "platform/platform.h"
#include "platform/ui.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

namespace
{
const QString CrLf = QStringLiteral("\r\n");
}

StandardsStep::StandardsStep(frmMain &w) : QObject(&w), w(w)
{
    connect(w.cmdAddToPlan, &QPushButton::clicked, this, &StandardsStep::cmdAddToPlan_Click);
}

void StandardsStep::cmdAddToPlan_Click()
{
    LessonPlanModule &m = w.m;
    QString choices;
    for (int i = 0; i < w.lstChooseStandards->count(); ++i)
        choices += ui::isTicked(w.lstChooseStandards, i) ? QLatin1Char('1') : QLatin1Char('0');
    const int course = w.plan->intCourseIndex;
    if (course >= 0 && course < 10 && course < m.strStdChoices.size())
        m.strStdChoices[course] = choices;
    if (!m.blnStandardsOnce)
        WriteStandards();
    EndStandardsStep();
}

void StandardsStep::WriteStandards()
{
    const LessonPlanModule &m = w.m;
    DayWriter *writer = w.writer;
    writer->startLine();
    if (m.blnWeeklyPlans && m.blnStandardsOnce)
        writer->append(CrLf, false, false, false);
    writer->append(m.strStandardsHeading + QStringLiteral(":") + CrLf, false, true, true);
    const bool prefixed = m.strStandardsMode == QLatin1String("PREFIXED");
    int written = 0;
    for (int i = 0; i < w.lstChooseStandards->count(); ++i) {
        if (!ui::isTicked(w.lstChooseStandards, i))
            continue;
        const QString code = i < m.strStdCodes.size() ? m.strStdCodes.at(i) : QString();
        const QString text = i < m.strStdTexts.size() ? m.strStdTexts.at(i) : QString();
        QString line;
        if (prefixed) {
            line = (written > 0 ? QStringLiteral(";   ") : QString()) + code;
        } else {
            line = (written > 0 ? CrLf : QString()) + code +
                   (code.trimmed().isEmpty() ? QString() : QStringLiteral("   ")) + text;
        }
        writer->append(line, false, false, false);
        ++written;
    }
    if (written >= 1 && !m.blnStandardsOnce)
        writer->append(CrLf, false, false, false);
    w.plan->blnStandardsAdded = true;
}

void StandardsStep::EndStandardsStep()
{
    LessonPlanModule &m = w.m;
    w.fraStandards->hide();
    w.cboOldPlans->setEnabled(true);
    w.cmdPrev->setEnabled(true);
    if (m.blnWeeklyPlans) {
        m.intStep = 1;
        w.calendar->AdvanceDay();
    } else {
        w.writer->EndOfPlan();
        m.intStep = 0;
    }
    w.PrepareStep();
}

void StandardsStep::CheckMissingStandards(const QString &action)
{
    const LessonPlanModule &m = w.m;
    if (!m.blnShowStandards || !m.blnStandardsOnce || w.plan->blnStandardsAdded)
        return;
    const auto answer = w.platform.messageBox(
        QStringLiteral("Your settings specify that the Standards (") + m.strStandardsHeading +
            QStringLiteral(") should be printed at the end of the Lesson Plan Document. This step "
                           "has not yet been completed.") +
            CrLf + CrLf + QStringLiteral("Add the current selections to the Plan before ") +
            action + QStringLiteral("?"),
        QStringLiteral("Missing Standards (") + m.strStandardsHeading + QStringLiteral(")"),
        Platform::Buttons::YesNo, Platform::Icon::Question);
    if (answer == Platform::Answer::Yes)
        WriteStandards();
}
