#include "screens/frmsetupcourselist.h"

#include "app/frmmain.h"
#include "document/filenames.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "screens/entryfields.h"
#include "screens/storesettings.h"
#include "settings/settings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace
{
constexpr int HeadingLimit = 50;
}

frmSetupCourseList::frmSetupCourseList(ScreenContext &ctx, QWidget *parent)
    : Form(ctx.platform, parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmSetupCourseList"));
    setWindowTitle(QStringLiteral("  COURSE/SUBJECT LIST SETUP"));
    setHelpContextId(HelpContext);
    createControls();
}

void frmSetupCourseList::createControls()
{
    auto *outer = new QVBoxLayout(this);

    fraHeading = new QGroupBox(QStringLiteral("Heading:"), this);
    fraHeading->setObjectName(QStringLiteral("fraHeading"));
    auto *heading = new QHBoxLayout(fraHeading);
    lblCurrently = new QLabel(QStringLiteral("Currently..."), fraHeading);
    lblCurrently->setObjectName(QStringLiteral("lblCurrently"));
    lblHeading = new QLabel(fraHeading);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setTextFormat(Qt::PlainText);
    QFont bold = lblHeading->font();
    bold.setBold(true);
    lblHeading->setFont(bold);
    cmdChange = new QPushButton(QStringLiteral("Ch&ange"), fraHeading);
    cmdChange->setObjectName(QStringLiteral("cmdChange"));
    cmdChange->setAutoDefault(false);
    txtNewHeading = new QLineEdit(fraHeading);
    txtNewHeading->setObjectName(QStringLiteral("txtNewHeading"));
    txtNewHeading->setMaxLength(HeadingLimit);
    txtNewHeading->setEnabled(false);
    ui::setBackColor(txtNewHeading, ui::buttonFace());
    heading->addWidget(lblCurrently);
    heading->addWidget(lblHeading);
    heading->addStretch();
    heading->addWidget(cmdChange);
    heading->addWidget(txtNewHeading, 1);
    outer->addWidget(fraHeading);

    fraCourses = new QGroupBox(
        QStringLiteral("Enter the Courses/Subjects for which Lesson Plans will be constructed:"),
        this);
    fraCourses->setObjectName(QStringLiteral("fraCourses"));
    auto *courses = new QGridLayout(fraCourses);
    for (int i = 0; i < CourseSlots; ++i) {
        const QString caption = i < 9 ? QStringLiteral("&%1:").arg(i + 1) : QStringLiteral("1&0:");
        auto *label = new QLabel(caption, fraCourses);
        label->setObjectName(QStringLiteral("lblCourse(%1)").arg(i));
        auto *box = new QLineEdit(fraCourses);
        box->setObjectName(QStringLiteral("txtCourse(%1)").arg(i));
        label->setBuddy(box);
        courses->addWidget(label, i, 0);
        courses->addWidget(box, i, 1);
        lblCourse.append(label);
        txtCourse.append(box);
        box->installEventFilter(this);
    }
    outer->addWidget(fraCourses);

    outer->addLayout(doneCancelHelpRow(cmdDone, cmdCancel, cmdHelp));

    txtNewHeading->installEventFilter(this);
    connect(cmdChange, &QPushButton::clicked, this, &frmSetupCourseList::cmdChange_Click);
    connect(txtNewHeading, &QLineEdit::textChanged, this,
            &frmSetupCourseList::txtNewHeading_Change);
    connect(cmdDone, &QPushButton::clicked, this, &frmSetupCourseList::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSetupCourseList::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmSetupCourseList::cmdHelp_Click);
}

QString frmSetupCourseList::withoutTrailingColons(QString heading)
{
    while (heading.endsWith(QLatin1Char(':')))
        heading.chop(1);
    return heading;
}

void frmSetupCourseList::Form_Activate()
{
    const LessonPlanModule &m = ctx_.m;
    txtNewHeading->clear();
    strNewHeading.clear();
    txtNewHeading->setEnabled(false);
    ui::setBackColor(txtNewHeading, ui::buttonFace());
    lblHeading->setText(m.strCourseHeading + QStringLiteral(":"));
    for (int i = 0; i < txtCourse.size(); ++i)
        txtCourse.at(i)->setText(i < m.strCourses.size() ? m.strCourses.at(i) : QString());
}

void frmSetupCourseList::cmdChange_Click()
{
    txtNewHeading->setEnabled(true);
    ui::setBackColor(txtNewHeading, ui::white());
    txtNewHeading->setFocus(Qt::OtherFocusReason);
}

void frmSetupCourseList::txtNewHeading_Change()
{
    strNewHeading = txtNewHeading->text();
}

void frmSetupCourseList::txtCourse_LostFocus(int Index)
{
    if (Index < 0 || Index >= txtCourse.size())
        return;
    QLineEdit *box = txtCourse.at(Index);
    const QString safe = MakeFileNameSafe(box->text(), ctx_.platform);
    if (safe != box->text())
        box->setText(safe);
}

void frmSetupCourseList::cmdDone_Click()
{
    // Done pressed by its access key leaves the focus in the field: check it as leaving would.
    if (const int focused = int(txtCourse.indexOf(qobject_cast<QLineEdit *>(focusWidget())));
        focused >= 0)
        txtCourse_LostFocus(focused);

    LessonPlanModule &m = ctx_.m;
    SettingsRecord next = m.record();
    // A heading of nothing but colons counts as no new heading, like an empty one.
    const QString typed = withoutTrailingColons(ReplaceQuotes(strNewHeading));
    if (!typed.isEmpty())
        next.strCourseHeading = typed;
    next.strCourseHeading = withoutTrailingColons(next.strCourseHeading);
    while (next.strCourses.size() < CourseSlots)
        next.strCourses.append(QString());
    for (int i = 0; i < CourseSlots; ++i)
        next.strCourses[i] = ReplaceQuotes(txtCourse.at(i)->text());

    if (next != m.record() && !storeSettings(next, ctx_.store, ctx_.platform))
        return; // the teacher has been told; the edits stay in the dialog
    m.record() = next;
    refillMainCourses();
    done(QDialog::Accepted);
}

void frmSetupCourseList::cmdCancel_Click()
{
    if (confirmAbandon())
        done(QDialog::Rejected);
}

void frmSetupCourseList::cmdHelp_Click()
{
    showContextHelp();
}

bool frmSetupCourseList::eventFilter(QObject *watched, QEvent *event)
{
    if (auto *box = qobject_cast<QLineEdit *>(watched)) {
        if (event->type() == QEvent::FocusIn) {
            entryfields::selectAllOnFocus(box);
        } else if (event->type() == QEvent::FocusOut && entryfields::movedByTeacher(event)) {
            if (const int index = int(txtCourse.indexOf(box)); index >= 0)
                txtCourse_LostFocus(index);
        }
    }
    return Form::eventFilter(watched, event);
}

// Only the filled courses are listed, in order. The course picked for the plan under way stays
// picked when it is still in the list, so editing the list does not abandon that plan.
void frmSetupCourseList::refillMainCourses()
{
    if (!ctx_.main || !ctx_.main->cboCourses)
        return;
    QComboBox *list = ctx_.main->cboCourses;
    const QString picked = list->currentIndex() >= 0 ? list->currentText() : QString();
    const QSignalBlocker quiet(list);
    list->clear();
    const LessonPlanModule &m = ctx_.m;
    for (int i = 0; i < CourseSlots && i < m.strCourses.size(); ++i)
        if (!m.strCourses.at(i).isEmpty())
            list->addItem(m.strCourses.at(i));
    list->setCurrentIndex(picked.isEmpty() ? -1 : list->findText(picked, Qt::MatchExactly));
}
