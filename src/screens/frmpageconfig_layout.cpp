// Builds the controls of the setup screen at their fixed places. Behaviour lives in
// frmpageconfig.cpp, the sample page in frmpageconfig_preview.cpp.

#include "screens/frmpageconfig.h"

#include "platform/ui.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace
{

constexpr int FormWidth = 8430;
constexpr int FormHeight = 7530;

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(ui::twips(left), ui::twips(top), ui::twips(width), ui::twips(height));
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

void setBold(QWidget *w)
{
    QFont font = w->font();
    font.setBold(true);
    w->setFont(font);
}

} // namespace

void frmPageConfig::createControls()
{
    setObjectName(QStringLiteral("frmPageConfig"));
    setWindowTitle(QStringLiteral(" LESSON PLAN DOCUMENT SETUP"));
    // The places below are fixed; a smaller face keeps the longest captions inside them.
    QFont face = font();
    face.setPointSizeF(8.5);
    setFont(face);
    setFixedSize(ui::twips(FormWidth), ui::twips(FormHeight));

    createButtonColumn();
    createPreview();
    createStorageBand();

    DelayTimer = new QTimer(this);
    DelayTimer->setObjectName(QStringLiteral("DelayTimer"));
    DelayTimer->setInterval(750);

    // "Click to Select" lies above the page and shows only while the pointer is on a region.
    SettingsLabel[1]->raise();
    for (QLabel *region : std::as_const(HighlightLabel))
        region->raise();

    // Tab order follows the column, then the band and the buttons below it.
    QWidget *order[] = {TeacherYearButton, CourseButton,     PeriodButton,      OverviewButton,
                        NoteButton,        ObjectiveButton,  TaskHeadingButton, TaskButton,
                        ClosureButton,     AssessmentButton, MaterialsButton,   StateButton,
                        cmdNewType,        cmdNewLocation,   cmdImport,         cmdHelp,
                        DoneButton};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmPageConfig::createButtonColumn()
{
    for (int i = 0; i < 2; ++i)
        SettingsLabel.append(label(this, QStringLiteral("SettingsLabel(%1)").arg(i), QString()));
    SettingsLabel[0]->setText(QStringLiteral("Change Formatting:"));
    setBold(SettingsLabel[0]);
    place(SettingsLabel[0], 150, 150, 2900, 270);

    SettingsLabel[1]->setText(QStringLiteral("Click to Select"));
    setBold(SettingsLabel[1]);
    SettingsLabel[1]->setAlignment(Qt::AlignCenter);
    ui::setBackColor(SettingsLabel[1], ui::lightCyan());
    QPalette pal = SettingsLabel[1]->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    SettingsLabel[1]->setPalette(pal);
    place(SettingsLabel[1], 4950, 150, 1650, 270);
    SettingsLabel[1]->hide();

    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setFrameShape(QFrame::Box);
    place(Shape2, 90, 450, 2970, 5010);

    const struct {
        QPushButton **slot;
        const char *name;
        const char *caption;
    } buttons[] = {
        {&TeacherYearButton, "TeacherYearButton", "&Instructor/School/Year/Plan Type"},
        {&CourseButton, "CourseButton", "&Course/Subject"},
        {&PeriodButton, "PeriodButton", " &Period/Group"},
        {&OverviewButton, "OverviewButton", "&Unit Goal"},
        {&NoteButton, "NoteButton", "Special &Note"},
        {&ObjectiveButton, "ObjectiveButton", "Daily &Objective"},
        {&TaskHeadingButton, "TaskHeadingButton", "Tasks/Activities &Heading"},
        {&TaskButton, "TaskButton", "&Tasks/Time-on-Task"},
        {&ClosureButton, "ClosureButton", "&Assignment/Closure Activity"},
        {&AssessmentButton, "AssessmentButton", "Ass&essment"},
        {&MaterialsButton, "MaterialsButton", "&Materials/Supplies/Technology"},
        {&StateButton, "StateButton", "State/Local &Standards"},
    };
    int top = 540;
    for (const auto &b : buttons) {
        *b.slot = button(this, QLatin1StringView(b.name), QString::fromUtf8(b.caption));
        place(*b.slot, 165, top, 2820, 375);
        (*b.slot)->installEventFilter(this);
        top += 405;
    }
}

void frmPageConfig::createStorageBand()
{
    lblYellowBG = label(this, QStringLiteral("lblYellowBG"), QString());
    ui::setBackColor(lblYellowBG, ui::lightYellow());
    lblYellowBG->setFrameShape(QFrame::Box);
    place(lblYellowBG, 90, 5580, 8220, 1140);

    lblLocationHeading = label(this, QStringLiteral("lblLocationHeading"),
                               QStringLiteral("Lesson Plan Documents will be stored as "));
    lblType = label(this, QStringLiteral("lblType"), QString());
    setBold(lblType);
    lblTypeCompletion = label(this, QStringLiteral("lblTypeCompletion"), QString());
    lblFileLocation = label(this, QStringLiteral("lblFileLocation"), QString());
    for (QLabel *l : {lblLocationHeading, lblType, lblTypeCompletion, lblFileLocation})
        place(l, 240, 5670, 7900, 255);
    lblFileLocation->move(lblFileLocation->x(), ui::twips(5940));

    cmdNewType =
        button(this, QStringLiteral("cmdNewType"), QStringLiteral("Select a New &File Type"));
    place(cmdNewType, 240, 6255, 2700, 375);
    cmdNewLocation =
        button(this, QStringLiteral("cmdNewLocation"), QStringLiteral("&Browse for New Location"));
    place(cmdNewLocation, 3060, 6255, 2700, 375);
    cmdNewLocation->installEventFilter(this);

    shpImport = new QFrame(this);
    shpImport->setObjectName(QStringLiteral("shpImport"));
    shpImport->setFrameShape(QFrame::Box);
    place(shpImport, 90, 6840, 2820, 540);
    cmdImport =
        button(this, QStringLiteral("cmdImport"), QStringLiteral("Import/E&xport Settings"));
    place(cmdImport, 165, 6915, 2670, 390);

    cmdHelp = button(this, QStringLiteral("cmdHelp"), QStringLiteral("&Help"));
    place(cmdHelp, 5250, 6915, 1350, 390);
    DoneButton = button(this, QStringLiteral("DoneButton"), QStringLiteral("&Done"));
    place(DoneButton, 6840, 6915, 1470, 390);
}
