// The sample page of the setup screen: a day's plan in miniature, built from labels at fixed
// places, and its rebuilding from the settings.

#include "screens/frmpageconfig.h"

#include "platform/ui.h"
#include "settings/settings.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <optional>

namespace
{

// The right edge of the page's text area and the left edge of its lines, in twips.
constexpr int PageRight = 8220;
constexpr int LineLeft = 3240;
constexpr int LineHeight = 210;

// A hidden section keeps its place on the page: its lines become 20 blanks.
const QString Blank = QString(20, QLatin1Char(' '));

struct LabelSpec {
    const char *name;
    int left;
    int top;
    int width;
    int height;
    bool bold;
    bool italic;
    bool underline;
};

// Every label of the page with its fixed formatting; the refresh changes the formatting of
// some of them (heading top, overview/day/objective weight and slant, section underlines).
const LabelSpec pageLabels[] = {
    {"HeadingLabel", LineLeft, 750, PageRight - LineLeft, 2 * LineHeight, false, false, false},
    {"CourseLabel", LineLeft, 1170, 5280 - LineLeft, LineHeight, true, false, false},
    {"PeriodLabel", 5325, 1170, PageRight - 5325, LineHeight, true, false, false},
    {"OverviewLabel", LineLeft, 1425, PageRight - LineLeft, LineHeight, false, true, false},
    {"DayLabel", LineLeft, 1635, PageRight - LineLeft, LineHeight, true, false, false},
    {"NoteLabel", LineLeft, 1860, PageRight - LineLeft, LineHeight, false, false, false},
    {"ObjectiveLabel", LineLeft, 2085, PageRight - LineLeft, LineHeight, false, true, false},
    {"TasksHeadingLabel", LineLeft, 2325, PageRight - LineLeft, LineHeight, false, true, true},
    {"Task1Label", LineLeft, 2535, PageRight - LineLeft, LineHeight, false, false, false},
    {"Task2Label", LineLeft, 2745, PageRight - LineLeft, LineHeight, false, false, false},
    {"Task3Label", LineLeft, 2955, PageRight - LineLeft, LineHeight, false, false, false},
    {"ClosureHeadingLabel", LineLeft, 3210, PageRight - LineLeft, LineHeight, false, true, true},
    {"ClosureLabel", LineLeft, 3420, PageRight - LineLeft, LineHeight, false, false, false},
    {"AssessmentHeadingLabel", LineLeft, 3690, PageRight - LineLeft, LineHeight, false, true, true},
    {"AssessmentLabel1", LineLeft, 3900, PageRight - LineLeft, LineHeight, false, false, false},
    {"AssessmentLabel2", LineLeft, 4110, PageRight - LineLeft, LineHeight, false, false, false},
    {"MaterialsHeadingLabel", LineLeft, 4380, PageRight - LineLeft, LineHeight, false, true, true},
    {"MaterialsLabel", LineLeft, 4595, PageRight - LineLeft, LineHeight, false, false, false},
    {"StateHLabel", LineLeft, 4890, PageRight - LineLeft, LineHeight, false, true, true},
    {"StateLabel", LineLeft, 5100, PageRight - LineLeft, LineHeight, false, false, false},
};

struct Region {
    int left;
    int top;
    int width;
    int height;
};

// The pointing and clicking regions, by section index.
const Region regions[12] = {
    {3165, 585, 5055, 540},  {3165, 1095, 2100, 330}, {5265, 1080, 2955, 345},
    {3165, 1410, 5055, 255}, {3165, 1845, 5055, 240}, {3165, 2085, 5055, 240},
    {3165, 2310, 5055, 255}, {3165, 2535, 5055, 675}, {3165, 3210, 5055, 480},
    {3165, 3675, 5055, 690}, {3165, 4365, 5055, 495}, {3165, 4845, 5055, 525},
};

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(ui::twips(left), ui::twips(top), ui::twips(width), ui::twips(height));
}

void setFontStyle(QLabel *label, std::optional<bool> bold, std::optional<bool> italic,
                  std::optional<bool> underline)
{
    if (!label)
        return;
    QFont font = label->font();
    if (bold)
        font.setBold(*bold);
    if (italic)
        font.setItalic(*italic);
    if (underline)
        font.setUnderline(*underline);
    label->setFont(font);
}

void setCaption(QLabel *label, const QString &caption)
{
    if (label)
        label->setText(caption);
}

// The time on task of a sample activity: every "X" of the template becomes the minutes and
// the unit.
QString timeOnTask(const SettingsRecord &s, int minutes)
{
    return QString(s.strTimeTemplate)
        .replace(QStringLiteral("X"), QString::number(minutes) + QLatin1Char(' ') + s.strTimeUnit,
                 Qt::CaseSensitive);
}

// The sample heading line for a display order, or a null string outside 0 to 3.
QString headingLine(int order, const QString &samplePeriod)
{
    switch (order) {
    case 0:
        return QStringLiteral("Ms. Quorrel      ") + samplePeriod +
               QStringLiteral("       2009-2010 Lesson Plans");
    case 1:
        return samplePeriod + QStringLiteral("        Ms. Quorrel     2009-2010 Lesson Plans");
    case 2:
        return QStringLiteral("2009-2010 Lesson Plans      ") + samplePeriod +
               QStringLiteral("       Ms. Quorrel");
    case 3:
        return QStringLiteral("Ms. Quorrel        2009-2010 Lesson Plans     ") + samplePeriod;
    default:
        return QString();
    }
}

// A long folder keeps its start and its end: the first 10 characters, "..." and the last 38.
QString folderText(const QString &folder)
{
    if (folder.size() < 50)
        return QStringLiteral(" in folder ") + folder;
    return QStringLiteral(" in folder ") + folder.left(10) + QStringLiteral("...") +
           folder.right(38);
}

} // namespace

void frmPageConfig::createPreview()
{
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    ui::setBackColor(Shape1, ui::white());
    place(Shape1, 3120, 450, 5190, 5010);

    QFont pageFont(QStringLiteral("Times New Roman"));
    pageFont.setPointSizeF(8.25);
    QLabel **slots[] = {&HeadingLabel,
                        &CourseLabel,
                        &PeriodLabel,
                        &OverviewLabel,
                        &DayLabel,
                        &NoteLabel,
                        &ObjectiveLabel,
                        &TasksHeadingLabel,
                        &Task1Label,
                        &Task2Label,
                        &Task3Label,
                        &ClosureHeadingLabel,
                        &ClosureLabel,
                        &AssessmentHeadingLabel,
                        &AssessmentLabel1,
                        &AssessmentLabel2,
                        &MaterialsHeadingLabel,
                        &MaterialsLabel,
                        &StateHLabel,
                        &StateLabel};
    static_assert(std::size(slots) == std::size(pageLabels));
    for (size_t i = 0; i < std::size(pageLabels); ++i) {
        const LabelSpec &spec = pageLabels[i];
        auto *label = new QLabel(Blank, this);
        label->setObjectName(QLatin1StringView(spec.name));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(pageFont);
        setFontStyle(label, spec.bold, spec.italic, spec.underline);
        ui::setBackColor(label, ui::white());
        place(label, spec.left, spec.top, spec.width, spec.height);
        *slots[i] = label;
    }

    // The rule under the heading.
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    ui::setBackColor(Line1, Qt::black);
    place(Line1, LineLeft, 930, 7685 - LineLeft, 15);

    // The regions lie over everything else on the page, so they take the pointer.
    for (int i = 0; i < 12; ++i) {
        auto *region = new QLabel(this);
        region->setObjectName(QStringLiteral("HighlightLabel(%1)").arg(i));
        region->setFrameShape(QFrame::NoFrame);
        region->setMouseTracking(true);
        region->setCursor(Qt::PointingHandCursor);
        place(region, regions[i].left, regions[i].top, regions[i].width, regions[i].height);
        region->installEventFilter(this);
        HighlightLabel.append(region);
    }
    HeadingLabel->setMouseTracking(true);
    HeadingLabel->installEventFilter(this);
    CourseLabel->setMouseTracking(true);
    CourseLabel->installEventFilter(this);
}

void frmPageConfig::RefreshPreview()
{
    const SettingsRecord &s = m;

    // 1, 2. Course and period
    setCaption(CourseLabel, s.strCourseHeading + QStringLiteral(": ''Algebra 1''"));
    setCaption(PeriodLabel, s.blnShowPeriod ? s.strPeriodHeading + QStringLiteral(" 3") : Blank);

    // 3. Plan type
    int ruleEnd = 7685;
    if (s.blnWeeklyPlans) {
        OverviewButton->setText(QStringLiteral("&Unit Goal"));
        place(HighlightLabel.at(3), regions[3].left, regions[3].top, regions[3].width, 255);
        ObjectiveButton->setText(QStringLiteral("Daily &Objective"));
        setCaption(OverviewLabel,
                   s.blnShowUnitGoal
                       ? (s.strUnitGoalHeading + QStringLiteral(": Methods of Factoring")).left(60)
                       : Blank);
        strSamplePeriod = QStringLiteral("Week of October 19");
        setFontStyle(DayLabel, true, false, {});
        setCaption(DayLabel, QStringLiteral("Monday, October 19"));
        setFontStyle(OverviewLabel, false, true, {});
        frmOverviewDialog = &frmPageConfig::unitGoalDialog;
    } else {
        OverviewButton->setText(QStringLiteral("&Unit Topic / Time Frame"));
        place(HighlightLabel.at(3), regions[3].left, regions[3].top, regions[3].width, 470);
        ObjectiveButton->setText(QStringLiteral("Unit &Objective"));
        strSamplePeriod = QStringLiteral("Unit Plan");
        ruleEnd = 8125;
        setFontStyle(DayLabel, false, {}, {});
        setFontStyle(OverviewLabel, true, false, {});
        setCaption(OverviewLabel, s.blnShowUnitTopic
                                      ? (s.strUnitTopicHeading +
                                         QStringLiteral(": Factoring Perfect Square Trinomials"))
                                            .left(60)
                                      : Blank);
        setCaption(
            DayLabel,
            s.blnShowTimeline
                ? (s.strTimelineHeading + QStringLiteral(": 4 sessions... October 19-22")).left(60)
                : Blank);
        frmOverviewDialog = &frmPageConfig::unitTopicDialog;
    }

    // 4. Heading line, with the school name above it when it is used
    const QString line = headingLine(s.intDisplayOrder, strSamplePeriod);
    const int ruleTop = s.blnUseSchoolName ? 1035 : 930;
    const int headingTop = s.blnUseSchoolName ? 630 : 750;
    place(HeadingLabel, LineLeft, headingTop, PageRight - LineLeft, ruleTop - headingTop);
    place(Line1, LineLeft, ruleTop, ruleEnd - LineLeft, 15);
    if (!line.isNull())
        setCaption(HeadingLabel,
                   s.blnUseSchoolName ? QStringLiteral("BRINDLEWOOD SCHOOL\r\n") + line : line);

    // 5. Special note
    if (s.blnShowNote)
        setCaption(NoteLabel, s.strNoteOpen +
                                  (s.blnWeeklyPlans
                                       ? QStringLiteral("Short Session - Assembly Day")
                                       : QStringLiteral("Short Session October 21- Assembly Day")) +
                                  s.strNoteClose);
    else
        setCaption(NoteLabel, Blank);

    // 6. Objective
    setFontStyle(ObjectiveLabel, !s.blnWeeklyPlans, {}, {});
    setCaption(ObjectiveLabel,
               s.blnShowDailyObj
                   ? (s.strDailyObjHeading +
                      QStringLiteral(": Students will factor perfect square trinomials."))
                         .left(68)
                   : Blank);

    // 7. Tasks
    setCaption(TasksHeadingLabel, s.strTasksHeading + QLatin1Char(':'));
    setCaption(Task1Label,
               QStringLiteral("1. ") + timeOnTask(s, 15) + QStringLiteral(" Review Homework"));
    setCaption(Task2Label, QStringLiteral("2. ") + timeOnTask(s, 25) +
                               QStringLiteral(" Teacher Lecture") + s.strActivityPunct +
                               QStringLiteral(" Topic... Perfect Square Trinomials"));
    setCaption(Task3Label, QStringLiteral("3. ") + timeOnTask(s, 20) +
                               QStringLiteral(" Student Practice") + s.strActivityPunct +
                               QStringLiteral(" Workbook Pg. 107 #1-10"));

    // 8. Closure
    setFontStyle(ClosureHeadingLabel, {}, {}, s.blnShowClosure);
    setCaption(ClosureHeadingLabel,
               s.blnShowClosure ? s.strClosureHeading + QLatin1Char(':') : Blank);
    setCaption(ClosureLabel, s.blnShowClosure ? QStringLiteral("Review for Test") : Blank);

    // 9. Assessment
    setFontStyle(AssessmentHeadingLabel, {}, {}, s.blnShowAssessment);
    setCaption(AssessmentHeadingLabel,
               s.blnShowAssessment ? s.strAssessHeading + QLatin1Char(':') : Blank);
    setCaption(AssessmentLabel1,
               s.blnShowAssessment ? QStringLiteral("1. Teacher Observation") : Blank);
    setCaption(AssessmentLabel2, s.blnShowAssessment
                                     ? QStringLiteral("2. Quiz") + s.strAssessPunct +
                                           QStringLiteral(" Factoring Polynomials")
                                     : Blank);

    // 10. Materials
    setFontStyle(MaterialsHeadingLabel, {}, {}, s.blnShowMaterials);
    setCaption(MaterialsHeadingLabel,
               s.blnShowMaterials ? QStringLiteral("Materials/Supplies/Technology:") : Blank);
    setCaption(MaterialsLabel, s.blnShowMaterials
                                   ? QStringLiteral("Text(s): Algebra For Starters, 2008; "
                                                    "Resource(s): Starters Workbook")
                                   : Blank);

    // 11. Standards
    setFontStyle(StateHLabel, {}, {}, s.blnShowStandards);
    setCaption(StateHLabel, s.blnShowStandards ? s.strStandardsHeading + QLatin1Char(':') : Blank);
    QString standards = Blank;
    if (s.blnShowStandards && s.strStandardsMode == QLatin1String("PREFIXED"))
        standards = QStringLiteral("3A-1, 4B, 2C");
    else if (s.blnShowStandards && s.strStandardsMode == QLatin1String("NO PREFIXES"))
        standards =
            QStringLiteral("Standard 23A-2  The student will factor perfect square trinomials.");
    setCaption(StateLabel, standards);

    // 12. Storage line
    setCaption(lblFileLocation, folderText(s.strStorageFolder));
    setCaption(lblType, s.strFileTypeName);
    setCaption(lblTypeCompletion, QStringLiteral(" (") + s.strFileExt + QStringLiteral(") files"));
}
