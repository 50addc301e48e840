// Builds the controls of the main window and lays the window out. Behaviour lives elsewhere.

#include "app/frmmain.h"

#include "platform/richtextbox.h"
#include "platform/ui.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <type_traits>

namespace
{

template <typename T> T *named(T *widget, const QString &name, const QString &tip = QString())
{
    widget->setObjectName(name);
    if constexpr (std::is_base_of_v<QWidget, T>) {
        if (!tip.isEmpty())
            widget->setToolTip(tip);
    }
    return widget;
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption)
{
    auto *l = named(new QLabel(caption, parent), name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QString &tip = QString())
{
    auto *b = named(new QPushButton(caption, parent), name, tip);
    b->setAutoDefault(false);
    return b;
}

// Check-mark lists: a ticked line is a selected line.
QListWidget *checkList(QWidget *parent, const QString &name, const QString &tip)
{
    auto *list = named(new QListWidget(parent), name, tip);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// The calendar picture beside the week lists, normal or highlighted under the pointer.
QPixmap calendarPicture(bool highlighted)
{
    QPixmap pixmap(28, 28);
    pixmap.fill(highlighted ? ui::yellow() : Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3.5, 5.5, 21, 19), 2, 2);
    p.setBrush(QColor(190, 40, 40));
    p.drawRect(QRectF(3.5, 5.5, 21, 5));
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.drawLine(QPointF(8.5, 3), QPointF(8.5, 8));
    p.drawLine(QPointF(19.5, 3), QPointF(19.5, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 80, 80));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(6.5 + col * 4.5, 13 + row * 3.7, 2.5, 2.2));
    return pixmap;
}

// The right-hand column: earlier plans at the top, the document's buttons below.
constexpr int RightColumnWidth = 164;

} // namespace

void frmMain::createControls()
{
    setObjectName(QStringLiteral("frmMain"));
    setMouseTracking(true);

    auto *top = new QWidget(this);
    top->setObjectName(QStringLiteral("topBand"));
    auto *day = new QWidget(this);
    day->setObjectName(QStringLiteral("dayBand"));
    auto *document = new QWidget(this);
    document->setObjectName(QStringLiteral("documentBand"));
    for (QWidget *band : {top, day, document})
        band->setMouseTracking(true);
    createTopBand(top);
    createDayBand(day);
    createDocumentBand(document);

    // The bands keep the height the step frames are laid over; the document takes the rest.
    top->setFixedHeight(ui::twips(1200) - 6);
    day->setFixedHeight(ui::twips(5365) + 4);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(top);
    layout->addWidget(day);
    layout->addWidget(document, 1);

    createOverlays();
    createMenus();
    setDesignState();
    // The height below the fixed bands is the document's: the window may be made as small as
    // its controls allow (no caption cut), so that it fits a laptop's screen, or larger.
    resize(ui::twips(13500), ui::twips(11700));
}

void frmMain::createTopBand(QWidget *band)
{
    Label2 = label(band, QStringLiteral("Label2"), QStringLiteral("&Course/Subject:"));
    cboCourses = named(new QComboBox(band), QStringLiteral("cboCourses"),
                       QStringLiteral("Select a Course or Subject"));
    cboCourses->setMinimumWidth(150);
    Label2->setBuddy(cboCourses);
    lblPdGrp = label(band, QStringLiteral("lblPdGrp"), QStringLiteral("Period/&Group:"));
    txtPeriod = named(new QLineEdit(band), QStringLiteral("txtPeriod"),
                      QStringLiteral("Type the Period or Group designation"));
    txtPeriod->setFixedWidth(70);
    lblPdGrp->setBuddy(txtPeriod);

    // Week of a weekly plan
    fraWeeklyPlan = named(new QGroupBox(band), QStringLiteral("fraWeeklyPlan"));
    fraWeeklyPlan->setFlat(true);
    fraWeeklyPlan->setMouseTracking(true);
    Label1 = label(fraWeeklyPlan, QStringLiteral("Label1"), QStringLiteral("&Week of:"));
    cboMonth = named(new QComboBox(fraWeeklyPlan), QStringLiteral("cboMonth"),
                     QStringLiteral("Choose the Month for this Lesson Plan"));
    ui::fitComboTo(cboMonth, QStringLiteral("September"));
    Label1->setBuddy(cboMonth);
    cboDate = named(new QComboBox(fraWeeklyPlan), QStringLiteral("cboDate"),
                    QStringLiteral("Choose the starting Date for the Week"));
    ui::fitComboTo(cboDate, QStringLiteral("30"));
    imgCal = named(new QLabel(fraWeeklyPlan), QStringLiteral("imgCal"),
                   QStringLiteral("Click to view a calendar"));
    imgCal1 = named(new QLabel(fraWeeklyPlan), QStringLiteral("imgCal1"));
    imgCal2 = named(new QLabel(fraWeeklyPlan), QStringLiteral("imgCal2"));
    imgCal1->setPixmap(calendarPicture(false));
    imgCal2->setPixmap(calendarPicture(true));
    imgCal1->hide();
    imgCal2->hide();
    imgCal->setPixmap(imgCal1->pixmap());
    imgCal->setCursor(Qt::PointingHandCursor);
    Label4 = label(fraWeeklyPlan, QStringLiteral("Label4"), QStringLiteral("Year:"));
    lblYear = label(fraWeeklyPlan, QStringLiteral("lblYear"), QString());
    lblYear->setMinimumWidth(36);
    cboDay = named(new QComboBox(fraWeeklyPlan), QStringLiteral("cboDay"),
                   QStringLiteral("Select the next Day to override the automatic setting"));
    // Wide enough for the longest school day, whatever the week.
    ui::fitComboTo(cboDay, QStringLiteral("Wednesday, September 30"));
    auto *week = new QHBoxLayout(fraWeeklyPlan);
    week->setContentsMargins(2, 0, 2, 0);
    week->setSpacing(3);
    week->addWidget(Label1);
    week->addWidget(cboMonth);
    week->addWidget(cboDate);
    week->addWidget(imgCal);
    week->addSpacing(4);
    week->addWidget(Label4);
    week->addWidget(lblYear);
    week->addWidget(cboDay, 1);

    // Topic of a unit plan
    fraUnitPlan = named(new QGroupBox(band), QStringLiteral("fraUnitPlan"));
    fraUnitPlan->setFlat(true);
    lblUnit = label(fraUnitPlan, QStringLiteral("lblUnit"), QStringLiteral("&Unit Topic:"));
    txtUnit = named(new QLineEdit(fraUnitPlan), QStringLiteral("txtUnit"),
                    QStringLiteral("Type the Main Topic of the current Unit Plan"));
    lblUnit->setBuddy(txtUnit);
    lblTopicNote = label(fraUnitPlan, QStringLiteral("lblTopicNote"), QString());
    QFont small = lblTopicNote->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    lblTopicNote->setFont(small);
    auto *unit = new QHBoxLayout(fraUnitPlan);
    unit->setContentsMargins(2, 0, 2, 0);
    unit->addWidget(lblUnit);
    unit->addWidget(txtUnit, 1);
    unit->addWidget(lblTopicNote);

    cmdBegin = button(band, QStringLiteral("cmdBegin"), QStringLiteral("&Begin Plan"),
                      QStringLiteral("Start constructing the new Lesson Plan Document"));

    // Earlier plans: kept right of the viewer frame, so they stay usable while it is open.
    cboOldPlans = named(new QComboBox(band), QStringLiteral("cboOldPlans"),
                        QStringLiteral("Select a Lesson Plan Document that was created earlier in "
                                       "this session"));
    cboOldPlans->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboOldPlans->setMinimumContentsLength(8);
    cmdPrev = button(band, QStringLiteral("cmdPrev"), QStringLiteral("&<<< View Previous"),
                     QStringLiteral("View the previous Plan and/or copy text to the current Plan"));

    auto *grid = new QGridLayout(band);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    auto *row1 = new QHBoxLayout;
    row1->addWidget(Label2);
    row1->addWidget(cboCourses, 1);
    row1->addSpacing(8);
    row1->addWidget(lblPdGrp);
    row1->addSpacing(ui::twips(50));
    row1->addWidget(txtPeriod);
    auto *row2 = new QHBoxLayout;
    row2->addWidget(fraWeeklyPlan, 1);
    row2->addWidget(fraUnitPlan, 1);
    row2->addWidget(cmdBegin);
    grid->addLayout(row1, 0, 0);
    grid->addLayout(row2, 1, 0);
    grid->addWidget(cboOldPlans, 0, 1);
    grid->addWidget(cmdPrev, 1, 1);
    grid->setColumnMinimumWidth(1, RightColumnWidth);
    grid->setColumnStretch(0, 1);

    NewDayTimer = named(new QTimer(this), QStringLiteral("NewDayTimer"));
    NewDayTimer->setInterval(2500);
}

void frmMain::createDayBand(QWidget *band)
{
    lblObjective = label(band, QStringLiteral("lblObjective"), QStringLiteral("Daily &Objective:"));
    txtObjective = named(new QPlainTextEdit(band), QStringLiteral("txtObjective"));
    txtObjective->setTabChangesFocus(true);
    txtObjective->setFixedHeight(44);
    lblObjective->setBuddy(txtObjective);
    cmdContinue = button(band, QStringLiteral("cmdContinue"), QStringLiteral(" ( con&t.) ?"),
                         QStringLiteral("Mark the Objective as a continuation"));
    lblUnchanged = label(band, QStringLiteral("lblUnchanged"),
                         QStringLiteral("Daily Objective may require updating..."));
    lblUnchanged->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    cmdNewUnit = button(band, QStringLiteral("cmdNewUnit"), QStringLiteral("New &Unit?"),
                        QStringLiteral("Start a new Unit of Study"));
    cmdNote = button(band, QStringLiteral("cmdNote"), QStringLiteral("Sp&ecial Note"),
                     QStringLiteral("Click here to type a Special Note"));

    // The item panel, and the blank frame that covers it while no plan is under way.
    auto *panel = new QWidget(band);
    // The earlier-plan viewer is laid over this panel.
    panel->setObjectName(QStringLiteral("dayPanel"));
    auto *panelStack = new QGridLayout(panel);
    panelStack->setContentsMargins(0, 0, 0, 0);
    fraDay = named(new QFrame(panel), QStringLiteral("fraDay"));
    fraDay->setFrameShape(QFrame::StyledPanel);
    fraBlank = named(new QFrame(panel), QStringLiteral("fraBlank"));
    fraBlank->setFrameShape(QFrame::StyledPanel);
    auto *blankHint = label(fraBlank, QStringLiteral("lblBlankHint"),
                            QStringLiteral("Choose a course, the period and the week (or the unit "
                                           "topic),\nthen press Begin Plan."));
    blankHint->setAlignment(Qt::AlignCenter);
    blankHint->setEnabled(false);
    auto *blankLayout = new QVBoxLayout(fraBlank);
    blankLayout->addWidget(blankHint);
    panelStack->addWidget(fraDay, 0, 0);
    panelStack->addWidget(fraBlank, 0, 0);

    FrameLabel =
        label(fraDay, QStringLiteral("FrameLabel"), QStringLiteral(" Instructional Activities:"));
    FrameLabel->setAutoFillBackground(true);
    QFont heading = FrameLabel->font();
    heading.setBold(true);
    FrameLabel->setFont(heading);
    FrameLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    lblResize = label(fraDay, QStringLiteral("lblResize"), QString());
    lblResize->hide();
    const QStringList keys = {QStringLiteral("&1."),  QStringLiteral("&2."), QStringLiteral("&3."),
                              QStringLiteral("&4."),  QStringLiteral("&5."), QStringLiteral("&6."),
                              QStringLiteral("&7."),  QStringLiteral("&8."), QStringLiteral("&9."),
                              QStringLiteral("1&0."), QStringLiteral("&I."), QStringLiteral("&J."),
                              QStringLiteral("&M."),  QStringLiteral("&Q."), QStringLiteral("&Y.")};
    auto *items = new QGridLayout;
    items->setHorizontalSpacing(2);
    items->setVerticalSpacing(0);
    for (int i = 0; i < 16; ++i) {
        const QString caption = i < 15 ? keys.at(i) : QStringLiteral("( Blank &Line )");
        auto *option =
            named(new QRadioButton(caption, fraDay), QStringLiteral("optTask(%1)").arg(i),
                  QStringLiteral("Select this item"));
        optTask.append(option);
        const int row = i % 8;
        const int col = (i / 8) * 2;
        if (i < 15) {
            auto *name = label(fraDay, QStringLiteral("lblTask(%1)").arg(i), QString());
            name->setToolTip(QStringLiteral("Select this item"));
            name->setMaximumWidth(ui::captionTwipsToPixels(name, 2400));
            // A long item gives way to the column beside it instead of running into it.
            name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            // The option is read out with the item it picks.
            name->setBuddy(option);
            lblTask.append(name);
            items->addWidget(option, row, col);
            items->addWidget(name, row, col + 1);
        } else {
            items->addWidget(option, row, col, 1, 2);
        }
    }
    items->setColumnStretch(1, 1);
    items->setColumnStretch(3, 1);
    optDummy = named(new QRadioButton(fraDay), QStringLiteral("optDummy"));
    optDummy->hide();

    lblDescription =
        label(fraDay, QStringLiteral("lblDescription"), QStringLiteral(" D&escription:"));
    lblDescription->setAutoFillBackground(true);
    txtDescription =
        named(new QPlainTextEdit(fraDay), QStringLiteral("txtDescription"),
              QStringLiteral("Hitting the <Enter> key drops to the next line of typing"));
    txtDescription->setTabChangesFocus(true);
    lblDescription->setBuddy(txtDescription);
    lblTwice = label(fraDay, QStringLiteral("lblTwice"),
                     QStringLiteral("Hit <ENTER> twice or click 'OK '"));
    cmdOK = button(fraDay, QStringLiteral("cmdOK"), QStringLiteral("O&K  >>>"),
                   QStringLiteral("Accept the Description above and add it to the current Plan"));
    auto *accept = new QHBoxLayout;
    accept->addWidget(lblTwice, 1);
    accept->addWidget(cmdOK);
    auto *dayLayout = new QVBoxLayout(fraDay);
    dayLayout->setContentsMargins(6, 4, 6, 4);
    dayLayout->setSpacing(2);
    dayLayout->addWidget(FrameLabel);
    dayLayout->addLayout(items);
    dayLayout->addWidget(lblDescription);
    dayLayout->addWidget(txtDescription, 10);
    dayLayout->addLayout(accept);
    // While no item is being described, the rows above keep their places.
    dayLayout->addStretch(1);

    // The list of items being added, the cover shown in its place, and the editing tools.
    lblList = label(band, QStringLiteral("lblList"), QStringLiteral("Adding to Plan:"));
    auto *listArea = new QWidget(band);
    auto *listStack = new QGridLayout(listArea);
    listStack->setContentsMargins(0, 0, 0, 0);
    lstAdd = named(new QListWidget(listArea), QStringLiteral("lstAdd"),
                   QStringLiteral("Double-click an item to edit or delete it from the list"));
    lstAdd->setMouseTracking(true);
    lblList->setBuddy(lstAdd);
    lstBuild = named(new QListWidget(listArea), QStringLiteral("lstBuild"));
    lstBuild->hide();
    lblCover = label(listArea, QStringLiteral("lblCover"), QString());
    lblCover->setFrameShape(QFrame::StyledPanel);
    lblCover->setAutoFillBackground(true);
    lblCover->hide();
    createEditControls(listArea, this, 2, QStringLiteral("Plain &Text"));
    fraEdit->hide();
    listStack->addWidget(lstAdd, 0, 0);
    listStack->addWidget(lblCover, 0, 0);
    listStack->addWidget(fraEdit, 0, 0);
    lblDblClick =
        label(band, QStringLiteral("lblDblClick"), QStringLiteral("Double-Click Item to Edit "));
    lblDblClick->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
    lblDblClick->hide();
    cmdDone1 = button(band, QStringLiteral("cmdDone1"), QStringLiteral("Actvity List &Finished"),
                      QStringLiteral("Accept the list at the right and add the items to the "
                                     "current Plan"));
    lblClosure =
        label(band, QStringLiteral("lblClosure"), QStringLiteral("&Assignment (Closing):"));
    txtClosure = named(new QPlainTextEdit(band), QStringLiteral("txtClosure"),
                       QStringLiteral("Include a Closure activity for the current Plan"));
    txtClosure->setTabChangesFocus(true);
    txtClosure->setFixedHeight(52);
    lblClosure->setBuddy(txtClosure);

    lblNewDay = label(band, QStringLiteral("lblNewDay"), QString());
    lblNewDay->setAlignment(Qt::AlignCenter);
    lblNewDay->setFrameShape(QFrame::Box);
    ui::setBackColor(lblNewDay, ui::lightYellow());
    QFont banner = lblNewDay->font();
    banner.setBold(true);
    banner.setPointSizeF(banner.pointSizeF() * 1.2);
    lblNewDay->setFont(banner);
    lblNewDay->hide();

    auto *objective = new QGridLayout;
    objective->setHorizontalSpacing(4);
    objective->setVerticalSpacing(0);
    objective->addWidget(lblObjective, 0, 0);
    objective->addWidget(lblUnchanged, 0, 1, Qt::AlignRight);
    objective->addWidget(txtObjective, 1, 0, 1, 2);
    auto *objectiveButtons = new QVBoxLayout;
    objectiveButtons->setSpacing(2);
    objectiveButtons->addWidget(cmdContinue);
    objectiveButtons->addWidget(cmdNewUnit);
    auto *noteColumn = new QVBoxLayout;
    noteColumn->addStretch(1);
    noteColumn->addWidget(cmdNote);
    objective->addLayout(objectiveButtons, 0, 2, 2, 1);
    objective->addLayout(noteColumn, 0, 3, 2, 1);
    objective->setColumnStretch(0, 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(lblList);
    right->addWidget(listArea, 1);
    right->addWidget(lblDblClick);
    right->addWidget(cmdDone1);
    right->addWidget(lblClosure);
    right->addWidget(txtClosure);
    auto *below = new QHBoxLayout;
    below->addWidget(panel, 3);
    below->addLayout(right, 2);
    auto *dayRows = new QVBoxLayout(band);
    dayRows->setContentsMargins(0, 0, 0, 0);
    dayRows->setSpacing(4);
    dayRows->addLayout(objective);
    dayRows->addLayout(below, 1);
}

void frmMain::createDocumentBand(QWidget *band)
{
    fraCurrent = named(new QGroupBox(band), QStringLiteral("fraCurrent"));
    Label9 = label(fraCurrent, QStringLiteral("Label9"),
                   QStringLiteral("Current Plan Under Construction:"));
    QFont heading = Label9->font();
    heading.setBold(true);
    Label9->setFont(heading);
    lblDocument = label(fraCurrent, QStringLiteral("lblDocument"), QString());
    RTxtComposite = named(new RichTextBox(fraCurrent), QStringLiteral("RTxtComposite"));
    lblCurrentDoc =
        label(fraCurrent, QStringLiteral("lblCurrentDoc"),
              QStringLiteral("Click on the Lesson Plan Document above to edit.  ''TAB'' "
                             "key indents text."));
    cmdClose = button(fraCurrent, QStringLiteral("cmdClose"), QStringLiteral("&New Plan"),
                      QStringLiteral("Clear the screen and begin a new Plan"));
    cmdStore = button(fraCurrent, QStringLiteral("cmdStore"), QStringLiteral("Sa&ve"),
                      QStringLiteral("Save the current Lesson Plans"));
    cmdPrint = button(fraCurrent, QStringLiteral("cmdPrint"), QStringLiteral("&Print"),
                      QStringLiteral("Print the current Lesson Plan Document"));
    cmdPdf = button(fraCurrent, QStringLiteral("cmdPdf"), QStringLiteral("P&DF"),
                    QStringLiteral("Save the current Lesson Plan Document as a PDF file in the "
                                   "storage folder"));
    cmdEnlarge = button(fraCurrent, QStringLiteral("cmdEnlarge"), QStringLiteral("Large Edito&r"),
                        QStringLiteral("Open a larger document editor window"));
    cmdSettings =
        button(fraCurrent, QStringLiteral("cmdSettings"), QStringLiteral("Change &Settings"),
               QStringLiteral("Change the current program settings"));
    cmdHelp = button(fraCurrent, QStringLiteral("cmdHelp"), QStringLiteral("&Help"),
                     QStringLiteral("Click for Help"));
    cmdExit = button(fraCurrent, QStringLiteral("cmdExit"), QStringLiteral("E&xit"),
                     QStringLiteral("Quit the Program"));
    lblSavePrint = label(fraCurrent, QStringLiteral("lblSavePrint"), QStringLiteral(" Saved: OK "));
    lblSavePrint->setFrameShape(QFrame::Box);
    ui::setBackColor(lblSavePrint, QColor(192, 255, 192));
    lblSavePrint->hide();

    Label9->setBuddy(RTxtComposite);
    auto *head = new QHBoxLayout;
    head->addWidget(Label9);
    head->addWidget(lblDocument, 1);
    head->addWidget(lblSavePrint);
    // The document's own buttons beside it; the program's buttons on the row below, so that the
    // document band stays low enough for a laptop's screen.
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(cmdClose);
    buttons->addWidget(cmdStore);
    auto *printing = new QHBoxLayout;
    printing->setSpacing(4);
    printing->addWidget(cmdPrint);
    printing->addWidget(cmdPdf);
    buttons->addLayout(printing);
    buttons->addWidget(cmdEnlarge);
    buttons->addStretch(1);
    for (QPushButton *b : {cmdClose, cmdStore, cmdEnlarge})
        b->setFixedWidth(RightColumnWidth - 12);
    for (QPushButton *b : {cmdPrint, cmdPdf})
        b->setFixedWidth((RightColumnWidth - 12 - printing->spacing()) / 2);
    auto *body = new QHBoxLayout;
    body->addWidget(RTxtComposite, 1);
    body->addLayout(buttons);
    auto *foot = new QHBoxLayout;
    foot->addWidget(lblCurrentDoc, 1);
    foot->addStretch(0);
    foot->addWidget(cmdSettings);
    foot->addWidget(cmdHelp);
    foot->addWidget(cmdExit);
    RTxtComposite->setMinimumHeight(buttons->minimumSize().height());
    auto *rows = new QVBoxLayout(fraCurrent);
    rows->setContentsMargins(6, 4, 6, 4);
    rows->setSpacing(2);
    rows->addLayout(head);
    rows->addLayout(body, 1);
    rows->addLayout(foot);
    auto *layout = new QVBoxLayout(band);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fraCurrent);
}

// How the window looks before any plan: the entries of a day hidden, the document empty, grey
// and locked, nothing to save or print yet.
void frmMain::setDesignState()
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             lblUnchanged, cmdContinue, cmdNewUnit, cmdNote, fraDay, cmdDone1, lblClosure,
             txtClosure, lblDescription, txtDescription, lblTwice, cmdOK, lblList, lblDblClick,
             lblCurrentDoc, lblSavePrint, lblNewDay,
             // (the activation shows the week or the unit entry the settings ask for)
             fraUnitPlan})
        w->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{
             txtObjective, cboMonth, cboDate, cboDay, imgCal, txtUnit, cmdBegin, RTxtComposite,
             cmdStore, cmdPrint, cmdPdf, cmdClose, cmdEnlarge, cmdPrev})
        w->setEnabled(false);
    ui::setBackColor(txtObjective, ui::buttonFace());
    ui::setBackColor(RTxtComposite, ui::buttonFace());
    ui::setBackColor(lstAdd, ui::buttonFace());
}

// The frames of the materials and standards steps and the earlier-plan viewer lie over the
// upper part of the window at fixed places (set at every activation).
void frmMain::createOverlays()
{
    fraLists = named(new QGroupBox(this), QStringLiteral("fraLists"));
    const QString pickTip = QStringLiteral("Select or deselect items for the current Plan");
    lblTexts = label(fraLists, QStringLiteral("lblTexts"), QStringLiteral("&Text(s):"));
    lstTexts = checkList(fraLists, QStringLiteral("lstTexts"), pickTip);
    lblTexts->setBuddy(lstTexts);
    lblResources = label(fraLists, QStringLiteral("lblResources"), QStringLiteral("&Resource(s)"));
    lstResources = checkList(fraLists, QStringLiteral("lstResources"), pickTip);
    lblResources->setBuddy(lstResources);
    lblMaterials = label(fraLists, QStringLiteral("lblMaterials"),
                         QStringLiteral("&Materials/Supplies/Technology:"));
    lstMaterials = checkList(fraLists, QStringLiteral("lstMaterials"), pickTip);
    lblMaterials->setBuddy(lstMaterials);
    cmdPosition = button(fraLists, QStringLiteral("cmdPosition"),
                         QStringLiteral("Build the Materials &Listing from the Checked Entries"),
                         QStringLiteral("Create a materials list for the current Plan from "
                                        "selected items"));
    lblSample = label(fraLists, QStringLiteral("lblSample"),
                      QStringLiteral("Materials Listing for Lesson Plan Document:"));
    txtSample = named(new QPlainTextEdit(fraLists), QStringLiteral("txtSample"));
    lblSample->setBuddy(txtSample);
    cmdEditMat = button(fraLists, QStringLiteral("cmdEditMat"), QStringLiteral("Ed&it Listing"),
                        QStringLiteral("Make changes to the above list of Materials"));
    cmdSkip = button(fraLists, QStringLiteral("cmdSkip"), QStringLiteral("S&kip this Step"),
                     QStringLiteral("Don't add Materials to the current Plan at this time"));
    cmdProceed =
        button(fraLists, QStringLiteral("cmdProceed"), QStringLiteral("Proc&eed to Next Step"),
               QStringLiteral("Add the Materials to the current Plan and continue"));
    auto *lists = new QGridLayout;
    lists->addWidget(lblTexts, 0, 0);
    lists->addWidget(lblResources, 0, 1);
    lists->addWidget(lblMaterials, 0, 2);
    lists->addWidget(lstTexts, 1, 0);
    lists->addWidget(lstResources, 1, 1);
    lists->addWidget(lstMaterials, 1, 2);
    auto *actions = new QHBoxLayout;
    actions->addWidget(cmdEditMat);
    actions->addStretch(1);
    actions->addWidget(cmdSkip);
    actions->addWidget(cmdProceed);
    auto *materials = new QVBoxLayout(fraLists);
    materials->addLayout(lists, 3);
    materials->addWidget(cmdPosition, 0, Qt::AlignHCenter);
    materials->addWidget(lblSample);
    materials->addWidget(txtSample, 2);
    materials->addLayout(actions);
    fraLists->hide();

    fraStandards = named(new QGroupBox(this), QStringLiteral("fraStandards"));
    lblStandards = label(fraStandards, QStringLiteral("lblStandards"), QString());
    lblSetting = label(fraStandards, QStringLiteral("lblSetting"), QString());
    lblSetting->setWordWrap(true);
    lblArrows = label(fraStandards, QStringLiteral("lblArrows"), QStringLiteral("\u2193"));
    lblLabel = label(fraStandards, QStringLiteral("lblLabel"),
                     QStringLiteral("Number/Prefix                      Description"));
    lstChooseStandards = checkList(fraStandards, QStringLiteral("lstChooseStandards"), pickTip);
    lblStandards->setBuddy(lstChooseStandards);
    lblWhen = label(fraStandards, QStringLiteral("lblWhen"), QString());
    lblWhen->setWordWrap(true);
    cmdAddToPlan =
        button(fraStandards, QStringLiteral("cmdAddToPlan"), QStringLiteral("&Add to Plan"),
               QStringLiteral("Add selected items to the Plan"));
    lblEditStandards = label(fraStandards, QStringLiteral("lblEditStandards"), QString());
    auto *columns = new QHBoxLayout;
    columns->addWidget(lblArrows);
    columns->addWidget(lblLabel, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblEditStandards, 1);
    bottom->addWidget(cmdAddToPlan);
    auto *standards = new QVBoxLayout(fraStandards);
    standards->addWidget(lblStandards);
    standards->addWidget(lblSetting);
    standards->addLayout(columns);
    standards->addWidget(lstChooseStandards, 1);
    standards->addWidget(lblWhen);
    standards->addLayout(bottom);
    fraStandards->hide();

    fraPrevious = named(new QGroupBox(this), QStringLiteral("fraPrevious"));
    rtfPrevious = named(new RichTextBox(fraPrevious), QStringLiteral("rtfPrevious"),
                        QStringLiteral("Right-Click to copy highlighted text"));
    rtfPrevious->setReadOnly(true);
    lblCopy = label(fraPrevious, QStringLiteral("lblCopy"),
                    QStringLiteral("Text passages from this document can be copied and pasted into "
                                   "the Lesson Plan under construction below."));
    lblCopy->setWordWrap(true);
    cmdPrintThis =
        button(fraPrevious, QStringLiteral("cmdPrintThis"), QStringLiteral("Print This &File"),
               QStringLiteral("Print the previous Lesson Plan Document displayed above"));
    cmdPdfThis = button(fraPrevious, QStringLiteral("cmdPdfThis"), QStringLiteral("Save as PDF"),
                        QStringLiteral("Save the previous Lesson Plan Document displayed above "
                                       "as a PDF file"));
    auto *viewerBottom = new QHBoxLayout;
    viewerBottom->addWidget(lblCopy, 1);
    viewerBottom->addWidget(cmdPrintThis);
    viewerBottom->addWidget(cmdPdfThis);
    auto *viewer = new QVBoxLayout(fraPrevious);
    viewer->addWidget(rtfPrevious, 1);
    viewer->addLayout(viewerBottom);
    fraPrevious->hide();

    for (QWidget *overlay : {static_cast<QWidget *>(fraLists), static_cast<QWidget *>(fraStandards),
                             static_cast<QWidget *>(fraPrevious)}) {
        overlay->setAutoFillBackground(true);
        overlay->raise();
    }
}

void frmMain::createMenus()
{
    mnuCopyHeading =
        named(new QMenu(QStringLiteral("Copy Only"), this), QStringLiteral("mnuCopyHeading"));
    mnuCopyOnly = mnuCopyHeading->addAction(QStringLiteral("&Copy Text"));
    mnuCopyOnly->setObjectName(QStringLiteral("mnuCopyOnly"));
}
