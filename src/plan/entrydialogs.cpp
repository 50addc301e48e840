#include "plan/entrydialogs.h"

#include "app/frmmain.h"
#include "plan/daywriter.h"
#include "platform/entertwice.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "settings/settings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
const QString CrLf = QStringLiteral("\r\n");

QString withoutOneTrailingBreak(const QString &text)
{
    return text.endsWith(CrLf) ? text.left(text.size() - 2) : text;
}
} // namespace

// --- frmEdit ------------------------------------------------------------------------------

frmEdit::frmEdit(frmMain &main)
    : EntryDialog(main, QStringLiteral("txtEdit"), QStringLiteral("cmdDone"), true)
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Edit"));
    txtEdit = field_;
    lblTwice = hint_;
    cmdDone = done_;
    cmdCancel = cancel_;
    lblInstructions = new QLabel(this);
    lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    lblInstructions->setAutoFillBackground(true);
    layout_->insertWidget(0, lblInstructions);
}

void frmEdit::Form_Load()
{
    lblInstructions->setText(
        QStringLiteral("Clearing the text and clicking 'Done' will delete this entry from the") +
        CrLf + QStringLiteral("''Adding to Plan:'' list for this Lesson Plan."));
}

void frmEdit::Form_Activate()
{
    setEntryText(withoutOneTrailingBreak(entryText()));
    txtEdit->moveCursor(QTextCursor::End);
    txtEdit->setFocus();
    enterTwice_->updateHint();
}

void frmEdit::cmdDone_Click()
{
    LessonPlanModule &m = main_.m;
    const int index = m.intEditIndex;
    QListWidget *build = main_.lstBuild;
    QListWidget *shortList = main_.lstAdd;
    if (index >= 0 && index < build->count() && index < shortList->count()) {
        const QString text = entryText();
        if (text.trimmed().isEmpty()) {
            delete build->takeItem(index);
            delete shortList->takeItem(index);
        } else {
            build->item(index)->setText(text);
            QString shortForm = ReplaceQuotes(text).replace(CrLf, QStringLiteral("  "));
            // An entry with a time on task is listed without its time text.
            if (m.strTimeTemplate.size() >= 3) {
                const QString closing = m.strTimeUnit + m.strTimeTemplate.at(2);
                const qsizetype at = shortForm.indexOf(closing);
                if (at >= 0)
                    shortForm = shortForm.mid(at + closing.size() + 1);
            }
            shortList->item(index)->setText(
                shortForm.size() < 21 ? shortForm : shortForm.left(18) + QStringLiteral("..."));
        }
    }
    hide();
}

// --- frmUnit ------------------------------------------------------------------------------

frmUnit::frmUnit(frmMain &main)
    : EntryDialog(main, QStringLiteral("txtUnit"), QStringLiteral("cmdUnitDone"), true)
{
    setObjectName(QStringLiteral("frmUnit"));
    setWindowTitle(QStringLiteral(" UNIT GOAL"));
    txtUnit = field_;
    lblTwice = hint_;
    cmdUnitDone = done_;
    cmdCancel = cancel_;
}

void frmUnit::Form_Load()
{
    main_.lblNewDay->hide();
}

void frmUnit::Form_Activate()
{
    const LessonPlanModule &m = main_.m;
    setWindowTitle(m.blnWeeklyPlans
                       ? QStringLiteral("Unit Goal (") + m.strUnitGoalHeading + QStringLiteral(")")
                       : QStringLiteral("Unit Objective (") + m.strDailyObjHeading +
                             QStringLiteral(")"));
    txtUnit->setFocus();
}

void frmUnit::cmdUnitDone_Click()
{
    LessonPlanModule &m = main_.m;
    const QString text = withoutOneTrailingBreak(entryText());
    // The goal in italics only: nothing carries over from the course line.
    if (m.blnWeeklyPlans)
        main_.writer->append(CrLf + m.strUnitGoalHeading + QStringLiteral(": ") + text + CrLf,
                             false, true, false);
    else
        m.strUnitText = text + CrLf;
    // The goal is asked afresh each time: the field starts empty.
    txtUnit->clear();
    enterTwice_->reset();
    hide();
}

// --- frmSpecialNote -----------------------------------------------------------------------

frmSpecialNote::frmSpecialNote(frmMain &main)
    : EntryDialog(main, QStringLiteral("txtNote"), QStringLiteral("cmdUnitDone"), false)
{
    setObjectName(QStringLiteral("frmSpecialNote"));
    setWindowTitle(QStringLiteral(" Special Note for"));
    txtNote = field_;
    cmdUnitDone = done_;
    cmdCancel = cancel_;
    lblInstruct = new QLabel(
        QStringLiteral("Leave the text field empty if no Special Note is to be included today."),
        this);
    lblInstruct->setObjectName(QStringLiteral("lblInstruct"));
    lblInstruct->hide();
    layout_->insertWidget(0, lblInstruct);
}

void frmSpecialNote::Form_Activate()
{
    setWindowTitle(main_.m.blnWeeklyPlans
                       ? QStringLiteral("Special Note") + QStringLiteral(" for ") +
                             main_.cboDay->currentText()
                       : QStringLiteral("Special Note"));
    txtNote->selectAll();
    txtNote->setFocus();
}

void frmSpecialNote::cmdUnitDone_Click()
{
    main_.m.strSpecialNote = entryText();
    lblInstruct->hide();
    hide();
}

void frmSpecialNote::cancelled()
{
    main_.m.strSpecialNote.clear();
}

// --- frmTimeOnTask ------------------------------------------------------------------------

frmTimeOnTask::frmTimeOnTask(frmMain &main) : Form(main.platform, &main), main_(main)
{
    setObjectName(QStringLiteral("frmTimeOnTask"));
    setWindowTitle(QStringLiteral(" TIME ON TASK"));
    lblTime = new QLabel(this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    txtTime = new QLineEdit(this);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    txtTime->setFixedWidth(ui::twips(600));
    lblMin = new QLabel(QStringLiteral("min."), this);
    lblMin->setObjectName(QStringLiteral("lblMin"));
    cmdUnitDone = new QPushButton(QStringLiteral("&Done"), this);
    cmdUnitDone->setObjectName(QStringLiteral("cmdUnitDone"));
    cmdUnitDone->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    setEscapeButton(cmdCancel);

    auto *entry = new QHBoxLayout;
    entry->addWidget(lblTime);
    entry->addSpacing(ui::twips(30));
    entry->addWidget(txtTime);
    entry->addWidget(lblMin);
    entry->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdUnitDone);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addLayout(buttons);

    connect(cmdUnitDone, &QPushButton::clicked, this, &frmTimeOnTask::cmdUnitDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTimeOnTask::cmdCancel_Click);
}

void frmTimeOnTask::Form_Activate()
{
    lblTime->setText(QStringLiteral("Time on Task ''") + main_.m.strActivityShort +
                     QStringLiteral("'' "));
    lblMin->setText(main_.m.strTimeUnit + QStringLiteral("."));
    // Centred on the main window and raised a little at every showing: the main window may
    // have moved, and the caption changes the dialog's width.
    adjustSize();
    move(main_.frameGeometry().center() - rect().center() - QPoint(0, ui::twips(150)));
    txtTime->setFocus();
}

void frmTimeOnTask::cmdUnitDone_Click()
{
    LessonPlanModule &m = main_.m;
    const QString time = txtTime->text();
    if (!time.trimmed().isEmpty())
        m.strTimeOnTask = (time.trimmed().size() == 1 ? QStringLiteral(" ") : QString()) +
                          ReplaceQuotes(time) + QStringLiteral(" ") + m.strTimeUnit;
    else
        m.strTimeOnTask.clear();
    txtTime->clear();
    hide();
}

void frmTimeOnTask::cmdCancel_Click()
{
    if (!confirmAbandon())
        return;
    // A cancelled time means no time for this item, not the time of the item before it.
    main_.m.strTimeOnTask.clear();
    txtTime->clear();
    hide();
}
