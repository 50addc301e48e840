#include "plan/daywriter.h"

#include "app/frmmain.h"
#include "document/standardsstep.h"
#include "plan/dayentries.h"
#include "plan/entrydialogs.h"
#include "plan/planstart.h"
#include "plan/schoolcalendar.h"
#include "platform/entertwice.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>

namespace
{
const QString CrLf = QStringLiteral("\r\n");
void focus(QWidget *w)
{
    if (w && w->isEnabled() && !w->isHidden())
        w->setFocus(Qt::OtherFocusReason);
}
} // namespace

DayWriter::DayWriter(frmMain &w) : QObject(&w), w(w)
{
    connect(w.cmdDone1, &QPushButton::clicked, this, &DayWriter::cmdDone1_Click);
    connect(w.entries, &DayEntries::nonInstructionalDayChosen, this,
            &DayWriter::NonInstructionalDay);
    // Enter twice in the closure writes the list, wherever the caret is.
    closureKeys_ = new EnterTwice(w.txtClosure, nullptr, EnterTwice::Options{0, -1, false});
    connect(closureKeys_, &EnterTwice::accepted, this, &DayWriter::cmdDone1_Click);
    // Any key or mouse press in the closure whitens it (installed last, so it sees every key).
    w.txtClosure->installEventFilter(this);
    w.txtClosure->viewport()->installEventFilter(this);
}

bool DayWriter::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == w.txtClosure && event->type() == QEvent::KeyPress) ||
        (watched == w.txtClosure->viewport() && event->type() == QEvent::MouseButtonPress))
        ui::setBackColor(w.txtClosure, ui::white());
    return QObject::eventFilter(watched, event);
}

void DayWriter::append(const QString &text, bool bold, bool italic, bool underline)
{
    RichTextBox *doc = w.RTxtComposite;
    doc->MoveToEnd();
    doc->setSelBold(bold);
    doc->setSelItalic(italic);
    doc->setSelUnderline(underline);
    doc->setSelText(text);
}

void DayWriter::startLine()
{
    RichTextBox *doc = w.RTxtComposite;
    if (!doc->document()->lastBlock().text().isEmpty())
        append(CrLf, false, false, false);
}

void DayWriter::writeSpecialNote(bool bold, bool italic)
{
    LessonPlanModule &m = w.m;
    if (m.strSpecialNote.trimmed().isEmpty())
        return;
    append(m.strNoteOpen + m.strSpecialNote + m.strNoteClose + CrLf, bold, italic, false);
    noteWritten();
}

void DayWriter::noteWritten()
{
    // Written once: neither the next list nor the next day's note dialog offers it again.
    w.m.strSpecialNote.clear();
    w.entries->clearSpecialNote();
}

void DayWriter::cmdDone1_Click()
{
    LessonPlanModule &m = w.m;
    w.plan->blnDayWritten = true;
    w.txtObjective->setEnabled(false);
    const QString objective = ui::toCrLf(w.txtObjective->toPlainText());

    // The day's heading lines, with the first list of the day
    if (m.intStep == 1) {
        if (m.blnWeeklyPlans) {
            startLine();
            append(CrLf, false, false, false);
            append(w.cboDay->currentText() + CrLf, true, false, false);
            writeSpecialNote(false, false);
            if (m.blnShowDailyObj)
                append(m.strDailyObjHeading + QStringLiteral(": ") + objective + CrLf, false, true,
                       false);
        } else {
            if (objective.trimmed().isEmpty() && m.blnShowTimeline) {
                w.plan->blnDayWritten = false;
                w.platform.messageBox(QStringLiteral("Please fill in a Time Frame for this Unit "
                                                     "Plan."),
                                      QStringLiteral("Missing Data"), Platform::Buttons::OK,
                                      Platform::Icon::Information);
                w.txtObjective->setEnabled(true);
                focus(w.txtObjective);
                return;
            }
            startLine();
            if (m.blnShowTimeline)
                append(m.strTimelineHeading + QStringLiteral(": ") + objective + CrLf, false, false,
                       false);
            w.txtUnit->setEnabled(false);
            writeSpecialNote(false, false);
            if (m.blnShowDailyObj)
                append(m.strDailyObjHeading + QStringLiteral(": ") + m.strUnitText, true, true,
                       false);
            append(CrLf, false, false, false);
        }
    }

    // The list heading, the numbered entries and the closure
    const QString heading = m.intStep == 1 ? m.strTasksHeading : m.strAssessHeading;
    startLine();
    append(heading + QStringLiteral(":"), false, true, true);
    QString entries;
    for (int i = 0; i < w.lstBuild->count(); ++i)
        entries +=
            QString::number(i + 1) + QStringLiteral(". ") + w.lstBuild->item(i)->text() + CrLf;
    append(CrLf + entries, false, false, false);
    const QString closure = ui::toCrLf(w.txtClosure->toPlainText());
    if (!closure.trimmed().isEmpty()) {
        append(m.strClosureHeading + QStringLiteral(":") + CrLf, false, true, true);
        append(closure + CrLf, false, false, false);
        w.txtClosure->clear();
    }

    w.cboDay->setEnabled(false);
    w.RTxtComposite->MoveToEnd();
    FinishList(false);
}

void DayWriter::NonInstructionalDay()
{
    LessonPlanModule &m = w.m;
    const QString day = w.cboDay->currentText();
    const auto answer = w.platform.messageBox(
        QStringLiteral("Add ") + day + QStringLiteral(", to the Lesson Plan Document") + CrLf +
            QStringLiteral("without instructional activities for the day?") + CrLf +
            QStringLiteral("(A Special Note will be requested if the") + CrLf +
            QStringLiteral("Page Configuration has been set up to include one.)"),
        QStringLiteral("Non-Instructional Day"), Platform::Buttons::YesNo,
        Platform::Icon::Question);
    if (answer == Platform::Answer::Yes) {
        append(CrLf + day, true, false, false);
        w.txtDescription->hide();
        w.lblDescription->hide();
        w.plan->blnDayWritten = true;
        if (m.blnShowNote) {
            frmSpecialNote *note = w.entries->noteDialog();
            note->lblInstruct->show();
            w.platform.showModal(note);
            if (!m.strSpecialNote.trimmed().isEmpty()) {
                append(CrLf + m.strNoteOpen + m.strSpecialNote + m.strNoteClose, false, false,
                       false);
                noteWritten();
            }
        }
        append(CrLf, false, false, false);
    } else {
        w.plan->blnDayWritten = false;
        w.optTask[15]->setText(QStringLiteral("( Blank &Line for Free-Form Typing )"));
    }
    FinishList(true);
    w.optTask[15]->setAutoExclusive(false);
    w.optTask[15]->setChecked(false);
    w.optTask[15]->setAutoExclusive(true);
    w.optDummy->setFocus(Qt::OtherFocusReason);
}

void DayWriter::endDay()
{
    if (w.m.blnWeeklyPlans)
        w.calendar->AdvanceDay();
    else
        EndOfPlan();
}

void DayWriter::FinishList(bool nonInstructional)
{
    LessonPlanModule &m = w.m;
    w.lstBuild->clear();
    w.lstAdd->clear();
    w.lstAdd->setEnabled(false);
    w.cmdDone1->hide();
    // A day answered No to being non-instructional is still open, and may still take a note.
    if (!nonInstructional || w.plan->blnDayWritten)
        w.cmdNote->setEnabled(false);
    w.lblClosure->hide();
    ui::setBackColor(w.txtClosure, ui::lightYellow());
    w.txtClosure->hide();

    const bool moreSteps = m.blnShowMaterials || m.blnShowStandards;
    const int nextOfDay = m.blnShowMaterials ? 3 : 4;
    if (m.intStep == 1) {
        if (nonInstructional) {
            if (w.plan->blnDayWritten)
                w.calendar->AdvanceDay();
        } else if (m.blnShowAssessment) {
            m.intStep = 2;
        } else if (!moreSteps) {
            endDay();
        } else {
            m.intStep = nextOfDay;
        }
    } else if (m.intStep == 2) {
        if (!moreSteps) {
            m.intStep = 1;
            endDay();
        } else {
            m.intStep = nextOfDay;
        }
    }
    w.optDummy->setFocus(Qt::OtherFocusReason);
    w.PrepareStep();
}

void DayWriter::EndOfPlan()
{
    LessonPlanModule &m = w.m;
    if (w.plan->blnDayWritten && m.blnShowStandards && !w.plan->blnStandardsAdded)
        w.standards->WriteStandards();
    w.platform.messageBox(QStringLiteral("End of ") + w.strWeekOrUnit +
                              QStringLiteral(". Save or print the Lesson Plan Document."),
                          QStringLiteral("End of ") + w.strWeekOrUnit, Platform::Buttons::OK,
                          Platform::Icon::Information);
    w.txtObjective->clear();
    w.txtObjective->setEnabled(false);
    w.cboDay->setEnabled(false);
    w.cmdContinue->hide();
    w.cmdBegin->setEnabled(false);
    m.blnReadyToBegin = false;
    w.cmdEnlarge->setEnabled(true);
    // The plan is closed: no step is left, and the entry panel stays shut until a new plan.
    m.intStep = 0;
    w.fraDay->hide();
    w.fraBlank->show();
}
