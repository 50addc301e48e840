#include "screens/frmsetupnamecourses.h"

#include "app/frmmain.h"
#include "document/filenames.h"
#include "plan/schoolcalendar.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "screens/entryfields.h"
#include "screens/storesettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace
{
constexpr int NameLimit = 50;
constexpr int SchoolLimit = 50;
constexpr int AbbrevLimit = 8;
// The sample line sits a little higher when it carries the school name as a second line.
constexpr int SampleTopWithSchool = 1590;
constexpr int SampleTopAlone = 1650;
constexpr int FirstSchoolYear = 2008;
// The list always reaches at least this far, so a saved year from it is never dropped.
constexpr int LastListedYearAtLeast = 2025;
} // namespace

frmSetupNameCourses::frmSetupNameCourses(ScreenContext &ctx, QWidget *parent)
    : Form(ctx.platform, parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmSetupNameCourses"));
    setWindowTitle(QStringLiteral("  INSTRUCTOR, SCHOOL, YEAR, AND PLAN TYPE SETUP"));
    setHelpContextId(HelpContext);
    createControls();
}

void frmSetupNameCourses::createControls()
{
    auto named = [](QWidget *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    auto *outer = new QVBoxLayout(this);

    // Name and year
    auto *top = new QGridLayout;
    lblName = new QLabel(QStringLiteral("Your &Name:"), this);
    named(lblName, "lblName");
    txtTName = new QLineEdit(this);
    named(txtTName, "txtTName");
    txtTName->setMaxLength(NameLimit);
    lblName->setBuddy(txtTName);
    lblYear = new QLabel(QStringLiteral("School &Year:"), this);
    named(lblYear, "lblYear");
    cboYr = new QComboBox(this);
    named(cboYr, "cboYr");
    lblYear->setBuddy(cboYr);
    top->addWidget(lblName, 0, 0);
    top->addWidget(txtTName, 0, 1);
    top->addWidget(lblYear, 0, 2);
    top->addWidget(cboYr, 0, 3);
    top->setColumnStretch(1, 1);
    outer->addLayout(top);

    // School name and abbreviation
    fraSchool = new QGroupBox(QStringLiteral("School Name"), this);
    named(fraSchool, "fraSchool");
    auto *school = new QGridLayout(fraSchool);
    chkUseFull = new QCheckBox(QStringLiteral("Use Sc&hool Name at Top of Document"), fraSchool);
    named(chkUseFull, "chkUseFull");
    txtFull = new QLineEdit(fraSchool);
    named(txtFull, "txtFull");
    txtFull->setMaxLength(SchoolLimit);
    chkUseAbb = new QCheckBox(
        QStringLiteral("Include School &Abbreviation When Naming Saved Lesson Plan Document"),
        fraSchool);
    named(chkUseAbb, "chkUseAbb");
    txtAbbrev = new QLineEdit(fraSchool);
    named(txtAbbrev, "txtAbbrev");
    txtAbbrev->setMaxLength(AbbrevLimit);
    txtAbbrev->setFixedWidth(ui::twips(1500));
    for (QLineEdit *box : {txtFull, txtAbbrev}) {
        box->setEnabled(false);
        ui::setBackColor(box, ui::buttonFace());
    }
    school->addWidget(chkUseFull, 0, 0, 1, 2);
    school->addWidget(txtFull, 1, 0, 1, 2);
    school->addWidget(chkUseAbb, 2, 0);
    school->addWidget(txtAbbrev, 2, 1);
    outer->addWidget(fraSchool);

    // Plan type and the instructional week
    fraType = new QGroupBox(QStringLiteral("Lesson Plan Type:"), this);
    named(fraType, "fraType");
    auto *type = new QGridLayout(fraType);
    optWeekly = new QRadioButton(QStringLiteral("Weekly &Plans..."), fraType);
    named(optWeekly, "optWeekly");
    lblWk1 = new QLabel(QStringLiteral("Normal Instructional Week &Is"), fraType);
    named(lblWk1, "lblWk1");
    cboStartDay = new QComboBox(fraType);
    named(cboStartDay, "cboStartDay");
    lblWk1->setBuddy(cboStartDay);
    lblWk2 = new QLabel(QStringLiteral("Th&rough"), fraType);
    named(lblWk2, "lblWk2");
    cboEndDay = new QComboBox(fraType);
    named(cboEndDay, "cboEndDay");
    lblWk2->setBuddy(cboEndDay);
    optUnit = new QRadioButton(QStringLiteral("&Unit Plans"), fraType);
    named(optUnit, "optUnit");
    type->addWidget(optWeekly, 0, 0);
    type->addWidget(lblWk1, 0, 1);
    type->addWidget(cboStartDay, 0, 2);
    type->addWidget(lblWk2, 0, 3);
    type->addWidget(cboEndDay, 0, 4);
    type->addWidget(optUnit, 1, 0);
    type->setColumnStretch(5, 1);
    outer->addWidget(fraType);

    // Heading order: the choices and the sample lie at fixed places in their frame.
    fraDisplay = new QGroupBox(QStringLiteral("Display order:"), this);
    named(fraDisplay, "fraDisplay");
    fraDisplay->setFixedSize(ui::twips(9900), ui::twips(2400));
    for (int i = 0; i < 4; ++i) {
        auto *option = new QRadioButton(orderCaption(i, strPlanWord), fraDisplay);
        option->setObjectName(QStringLiteral("optOrder(%1)").arg(i));
        option->setGeometry(ui::twips(240), ui::twips(330 + i * 300), ui::twips(9300),
                            ui::twips(285));
        optOrder.append(option);
        connect(option, &QRadioButton::clicked, this, [this, i] { optOrder_Click(i); });
    }
    lblSample = new QLabel(fraDisplay);
    named(lblSample, "lblSample");
    lblSample->setTextFormat(Qt::PlainText);
    lblSample->setWordWrap(false);
    ui::setBackColor(lblSample, QColor(224, 224, 224));
    lblSample->setGeometry(ui::twips(120), ui::twips(SampleTopAlone), ui::twips(9660),
                           ui::twips(540));
    outer->addWidget(fraDisplay);

    outer->addLayout(doneCancelHelpRow(cmdDone, cmdCancel, cmdHelp));

    connect(txtTName, &QLineEdit::textChanged, this, &frmSetupNameCourses::txtTName_Change);
    connect(txtFull, &QLineEdit::textChanged, this, &frmSetupNameCourses::txtFull_Change);
    connect(txtAbbrev, &QLineEdit::textChanged, this, &frmSetupNameCourses::txtAbbrev_Change);
    connect(chkUseFull, &QCheckBox::clicked, this, &frmSetupNameCourses::chkUseFull_Click);
    connect(chkUseAbb, &QCheckBox::clicked, this, &frmSetupNameCourses::chkUseAbb_Click);
    connect(cboYr, &QComboBox::activated, this, &frmSetupNameCourses::cboYr_Click);
    connect(optWeekly, &QRadioButton::clicked, this, &frmSetupNameCourses::optWeekly_Click);
    connect(optUnit, &QRadioButton::clicked, this, &frmSetupNameCourses::optUnit_Click);
    connect(cboStartDay, &QComboBox::activated, this, &frmSetupNameCourses::cboStartDay_Click);
    connect(cboEndDay, &QComboBox::activated, this, &frmSetupNameCourses::cboEndDay_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmSetupNameCourses::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSetupNameCourses::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmSetupNameCourses::cmdHelp_Click);
    for (QWidget *watched : {static_cast<QWidget *>(txtTName), static_cast<QWidget *>(txtFull),
                             static_cast<QWidget *>(txtAbbrev), static_cast<QWidget *>(lblWk1)})
        watched->installEventFilter(this);
}

QStringList frmSetupNameCourses::schoolYears(int currentYear)
{
    const int last = qMax(LastListedYearAtLeast, currentYear + 5);
    QStringList years;
    for (int y = FirstSchoolYear; y <= last; ++y)
        years << QString::number(y) + QStringLiteral(" - ") + QString::number(y + 1);
    return years;
}

QString frmSetupNameCourses::orderCaption(int index, const QString &planWord)
{
    const QString gap = QStringLiteral("     ---     ");
    switch (index) {
    case 0:
        return QStringLiteral("   &Teacher") + gap + planWord + gap + QStringLiteral("School Year");
    case 1:
        return QStringLiteral("   &") + planWord + gap + QStringLiteral("Teacher") + gap +
               QStringLiteral("School Year");
    case 2:
        return QStringLiteral("   &School Year") + gap + planWord + gap + QStringLiteral("Teacher");
    case 3:
        return QStringLiteral("   T&eacher") + gap + QStringLiteral("School Year") + gap + planWord;
    default:
        return QString();
    }
}

QString frmSetupNameCourses::sampleHeading(int order, const QString &school, const QString &name,
                                           const QString &year, const QString &week)
{
    const QString three(3, QLatin1Char(' '));
    const QString eight(8, QLatin1Char(' '));
    const QString plans = year + QStringLiteral(" Lesson Plans");
    switch (order) {
    case 1:
        return school + three + week + eight + name + eight + plans + three;
    case 2:
        return school + three + plans + eight + week + eight + name + three;
    case 3:
        return school + three + name + eight + plans + eight + week + three;
    default:
        return school + three + name + eight + week + eight + plans + three;
    }
}

void frmSetupNameCourses::Form_Load()
{
    const QSignalBlocker quiet(cboYr);
    cboYr->clear();
    cboYr->addItems(schoolYears(ctx_.platform.today().year()));
    cboYr->setCurrentIndex(1); // 2009 - 2010
}

void frmSetupNameCourses::Form_Activate()
{
    LessonPlanModule &m = ctx_.m;
    atOpen_ = m.record();

    entryfields::setLimitedText(txtTName, m.strTeacherName, NameLimit);
    selectSavedYear(m.strSchoolYear);
    strYearChoice = cboYr->currentText();
    {
        const QSignalBlocker quiet(cboStartDay);
        cboStartDay->clear();
        for (int i = 0; i < 7; ++i)
            cboStartDay->addItem(strDayNames.at(i).left(3));
    }
    strYearAtOpen = cboYr->currentText();
    relabelOrders();
    if (m.intDisplayOrder >= 0 && m.intDisplayOrder < optOrder.size()) {
        optOrder.at(m.intDisplayOrder)->setChecked(true);
        optOrder_Click(m.intDisplayOrder);
    }
    chkUseFull->setChecked(m.blnUseSchoolName);
    chkUseAbb->setChecked(m.blnUseSchoolAbbrev);
    entryfields::setLimitedText(txtFull, m.strSchoolName, SchoolLimit);
    entryfields::setLimitedText(txtAbbrev, m.strSchoolAbbrev, AbbrevLimit);
    strSchoolEntry = txtFull->text();
    strAbbrevEntry = txtAbbrev->text();
    const int firstDay =
        (m.intFirstDay >= 0 && m.intFirstDay < 7) ? m.intFirstDay : SettingsRecord().intFirstDay;
    {
        const QSignalBlocker quiet(cboStartDay);
        cboStartDay->setCurrentIndex(firstDay);
    }
    fillEndDays(firstDay);
    chkUseFull_Click();
    chkUseAbb_Click();
    if (m.blnWeeklyPlans) {
        optWeekly->setChecked(true);
        optWeekly_Click();
    } else {
        optUnit->setChecked(true);
        optUnit_Click();
    }
    updateDoneCancel();
    if (!txtTName->text().trimmed().isEmpty())
        cmdDone->setFocus(Qt::OtherFocusReason);
}

void frmSetupNameCourses::selectSavedYear(const QString &year)
{
    int first = 0;
    if (!readSchoolYear(year, &first))
        return; // nothing to match: the selection stays as it was
    int at = 0;
    for (; at < cboYr->count(); ++at) {
        int listed = 0;
        readSchoolYear(cboYr->itemText(at), &listed);
        if (listed == first) {
            cboYr->setCurrentIndex(at);
            return;
        }
        if (listed > first)
            break;
    }
    const QSignalBlocker quiet(cboYr);
    cboYr->insertItem(at,
                      QString::number(first) + QStringLiteral(" - ") + QString::number(first + 1));
    cboYr->setCurrentIndex(at);
}

void frmSetupNameCourses::txtTName_Change()
{
    if (!txtTName->text().isEmpty())
        strNameEntry = txtTName->text();
    updateDoneCancel();
    buildSample();
}

void frmSetupNameCourses::txtTName_LostFocus()
{
    const QString safe = MakeFileNameSafe(txtTName->text(), ctx_.platform);
    entryfields::setLimitedText(txtTName, safe, NameLimit);
}

void frmSetupNameCourses::txtFull_Change()
{
    strSchoolEntry = txtFull->text();
    buildSample();
}

void frmSetupNameCourses::txtFull_LostFocus()
{
    strSchoolEntry = ReplaceQuotes(txtFull->text());
    buildSample();
}

// The abbreviation is taken from the box as it changes, like the school name; holding only the
// last text left by the focus would let Done store an empty or stale abbreviation.
void frmSetupNameCourses::txtAbbrev_Change()
{
    strAbbrevEntry = txtAbbrev->text();
}

void frmSetupNameCourses::txtAbbrev_LostFocus()
{
    const QString safe = MakeFileNameSafe(txtAbbrev->text(), ctx_.platform);
    entryfields::setLimitedText(txtAbbrev, safe, AbbrevLimit);
    strAbbrevEntry = safe;
}

bool frmSetupNameCourses::storeBoxChange(bool SettingsRecord::*flag, bool use)
{
    LessonPlanModule &m = ctx_.m;
    if (m.*flag == use)
        return true;
    SettingsRecord next = m.record();
    next.*flag = use;
    if (!storeSettings(next, ctx_.store, ctx_.platform))
        return false;
    m.*flag = use;
    atOpen_.*flag = use;
    return true;
}

void frmSetupNameCourses::chkUseFull_Click()
{
    bool use = chkUseFull->isChecked();
    if (!storeBoxChange(&SettingsRecord::blnUseSchoolName, use)) {
        use = !use;
        const QSignalBlocker quiet(chkUseFull);
        chkUseFull->setChecked(use);
    }
    txtFull->setEnabled(use);
    ui::setBackColor(txtFull, use ? ui::windowColor() : ui::buttonFace());
    if (use)
        txtFull->setFocus(Qt::OtherFocusReason);
    lblSample->move(lblSample->x(), ui::twips(use ? SampleTopWithSchool : SampleTopAlone));
    buildSample();
}

void frmSetupNameCourses::chkUseAbb_Click()
{
    bool use = chkUseAbb->isChecked();
    if (!storeBoxChange(&SettingsRecord::blnUseSchoolAbbrev, use)) {
        use = !use;
        const QSignalBlocker quiet(chkUseAbb);
        chkUseAbb->setChecked(use);
    }
    txtAbbrev->setEnabled(use);
    ui::setBackColor(txtAbbrev, use ? ui::windowColor() : ui::buttonFace());
    if (use)
        txtAbbrev->setFocus(Qt::OtherFocusReason);
}

void frmSetupNameCourses::cboYr_Click()
{
    strYearChoice = cboYr->currentText();
    updateDoneCancel();
    // The main window's week follows a new year once it is stored (at its next activation), so
    // a cancelled choice or a plan under way loses nothing.
    buildSample();
}

void frmSetupNameCourses::optWeekly_Click()
{
    blnWeeklyChoice = true;
    strPlanWord = QStringLiteral("Week");
    strSampleWeek = QStringLiteral("Week of October 20");
    relabelOrders();
}

void frmSetupNameCourses::optUnit_Click()
{
    blnWeeklyChoice = false;
    strPlanWord = QStringLiteral("Unit");
    strSampleWeek = QStringLiteral("Unit Plan");
    relabelOrders();
}

void frmSetupNameCourses::cboStartDay_Click()
{
    selectWeekly();
    fillEndDays(cboStartDay->currentIndex());
}

void frmSetupNameCourses::cboEndDay_Click()
{
    selectWeekly();
}

void frmSetupNameCourses::lblWk1_Click()
{
    selectWeekly();
}

void frmSetupNameCourses::optOrder_Click(int Index)
{
    if (Index < 0 || Index >= optOrder.size())
        return;
    intOrderChoice = Index;
    buildSample();
}

void frmSetupNameCourses::cmdDone_Click()
{
    // Done pressed by its access key leaves the focus where it was: check that field as
    // leaving it would have.
    QWidget *focused = focusWidget();
    if (focused == txtTName)
        txtTName_LostFocus();
    else if (focused == txtAbbrev)
        txtAbbrev_LostFocus();
    else if (focused == txtFull)
        txtFull_LostFocus();

    if (strNameEntry.trimmed().isEmpty()) {
        txtTName->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (strYearChoice.isEmpty()) {
        cboYr->setFocus(Qt::OtherFocusReason);
        return;
    }

    LessonPlanModule &m = ctx_.m;
    SettingsRecord next = m.record();
    next.strTeacherName = strNameEntry;
    next.strSchoolYear = strYearChoice;
    next.strSchoolName = ReplaceQuotes(strSchoolEntry);
    next.strSchoolAbbrev = strAbbrevEntry;
    if (cboStartDay->currentIndex() >= 0)
        next.intFirstDay = cboStartDay->currentIndex();
    if (cboEndDay->currentIndex() >= 0)
        next.intDaysPerWeek = cboEndDay->currentIndex() + 2;
    const bool weekChanged =
        next.intFirstDay != m.intFirstDay || next.intDaysPerWeek != m.intDaysPerWeek;
    next.blnWeeklyPlans = blnWeeklyChoice;
    next.intDisplayOrder = intOrderChoice;

    // The check boxes have already changed the record, so compare with what it was at opening.
    if (next != atOpen_ && !storeSettings(next, ctx_.store, ctx_.platform))
        return; // the teacher has been told; the edits stay in the dialog
    m.record() = next;
    atOpen_ = next;
    if (weekChanged)
        resetMainDate();
    done(QDialog::Accepted);
}

void frmSetupNameCourses::cmdCancel_Click()
{
    LessonPlanModule &m = ctx_.m;
    if (m.strTeacherName.isEmpty() || m.strSchoolYear.isEmpty()) {
        ctx_.platform.messageBox(
            QStringLiteral("You cannot quit this screen without saving the Instructor's Name\r\n"
                           "and the Academic Year."),
            QStringLiteral("Information Required."), Platform::Buttons::OK,
            Platform::Icon::Exclamation);
        cmdCancel->setEnabled(false);
        return;
    }
    if (confirmAbandon())
        done(QDialog::Rejected);
}

void frmSetupNameCourses::cmdHelp_Click()
{
    showContextHelp();
}

bool frmSetupNameCourses::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            entryfields::selectAllOnFocus(box);
        break;
    case QEvent::FocusOut:
        if (entryfields::movedByTeacher(event)) {
            if (watched == txtTName)
                txtTName_LostFocus();
            else if (watched == txtAbbrev)
                txtAbbrev_LostFocus();
            else if (watched == txtFull)
                txtFull_LostFocus();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == lblWk1)
            lblWk1_Click();
        break;
    default:
        break;
    }
    return Form::eventFilter(watched, event);
}

void frmSetupNameCourses::relabelOrders()
{
    for (int i = 0; i < optOrder.size(); ++i)
        optOrder.at(i)->setText(orderCaption(i, strPlanWord));
    buildSample();
}

void frmSetupNameCourses::buildSample()
{
    const LessonPlanModule &m = ctx_.m;
    const QString school = m.blnUseSchoolName ? QStringLiteral("  ") + strSchoolEntry.toUpper() +
                                                    QStringLiteral("\r\n")
                                              : QString();
    ctx_.m.strSampleHeading =
        sampleHeading(intOrderChoice, school, txtTName->text(), strYearChoice, strSampleWeek);
    lblSample->setText(ui::fromCrLf(ctx_.m.strSampleHeading));
}

void frmSetupNameCourses::updateDoneCancel()
{
    const bool complete = !txtTName->text().trimmed().isEmpty() && !cboYr->currentText().isEmpty();
    cmdDone->setEnabled(complete);
    cmdCancel->setEnabled(complete);
}

// The end day is one of the six days after the start day; the number of days per week stays as
// saved when the start day changes.
void frmSetupNameCourses::fillEndDays(int start)
{
    if (start < 0 || start > 6)
        return;
    const QSignalBlocker quiet(cboEndDay);
    cboEndDay->clear();
    for (int i = 1; i <= 6; ++i)
        cboEndDay->addItem(strDayNames.at(start + i).left(3));
    const int days = ctx_.m.intDaysPerWeek;
    cboEndDay->setCurrentIndex(days >= 2 && days <= 7 ? days - 2
                                                      : SettingsRecord().intDaysPerWeek - 2);
}

void frmSetupNameCourses::selectWeekly()
{
    optWeekly->setChecked(true);
    optWeekly_Click();
}

void frmSetupNameCourses::resetMainDate()
{
    frmMain *main = ctx_.main;
    // A plan under way keeps its week; the lists follow the new week once it is done.
    if (!main || (main->calendar && main->calendar->planUnderWay()))
        return;
    if (main->cboDate) {
        const QSignalBlocker quiet(main->cboDate);
        main->cboDate->setCurrentIndex(-1);
    }
    if (main->cboDay) {
        const QSignalBlocker quiet(main->cboDay);
        main->cboDay->clear();
    }
    if (main->cmdBegin)
        main->cmdBegin->setEnabled(false);
}
