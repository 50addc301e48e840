#include "plan/dayentries.h"

#include "app/frmmain.h"
#include "document/clipboard.h"
#include "plan/entrydialogs.h"
#include "platform/entertwice.h"
#include "platform/platform.h"
#include "platform/ui.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <cmath>

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

DayEntries::DayEntries(frmMain &w) : QObject(&w), w(w)
{
    for (int i = 0; i < w.optTask.size(); ++i)
        connect(w.optTask[i], &QRadioButton::clicked, this, [this, i] { optTask_Click(i); });
    for (QLabel *label : std::as_const(w.lblTask))
        label->installEventFilter(this);
    connect(w.cmdContinue, &QPushButton::clicked, this, &DayEntries::cmdContinue_Click);
    connect(w.cmdOK, &QPushButton::clicked, this, &DayEntries::cmdOK_Click);
    connect(w.lstAdd, &QListWidget::itemDoubleClicked, this, &DayEntries::lstAdd_DblClick);
    connect(w.cmdNewUnit, &QPushButton::clicked, this, [this] {
        cmdNewUnit_Click();
        this->w.Form_Activate();
    });
    connect(w.cmdNote, &QPushButton::clicked, this, &DayEntries::cmdNote_Click);
    w.txtObjective->installEventFilter(this);
    w.txtDescription->viewport()->installEventFilter(this);

    // Each Enter indents the next line by four blanks; Enter twice at the end accepts.
    descriptionKeys_ =
        new EnterTwice(w.txtDescription, w.lblTwice, EnterTwice::Options{4, 4, true});
    connect(descriptionKeys_, &EnterTwice::typed, this, [this] { blnDescriptionEdited = true; });
    connect(descriptionKeys_, &EnterTwice::accepted, this, &DayEntries::cmdOK_Click);
}

bool DayEntries::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w.txtObjective) {
        if (event->type() == QEvent::FocusIn)
            txtObjective_GotFocus();
        else if (event->type() == QEvent::FocusOut)
            txtObjective_LostFocus();
    } else if (watched == w.txtDescription->viewport()) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
            blnDescriptionEdited = true;
    } else if (event->type() == QEvent::MouseButtonPress) {
        const int index = int(w.lblTask.indexOf(static_cast<QLabel *>(watched)));
        if (index >= 0)
            lblTask_Click(index);
    }
    return QObject::eventFilter(watched, event);
}

// --- The objective ------------------------------------------------------------------------

void DayEntries::txtObjective_GotFocus()
{
    if (!w.cmdBegin->isEnabled()) {
        QTextCursor cursor = w.txtObjective->textCursor();
        const int end = w.txtObjective->document()->characterCount() - 1;
        cursor.setPosition(std::min(intObjectiveCaret, end));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        w.txtObjective->setTextCursor(cursor);
        ui::setBackColor(w.txtObjective, ui::white());
        w.lblUnchanged->hide();
        w.cmdContinue->hide();
        intObjectiveCaret = 0;
        normaliseClipboard(w.m, w.platform);
    } else if (w.m.intStep != 1) {
        focus(w.cmdBegin);
    }
}

void DayEntries::txtObjective_LostFocus()
{
    QString text = w.txtObjective->toPlainText();
    if (!text.endsWith(QLatin1Char('\n')))
        return;
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    w.txtObjective->setPlainText(text);
}

void DayEntries::cmdContinue_Click()
{
    QString objective = w.txtObjective->toPlainText();
    if (!objective.trimmed().endsWith(QLatin1String("(cont.)")))
        objective += QStringLiteral(" (cont.)");
    w.txtObjective->setPlainText(objective);
    w.cmdContinue->hide();
    intObjectiveCaret = int(objective.size());
    w.txtObjective->setEnabled(true);
    w.txtObjective->setFocus(Qt::OtherFocusReason);
    w.txtObjective->moveCursor(QTextCursor::End);
}

// --- Choosing and describing an item ------------------------------------------------------

void DayEntries::deselectItems()
{
    for (QRadioButton *option : std::as_const(w.optTask)) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void DayEntries::lblTask_Click(int index)
{
    if (index < 0 || index >= w.optTask.size() || !w.optTask[index]->isEnabled())
        return;
    w.optTask[index]->setChecked(true);
    optTask_Click(index);
}

void DayEntries::optTask_Click(int index)
{
    LessonPlanModule &m = w.m;
    if (index < 0 || index >= w.optTask.size())
        return;
    if (index == 15 && w.optTask[15]->text().startsWith(QLatin1String("( No"))) {
        Q_EMIT nonInstructionalDayChosen();
        return;
    }
    w.optTask[15]->setText(QStringLiteral("( Blank &Line for Free-Form Typing )"));

    if (shown(w.txtDescription) && blnDescriptionEdited) {
        const auto answer = w.platform.messageBox(
            QStringLiteral("Selecting this item will replace any text already added to the "
                           "Description field."),
            QStringLiteral("Edited Content To Be Deleted..."), Platform::Buttons::OKCancel,
            Platform::Icon::Exclamation);
        if (answer != Platform::Answer::OK) {
            deselectItems();
            w.txtDescription->setFocus(Qt::OtherFocusReason);
            return;
        }
        blnDescriptionEdited = false;
    }
    w.cmdNewUnit->hide();
    w.lblNewDay->hide();

    if (w.txtObjective->toPlainText().trimmed().isEmpty() && m.blnShowDailyObj &&
        m.blnWeeklyPlans) {
        w.platform.messageBox(QStringLiteral("Please fill in an objective for ") +
                                  w.cboDay->currentText() + QStringLiteral("."),
                              QStringLiteral("Missing Data"), Platform::Buttons::OK,
                              Platform::Icon::Information);
        w.txtObjective->setEnabled(true);
        w.txtObjective->setFocus(Qt::OtherFocusReason);
        deselectItems();
        return;
    }

    QString start;
    if (index < 15) {
        const QStringList &items = m.intStep == 1 ? m.strActivities : m.strAssessments;
        const QString &punct = m.intStep == 1 ? m.strActivityPunct : m.strAssessPunct;
        start = (index < items.size() ? items.at(index) : QString()) + punct + QLatin1Char(' ');
    }
    w.cmdContinue->hide();
    w.lblUnchanged->hide();
    ui::setBackColor(w.txtObjective, ui::white());
    w.txtDescription->setPlainText(start);
    for (QWidget *c :
         {static_cast<QWidget *>(w.lblDescription), static_cast<QWidget *>(w.txtDescription),
          static_cast<QWidget *>(w.lblTwice), static_cast<QWidget *>(w.cmdOK)})
        c->show();
    w.txtDescription->moveCursor(QTextCursor::End);
    w.txtDescription->setFocus(Qt::OtherFocusReason);
}

QString DayEntries::shortForm(const QString &description)
{
    QString s = description;
    s.replace(CrLf, QStringLiteral("  "));
    return s.size() < 22 ? s : s.left(19) + QStringLiteral("...");
}

QString DayEntries::timeText(const QString &templ, const QString &timeOnTask)
{
    if (timeOnTask.isEmpty())
        return QString();
    QString text = templ;
    text.replace(QLatin1Char('X'), timeOnTask);
    if (timeOnTask.trimmed().size() < 6)
        text += QLatin1Char(' ');
    return text;
}

QString DayEntries::fullEntry(const QString &timeText, const QString &timeOnTask,
                              const QString &description)
{
    QString d = description;
    while (!d.isEmpty() && (d.endsWith(QLatin1Char(' ')) || d.endsWith(QLatin1Char('\r')) ||
                            d.endsWith(QLatin1Char('\n'))))
        d.chop(1);
    // Halves go to the even number.
    const int indent = int(std::nearbyint(timeOnTask.size() * 2.5));
    d.replace(CrLf, CrLf + QString(indent, QLatin1Char(' ')));
    return timeText + d;
}

void DayEntries::cmdOK_Click()
{
    LessonPlanModule &m = w.m;
    w.optTask[15]->setText(QStringLiteral("( Blank &Line for Free-Form Typing )"));
    blnDescriptionEdited = false;
    w.fraEdit->hide();
    w.lblCover->hide();
    w.lstAdd->show();
    w.lstAdd->setEnabled(true);

    const QString description = ui::toCrLf(w.txtDescription->toPlainText());
    const bool described = !description.trimmed().isEmpty();
    if (described) {
        m.strActivityShort = shortForm(description);
        w.lstAdd->addItem(m.strActivityShort);
    }
    deselectItems();
    if (w.lstAdd->count() > 0)
        w.lblList->show();
    if (described && m.blnShowTime && m.intStep == 1)
        w.platform.showModal(timeDialog());

    m.strTimeText = timeText(m.strTimeTemplate, m.strTimeOnTask);
    if (described)
        w.lstBuild->addItem(fullEntry(m.strTimeText, m.strTimeOnTask, description));

    w.txtDescription->clear();
    w.txtDescription->hide();
    w.lblTwice->hide();
    w.lblDescription->hide();
    w.cmdDone1->show();

    if (ui::backColor(w.FrameLabel) == ui::lightYellow()) {
        w.lblClosure->setVisible(m.blnShowClosure);
        w.txtClosure->setVisible(m.blnShowClosure);
        if (m.blnShowClosure) {
            if (w.txtClosure->toPlainText().trimmed().isEmpty())
                ui::setBackColor(w.txtClosure, ui::lightYellow());
            focus(w.txtClosure);
        } else {
            focus(w.cmdDone1);
        }
    }
    w.cmdOK->hide();
    descriptionKeys_->reset();
    w.optDummy->setChecked(true);
}

// --- Editing the list ---------------------------------------------------------------------

void DayEntries::lstAdd_DblClick()
{
    LessonPlanModule &m = w.m;
    const int index = w.lstAdd->currentRow();
    // Without a chosen entry there is nothing to edit.
    if (index < 0 || index >= w.lstBuild->count())
        return;
    const QString entry = w.lstBuild->item(index)->text();
    w.lblDblClick->hide();
    if (w.platform.messageBox(QStringLiteral("Edit this entry?") + CrLf + CrLf + entry,
                              QStringLiteral("Data Change"), Platform::Buttons::YesNo,
                              Platform::Icon::Question) != Platform::Answer::Yes)
        return;
    frmEdit *editor = editDialog();
    const QColor colour = ui::backColor(w.lstAdd);
    ui::setBackColor(editor, colour);
    ui::setBackColor(editor->lblInstructions, colour);
    m.intEditIndex = index;
    editor->setEntryText(entry);
    editor->txtEdit->moveCursor(QTextCursor::End);
    // Modal, so that the lists cannot change under the editor.
    w.showDialog(editor);
}

void DayEntries::FrameLabel_Change()
{
    const QString caption = w.FrameLabel->text();
    QString fitted = caption;
    w.lblResize->setText(fitted);
    for (qsizetype keep = caption.size() - 1;
         keep > 0 && ui::captionWidthTwips(w.FrameLabel, fitted) > 2750; --keep)
        fitted = caption.left(keep) + QStringLiteral("... ");
    w.lblResize->setText(fitted);
    w.FrameLabel->setText(fitted);
}

// --- Unit goal and special note -----------------------------------------------------------

void DayEntries::cmdNewUnit_Click()
{
    if (shown(w.fraDay)) {
        w.txtObjective->clear();
        w.cmdContinue->hide();
    }
    ui::setBackColor(w.txtObjective, ui::white());
    w.lblUnchanged->hide();
    w.platform.showModal(unitDialog());
    w.txtObjective->setEnabled(true);
    focus(w.txtObjective);
}

void DayEntries::cmdNote_Click()
{
    w.showDialog(noteDialog());
}

void DayEntries::clearSpecialNote()
{
    noteDialog()->txtNote->clear();
}

// --- The dialogs, created on first use ----------------------------------------------------

frmTimeOnTask *DayEntries::timeDialog()
{
    if (!time_)
        time_ = new frmTimeOnTask(w);
    return time_;
}

frmEdit *DayEntries::editDialog()
{
    if (!edit_)
        edit_ = new frmEdit(w);
    return edit_;
}

frmUnit *DayEntries::unitDialog()
{
    if (!unit_)
        unit_ = new frmUnit(w);
    return unit_;
}

frmSpecialNote *DayEntries::noteDialog()
{
    if (!note_)
        note_ = new frmSpecialNote(w);
    return note_;
}
