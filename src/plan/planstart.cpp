#include "plan/planstart.h"

#include "app/frmmain.h"
#include "document/completion.h"
#include "document/planfiles.h"
#include "plan/dayentries.h"
#include "plan/entrydialogs.h"
#include "plan/frmweekly.h"
#include "plan/schoolcalendar.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>

namespace
{
const QString CrLf = QStringLiteral("\r\n");
bool shown(const QWidget *w)
{
    return w && !w->isHidden();
}
void focus(QWidget *w)
{
    if (w && w->isEnabled() && !w->isHidden())
        w->setFocus(Qt::OtherFocusReason);
}
} // namespace

PlanStart::PlanStart(frmMain &w) : QObject(&w), w(w)
{
    connect(w.cmdBegin, &QPushButton::clicked, this, &PlanStart::cmdBegin_Click);
}

frmWeekly *PlanStart::weeklyDialog()
{
    if (!weekly_)
        weekly_ = new frmWeekly(w);
    return weekly_;
}

void PlanStart::write(const QString &text)
{
    w.RTxtComposite->setSelText(text);
}

QString PlanStart::headingLine(int displayOrder, const QString &teacher, const QString &week,
                               const QString &schoolYear)
{
    const QString five(5, QLatin1Char(' '));
    const QString plans = schoolYear + QStringLiteral(" Lesson Plans");
    switch (displayOrder) {
    case 0:
        return teacher + five + week + five + plans;
    case 1:
        return week + five + teacher + five + plans;
    case 2:
        return plans + five + week + five + teacher;
    case 3:
        return teacher + QString(10, QLatin1Char(' ')) + plans + five + week;
    default:
        return QString();
    }
}

void PlanStart::cmdBegin_Click()
{
    LessonPlanModule &m = w.m;
    RichTextBox *doc = w.RTxtComposite;

    // A weekly plan begins only on a whole week, its first school day chosen.
    if (m.blnWeeklyPlans && !w.calendar->weekComplete()) {
        w.cmdBegin->setEnabled(false);
        return;
    }

    // 1-2. The period is needed before anything is written.
    w.setHelpContextId(10003);
    m.blnReadyToBegin = false;
    if (m.blnShowPeriod && w.txtPeriod->text().trimmed().isEmpty()) {
        w.platform.messageBox(QStringLiteral("Fill in the Period/Group (") + m.strPeriodHeading +
                                  QStringLiteral(")..."),
                              QStringLiteral("Missing Data"), Platform::Buttons::OK,
                              Platform::Icon::Question);
        focus(w.txtPeriod);
        return;
    }

    // 3. The free item
    w.optTask[15]->setText(m.blnWeeklyPlans
                               ? QStringLiteral("( No entries... Non-Instructiona&l Day )")
                               : QStringLiteral("( Blank &Line for Free-Form Typing )"));

    // 4. The document, opened for the plan, in its normal black text
    openDocument();
    doc->setText(QString());
    doc->setSelColor(QColor());
    doc->setSelUnderline(false);

    // 5. School name
    if (m.blnUseSchoolName)
        write(m.strSchoolName.toUpper() + CrLf);

    // 6. Heading line, underlined
    doc->setSelUnderline(true);
    const QString week = m.blnWeeklyPlans ? QStringLiteral("Week of ") + w.cboMonth->currentText() +
                                                QLatin1Char(' ') + w.cboDate->currentText()
                                          : QStringLiteral("Unit Plan");
    const QString heading = headingLine(m.intDisplayOrder, m.strTeacherName, week, m.strSchoolYear);
    if (!heading.isEmpty())
        write(heading + CrLf + CrLf);
    doc->setSelUnderline(false);

    // 7. Course line, bold; no line break follows.
    doc->setSelBold(true);
    QString course = m.strCourseHeading + QStringLiteral(": \"") + w.cboCourses->currentText() +
                     QLatin1Char('"');
    if (m.blnShowPeriod)
        course +=
            QStringLiteral("    ") + m.strPeriodHeading + QLatin1Char(' ') + w.txtPeriod->text();
    write(course);
    doc->setSelBold(false);

    // 8-9. A document of the same name may already exist.
    const int duplicate = w.files->CheckDuplicateFile();
    if (duplicate == 3) {
        m.intStep = 0;
        w.completion->ClearScreen(false);
        PrepareStep();
        return;
    }

    // The existing document was opened: it is the plan, and nothing is added to it.
    if (duplicate == 1) {
        if (!m.blnWeeklyPlans && m.blnShowDailyObj)
            w.cmdNewUnit_Click(); // the unit objective is kept for the day, not written
        continueFromDocument(true);
        return;
    }

    // 10. Unit goal (weekly) or unit topic and objective (unit)
    if (m.blnWeeklyPlans) {
        if (!m.blnShowUnitGoal)
            write(CrLf);
        else
            w.cmdNewUnit_Click();
    } else {
        doc->MoveToEnd();
        write(CrLf);
        if (m.blnShowUnitTopic || m.blnShowDailyObj || m.blnShowTimeline)
            write(CrLf);
        doc->setSelBold(true);
        if (m.blnShowUnitTopic)
            write(m.strUnitTopicHeading + QStringLiteral(": ") + w.txtUnit->text() + CrLf);
        if (m.blnShowDailyObj)
            w.cmdNewUnit_Click();
    }

    enterFirstStep();
}

void PlanStart::enterFirstStep()
{
    LessonPlanModule &m = w.m;
    // 11-13. The day's entries open; the plan's target is locked.
    if (shown(w.txtObjective)) {
        w.txtObjective->setEnabled(true);
        w.txtObjective->setFocus(Qt::OtherFocusReason);
    } else {
        w.optDummy->setFocus(Qt::OtherFocusReason);
    }
    w.cmdNote->setVisible(m.blnShowNote);
    w.fraDay->show();
    w.fraBlank->hide();
    w.cmdBegin->setEnabled(false);
    ui::setBackColor(w.txtObjective, ui::white());
    w.EnableControls(false);

    // 14. The first school day
    if (m.blnWeeklyPlans) {
        w.cboDay->setEnabled(true);
        if (w.cboDay->currentIndex() <= 0 && w.cboDay->count() > 0)
            w.cboDay->setCurrentIndex(0);
    }

    // 15. A new, unsaved plan
    m.strPlanSaved = QStringLiteral("N");
    m.strPlanPrinted = QStringLiteral("N");
    blnDayWritten = false;
    blnStandardsAdded = false;
    w.cmdNote->setEnabled(true);
    w.clearSpecialNote();
    w.lblSavePrint->hide();

    materialsShown_ = false;

    // 16.
    m.intStep = 1;
    w.PrepareStep();
}

void PlanStart::openDocument()
{
    RichTextBox *doc = w.RTxtComposite;
    doc->setEnabled(true);
    doc->setBackColor(ui::white());
    w.lblCurrentDoc->show();
}

int PlanStart::firstDayNotWritten() const
{
    // Every day is written under a heading line that is the day's text alone (a list's day
    // heading and a non-instructional day alike).
    QSet<QString> lines;
    for (QTextBlock b = w.RTxtComposite->document()->begin(); b.isValid(); b = b.next())
        lines.insert(b.text().trimmed());
    for (int i = 0; i < w.cboDay->count(); ++i)
        if (!lines.contains(w.cboDay->itemText(i)))
            return i;
    return -1;
}

void PlanStart::continueFromDocument(bool saved)
{
    LessonPlanModule &m = w.m;
    w.optTask[15]->setText(m.blnWeeklyPlans
                               ? QStringLiteral("( No entries... Non-Instructiona&l Day )")
                               : QStringLiteral("( Blank &Line for Free-Form Typing )"));
    openDocument();
    const int day = m.blnWeeklyPlans ? firstDayNotWritten() : 0;
    if (m.blnWeeklyPlans && day > 0)
        w.cboDay->setCurrentIndex(day);
    enterFirstStep();
    // Days already in the file count as written (the standards block at the end needs one).
    blnDayWritten = m.blnWeeklyPlans && day != 0;
    if (m.blnWeeklyPlans && day < 0) {
        // The whole week is in the file already: the plan has ended.
        w.cboDay->setCurrentIndex(w.cboDay->count() - 1);
        w.calendar->AdvanceDay();
    }
    if (saved) {
        // The document is the file as it was saved.
        m.strPlanSaved = QStringLiteral("Y");
        w.lblSavePrint->show();
        w.PrepareStep();
    }
}

PlanProgress PlanStart::progress() const
{
    const LessonPlanModule &m = w.m;
    PlanProgress p;
    p.weekly = m.blnWeeklyPlans;
    p.course = w.cboCourses->currentText();
    p.period = w.txtPeriod->text();
    p.month = w.cboMonth->currentText();
    p.date = w.cboDate->currentText();
    p.unitTopic = w.txtUnit->text();
    p.step = m.intStep;
    p.dayIndex = w.cboDay->currentIndex();
    p.day = w.cboDay->currentText();
    p.dayWritten = blnDayWritten;
    p.standardsAdded = blnStandardsAdded;
    p.objective = ui::toCrLf(w.txtObjective->toPlainText());
    p.objectiveOpen = w.txtObjective->isEnabled();
    const int count = std::min(w.lstAdd->count(), w.lstBuild->count());
    for (int i = 0; i < count; ++i) {
        p.listed << w.lstAdd->item(i)->text();
        p.entries << w.lstBuild->item(i)->text();
    }
    p.closure = ui::toCrLf(w.txtClosure->toPlainText());
    p.specialNote = m.strSpecialNote;
    p.unitText = m.strUnitText;
    if (m.intStep == 3)
        p.materialsListing = ui::toCrLf(w.txtSample->toPlainText());
    return p;
}

void PlanStart::restoreTarget(const PlanProgress &p)
{
    LessonPlanModule &m = w.m;
    m.blnWeeklyPlans = p.weekly;
    {
        // A course renamed since the plan was begun is put back in the list, so the plan
        // keeps its course.
        const QSignalBlocker quiet(w.cboCourses);
        int course = w.cboCourses->findText(p.course, Qt::MatchExactly);
        if (course < 0 && !p.course.isEmpty()) {
            w.cboCourses->addItem(p.course);
            course = w.cboCourses->count() - 1;
        }
        w.cboCourses->setCurrentIndex(course);
    }
    {
        const QSignalBlocker quiet(w.txtPeriod);
        w.txtPeriod->setText(p.period);
    }
    w.calendar->varCourse = p.course;
    w.calendar->strPeriod = p.period;

    if (p.weekly) {
        {
            const QSignalBlocker quiet(w.cboMonth);
            w.cboMonth->setCurrentIndex(w.cboMonth->findText(p.month, Qt::MatchExactly));
        }
        w.calendar->blnMonthPicked = true;
        w.calendar->SetDayCount();
        {
            const QSignalBlocker quiet(w.cboDate);
            w.cboDate->setCurrentIndex(w.cboDate->findText(p.date, Qt::MatchExactly));
        }
        w.calendar->blnDatePicked = true;
        {
            const QSignalBlocker quiet(w.cboDay);
            w.calendar->FillDayList();
            int day = w.cboDay->findText(p.day, Qt::MatchExactly);
            if (day < 0)
                day = p.dayIndex >= 0 && p.dayIndex < w.cboDay->count() ? p.dayIndex : 0;
            w.cboDay->setCurrentIndex(w.cboDay->count() > 0 ? day : -1);
        }
        if (w.cboDay->currentIndex() >= 0)
            w.calendar->cboDay_Click();
    } else {
        const QSignalBlocker quiet(w.txtUnit);
        w.txtUnit->setText(p.unitTopic);
    }
}

void PlanStart::resume(const PlanProgress &p)
{
    LessonPlanModule &m = w.m;
    restoreTarget(p);
    w.txtObjective->setPlainText(ui::fromCrLf(p.objective));
    m.strUnitText = p.unitText;
    if (p.step == 0) {
        // A plan that had ended (the week written, not yet saved) only needs its document.
        m.intStep = 0;
        blnDayWritten = p.dayWritten;
        blnStandardsAdded = p.standardsAdded;
        return;
    }

    // The screen as Begin Plan leaves it, then the day's state on top
    w.optTask[15]->setText(QStringLiteral("( Blank &Line for Free-Form Typing )"));
    openDocument();
    enterFirstStep();
    m.intStep = p.step;
    blnDayWritten = p.dayWritten;
    blnStandardsAdded = p.standardsAdded;
    m.strSpecialNote = p.specialNote;
    w.entries->noteDialog()->txtNote->setPlainText(ui::fromCrLf(p.specialNote));
    w.txtObjective->setEnabled(p.objectiveOpen);
    // The day's heading is written with its first list; until then the day may still change.
    const bool dayOpen = p.step == 1;
    w.cboDay->setEnabled(m.blnWeeklyPlans && dayOpen);
    w.cmdNote->setEnabled(dayOpen);
    if (m.blnWeeklyPlans && dayOpen && p.listed.isEmpty())
        w.optTask[15]->setText(QStringLiteral("( No entries... Non-Instructiona&l Day )"));
    if (!m.blnWeeklyPlans && p.dayWritten)
        w.txtUnit->setEnabled(false);

    w.lstAdd->clear();
    w.lstBuild->clear();
    w.lstAdd->addItems(p.listed);
    w.lstBuild->addItems(p.entries);
    const bool listed = !p.listed.isEmpty();
    w.lstAdd->setEnabled(listed);
    w.cmdDone1->setVisible(listed);
    w.lblList->setVisible(listed);
    w.txtClosure->setPlainText(ui::fromCrLf(p.closure));
    // The closure belongs to the activities list once it has an entry.
    const bool closure = listed && p.step == 1 && m.blnShowClosure;
    w.lblClosure->setVisible(closure);
    w.txtClosure->setVisible(closure);
    if (closure && p.closure.trimmed().isEmpty())
        ui::setBackColor(w.txtClosure, ui::lightYellow());
    if (p.step == 3) {
        materialsShown_ = false;
        m.strMaterialEdit = p.materialsListing;
    }
    w.PrepareStep();
}

void PlanStart::PrepareStep()
{
    switch (w.m.intStep) {
    case 0:
        prepareNoPlan();
        break;
    case 1:
    case 2:
        prepareItemStep(w.m.intStep);
        break;
    case 3:
        if (!blnNewPlanRequested)
            prepareMaterials();
        w.setHelpContextId(10008);
        break;
    case 4:
        if (!blnNewPlanRequested)
            prepareStandards();
        w.setHelpContextId(10009);
        break;
    default:
        break;
    }
    blnNewPlanRequested = false;
}

void PlanStart::prepareNoPlan()
{
    LessonPlanModule &m = w.m;
    ui::setBackColor(w.txtObjective, ui::buttonFace());
    w.lstAdd->clear();
    ui::setBackColor(w.lstAdd, ui::buttonFace());
    w.fraLists->hide();
    w.fraStandards->hide();
    w.lblList->hide();

    // A document left from an earlier plan stays white and editable.
    if (w.RTxtComposite->Text().isEmpty()) {
        w.RTxtComposite->setEnabled(false);
        w.RTxtComposite->setBackColor(ui::buttonFace());
        w.cmdEnlarge->setEnabled(false);
        w.lblCurrentDoc->hide();
    }

    for (QWidget *c : {static_cast<QWidget *>(w.cmdDone1), static_cast<QWidget *>(w.txtClosure),
                       static_cast<QWidget *>(w.lblDescription),
                       static_cast<QWidget *>(w.txtDescription), static_cast<QWidget *>(w.lblTwice),
                       static_cast<QWidget *>(w.cmdOK), static_cast<QWidget *>(w.lblClosure)})
        c->hide();

    const bool courseChosen = w.cboCourses->currentIndex() >= 0;
    if (m.blnWeeklyPlans) {
        const bool open = w.txtPeriod->isEnabled() && courseChosen;
        w.cboDate->setEnabled(open);
        w.cboMonth->setEnabled(open);
        w.imgCal->setEnabled(open);
    } else {
        w.txtUnit->setEnabled(courseChosen && w.cboCourses->isEnabled());
        w.cmdBegin->setEnabled(m.blnReadyToBegin);
    }
    w.setHelpContextId(10002);
    w.SetNextFocus();
}

void PlanStart::prepareItemStep(int step)
{
    LessonPlanModule &m = w.m;
    const bool activities = step == 1;
    if (activities) {
        w.RTxtComposite->setEnabled(true);
        w.RTxtComposite->setBackColor(ui::white());
        w.cmdEnlarge->setEnabled(true);
        w.lblCurrentDoc->show();
    }

    const QString heading = activities ? m.strTasksHeading : m.strAssessHeading;
    const QColor colour = activities ? ui::lightYellow() : ui::lightCyan();
    w.FrameLabel->setText(QStringLiteral("  ") + heading + QStringLiteral(":"));
    w.entries->FrameLabel_Change();
    ui::setBackColor(w.FrameLabel, colour);
    ui::setBackColor(w.lstAdd, colour);
    ui::setBackColor(w.lblDescription, colour);
    if (w.lstAdd->count() == 0)
        w.lblList->hide();
    if (activities) {
        w.fraDay->show();
        w.fraBlank->hide();
    }
    w.fraLists->hide();
    w.fraStandards->hide();

    const QStringList &items = activities ? m.strActivities : m.strAssessments;
    for (int i = 0; i < w.lblTask.size(); ++i)
        w.lblTask[i]->setText(i < items.size() ? items.at(i) : QString());

    // The heading word is the frame label without its two leading blanks and its colon.
    const QString caption = w.FrameLabel->text();
    w.cmdDone1->setText(caption.mid(2, caption.size() - 3) + QStringLiteral(" List &Finished"));

    const bool timed = activities && m.blnShowTime;
    if (!activities)
        m.strTimeOnTask.clear();
    w.cmdOK->setText(timed ? QStringLiteral("'Time on Task' and O&K >>>")
                           : QStringLiteral("O&K  >>>"));
    w.cmdOK->setMinimumWidth(ui::twips(timed ? 2205 : 840));

    if (activities) {
        w.cmdBegin->setEnabled(false);
        w.setHelpContextId(10004);
    } else {
        w.setHelpContextId(10007);
    }
}

void PlanStart::prepareMaterials()
{
    LessonPlanModule &m = w.m;
    ui::setBackColor(w.lstAdd, ui::menuColor());
    w.lblCover->show();

    QListWidget *lists[] = {w.lstTexts, w.lstResources, w.lstMaterials};
    for (QListWidget *list : lists)
        list->clear();
    for (const QString &entry : std::as_const(m.strMaterials)) {
        const qsizetype kind = entry.isEmpty() ? -1 : QStringLiteral("TRM").indexOf(entry.at(0));
        if (kind < 0 || entry.mid(2).trimmed().isEmpty())
            continue;
        const bool ticked = entry.size() > 1 && entry.at(1).isDigit() && entry.at(1) != u'0';
        ui::addTickItem(lists[kind], entry.mid(2), ticked);
    }
    for (QListWidget *list : lists)
        list->setCurrentRow(-1);
    w.refreshMaterialsCaption();
    w.fraLists->show();
    w.fraLists->raise();

    const bool free = !m.blnShowMaterials && !m.blnShowStandards;
    w.cboOldPlans->setEnabled(free);
    w.cmdPrev->setEnabled(free);
    w.cmdEnlarge->setEnabled(false);
    w.fraStandards->hide();
    w.fraDay->hide();
    focus(w.cmdPosition);

    // A listing built or edited in this step survives the step being prepared again (after a
    // settings screen, say); the editor hands its text back through strMaterialEdit.
    if (!materialsShown_ || !m.strMaterialEdit.isEmpty())
        w.txtSample->setPlainText(ui::fromCrLf(m.strMaterialEdit));
    m.strMaterialEdit.clear();
    materialsShown_ = true;
    if (w.txtSample->toPlainText().trimmed().isEmpty())
        w.cmdProceed->setEnabled(false);
}

void PlanStart::prepareStandards()
{
    LessonPlanModule &m = w.m;
    w.fraLists->hide();
    w.fraDay->hide();
    w.cboOldPlans->setEnabled(false);
    w.cmdPrev->setEnabled(false);
    w.cmdEnlarge->setEnabled(false);
    w.fraStandards->setVisible(m.blnShowStandards);
    w.fraStandards->raise();

    const bool prefixed = m.strStandardsMode == QLatin1String("PREFIXED");
    w.lblSetting->setText(prefixed
                              ? QStringLiteral("Based upon your settings, only the Prefixes "
                                               "will be displayed in the Lesson Plan Document.")
                              : QStringLiteral("Based upon your settings, the complete text "
                                               "of each entry will be displayed in the "
                                               "Lesson Plan Document."));
    w.lblArrows->setVisible(prefixed);
    w.lblLabel->setVisible(prefixed);
    w.lblStandards->setText(m.strStandardsHeading +
                            QStringLiteral("... &Make your selections from the list below and "
                                           "click the button:"));
    w.lstChooseStandards->clear();

    QString when = QStringLiteral("Select or deselect items from the list as necessary.");
    w.cmdAddToPlan->setText(QStringLiteral("&Add to Plan"));
    if (m.blnStandardsOnce) {
        when = QStringLiteral("Your settings specify that the ''") + m.strStandardsHeading +
               QStringLiteral("'' should be printed at the end of the Lesson Plan Document. "
                              "Select or deselect items from the list as necessary.");
        m.blnReadyToBegin = false;
        if (m.blnWeeklyPlans) {
            w.cmdAddToPlan->setText(QStringLiteral("Cont&inue"));
            when += QStringLiteral(" This window will be displayed for each day as the Plan is "
                                   "being developed.");
        }
    }
    w.lblWhen->setText(when);

    const qsizetype count = std::min(m.strStdCodes.size(), m.strStdTexts.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QString &code = m.strStdCodes.at(i);
        const QString &text = m.strStdTexts.at(i);
        QString line;
        if (!code.trimmed().isEmpty())
            line = code + QStringLiteral("    ") + text;
        else if (prefixed)
            line = QString(5, QLatin1Char(' ')) + code + QStringLiteral("    ") + text;
        else
            line = code + text;
        ui::addTickItem(w.lstChooseStandards, line, false);
    }

    intCourseIndex = 10;
    for (int i = 0; i < SettingsRecord::CourseCount && i < m.strCourses.size(); ++i) {
        if (m.strCourses.at(i) == w.cboCourses->currentText()) {
            intCourseIndex = i;
            break;
        }
    }
    if (intCourseIndex < 10 && intCourseIndex < m.strStdChoices.size()) {
        const QString &choices = m.strStdChoices.at(intCourseIndex);
        for (int j = 0; j < w.lstChooseStandards->count(); ++j)
            ui::setTicked(w.lstChooseStandards, j,
                          j < choices.size() && choices.at(j).isDigit() && choices.at(j) != u'0');
    }
    focus(w.cmdAddToPlan);
}
