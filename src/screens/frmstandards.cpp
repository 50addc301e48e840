#include "screens/frmstandards.h"

#include "platform/platform.h"
#include "platform/ui.h"
#include "screens/entryfields.h"
#include "screens/frmeditstandard.h"
#include "screens/storesettings.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
const QString CrLf = QStringLiteral("\r\n");
const QString Prefixed = QStringLiteral("PREFIXED");
} // namespace

frmStandards::frmStandards(ScreenContext &ctx, QWidget *parent)
    : Form(ctx.platform, parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmStandards"));
    setWindowTitle(QStringLiteral("  EDIT STANDARDS  LIST"));
    setHelpContextId(HelpContext);
    createControls();
}

void frmStandards::createControls()
{
    auto makeButton = [this](QWidget *parent, const QString &name, const QString &caption) {
        auto *button = new QPushButton(caption, parent);
        button->setObjectName(name);
        // Enter in the heading field is Done by its own rule, not by a default button.
        button->setAutoDefault(false);
        return button;
    };
    auto makeLabel = [this](const QString &name, const QString &caption) {
        auto *label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        return label;
    };

    chkShowStandards =
        new QCheckBox(QStringLiteral("&Show State/Local Standards in Lesson Plans"), this);
    chkShowStandards->setObjectName(QStringLiteral("chkShowStandards"));

    fraStandards = new QGroupBox(this);
    fraStandards->setObjectName(QStringLiteral("fraStandards"));
    lblCurrently = new QLabel(QStringLiteral("Heading:"), fraStandards);
    lblCurrently->setObjectName(QStringLiteral("lblCurrently"));
    lblHeading = new QLabel(fraStandards);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setTextFormat(Qt::PlainText);
    QFont bold = lblHeading->font();
    bold.setBold(true);
    lblHeading->setFont(bold);
    cmdChange = makeButton(fraStandards, QStringLiteral("cmdChange"), QStringLiteral("Cha&nge"));
    txtNewHeading = new QLineEdit(fraStandards);
    txtNewHeading->setObjectName(QStringLiteral("txtNewHeading"));
    optFullText = new QRadioButton(QStringLiteral("Use the &Full Text on Lesson Plan Documents"),
                                   fraStandards);
    optFullText->setObjectName(QStringLiteral("optFullText"));
    optPrefix = new QRadioButton(QStringLiteral("Use the Number/&Prefix on Lesson Plan Documents"),
                                 fraStandards);
    optPrefix->setObjectName(QStringLiteral("optPrefix"));
    chkOncePerWeek = new QCheckBox(
        QStringLiteral("Display Standards only &once at the end, not daily"), fraStandards);
    chkOncePerWeek->setObjectName(QStringLiteral("chkOncePerWeek"));

    auto *heading = new QHBoxLayout;
    heading->addWidget(lblCurrently);
    heading->addWidget(lblHeading);
    heading->addStretch();
    heading->addWidget(cmdChange);
    heading->addWidget(txtNewHeading, 1);
    auto *options = new QVBoxLayout(fraStandards);
    options->addLayout(heading);
    options->addWidget(optFullText);
    options->addWidget(optPrefix);
    options->addWidget(chkOncePerWeek);

    lblCaution = makeLabel(QStringLiteral("lblCaution"), QString());
    QFont strong = lblCaution->font();
    strong.setBold(true);
    lblCaution->setFont(strong);
    QPalette warning = lblCaution->palette();
    warning.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblCaution->setPalette(warning);
    lblChanges = makeLabel(QStringLiteral("lblChanges"), QString());
    lblChanges->setWordWrap(true);
    lblDisabledChanges = makeLabel(QStringLiteral("lblDisabledChanges"), QString());
    lblDisabledChanges->setWordWrap(true);
    lblDisabledChanges->setEnabled(false);
    lblInstructions = new QLabel(QStringLiteral("Standards &List:"), this);
    lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    lstStandards = new QListWidget(this);
    lstStandards->setObjectName(QStringLiteral("lstStandards"));
    lstStandards->setMinimumSize(ui::twips(7500), ui::twips(2400));
    lblInstructions->setBuddy(lstStandards);
    cmdAdd = makeButton(this, QStringLiteral("cmdAdd"), QStringLiteral("&Add"));
    cmdEdit = makeButton(this, QStringLiteral("cmdEdit"), QStringLiteral("&Edit/Delete"));

    cmdDone = makeButton(this, QStringLiteral("cmdDone"), QStringLiteral("&Done"));
    cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    setEscapeButton(cmdCancel);
    cmdHelp = makeButton(this, QStringLiteral("cmdHelp"), QStringLiteral("&Help"));

    auto *notes = new QHBoxLayout;
    notes->addWidget(lblCaution);
    notes->addWidget(lblChanges, 1);
    notes->addWidget(lblDisabledChanges, 1);
    auto *listButtons = new QVBoxLayout;
    listButtons->addWidget(cmdAdd);
    listButtons->addWidget(cmdEdit);
    listButtons->addStretch();
    auto *list = new QGridLayout;
    list->addWidget(lblInstructions, 0, 0);
    list->addWidget(lstStandards, 1, 0);
    list->addLayout(listButtons, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(chkShowStandards);
    outer->addWidget(fraStandards);
    outer->addLayout(notes);
    outer->addLayout(list, 1);
    outer->addLayout(buttons);
    highlightOnHover(cmdHelp);

    // The caution goes as soon as the pointer comes near the list.
    for (QWidget *label :
         {static_cast<QWidget *>(lblCaution), static_cast<QWidget *>(lblInstructions)}) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
    txtNewHeading->installEventFilter(this);

    connect(chkShowStandards, &QCheckBox::clicked, this, &frmStandards::chkShowStandards_Click);
    connect(lstStandards, &QListWidget::currentRowChanged, this, &frmStandards::lstStandards_Click);
    connect(lstStandards, &QListWidget::itemDoubleClicked, this, &frmStandards::cmdEdit_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmStandards::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmStandards::cmdEdit_Click);
    connect(optFullText, &QRadioButton::clicked, this, &frmStandards::optFullText_Click);
    connect(optPrefix, &QRadioButton::clicked, this, &frmStandards::optPrefix_Click);
    connect(cmdChange, &QPushButton::clicked, this, &frmStandards::cmdChange_Click);
    connect(txtNewHeading, &QLineEdit::returnPressed, this, &frmStandards::cmdDone_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmStandards::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmStandards::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmStandards::cmdHelp_Click);
}

void frmStandards::Form_Load()
{
    const QString changes =
        QStringLiteral(
            "To make changes, double-click an entry below or use the 'Edit/Delete' button.") +
        CrLf +
        QStringLiteral(
            "Changes are recorded immediately and will not be undone by using the 'Cancel' "
            "button.");
    lblChanges->setText(ui::fromCrLf(changes));
    lblDisabledChanges->setText(ui::fromCrLf(changes));
    lblCaution->setText(ui::fromCrLf(CrLf + QStringLiteral("Caution !")));
}

void frmStandards::Form_Activate()
{
    const LessonPlanModule &m = ctx_.m;
    // The standards step under way on the main window cannot be switched off beneath it.
    chkShowStandards->setEnabled(m.intStep != 4);
    lblHeading->setText(m.strStandardsHeading);
    txtNewHeading->clear();
    txtNewHeading->setEnabled(false);
    ui::setBackColor(txtNewHeading, ui::buttonFace());
    chkShowStandards->setChecked(m.blnShowStandards);
    applyShowRule();
    (m.strStandardsMode == Prefixed ? optPrefix : optFullText)->setChecked(true);
    LoadStandards();
    cmdEdit->setEnabled(false);
    chkOncePerWeek->setChecked(m.blnStandardsOnce);
    lblCaution->show();
}

void frmStandards::applyShowRule()
{
    const bool shown = chkShowStandards->isChecked();
    fraStandards->setVisible(shown);
    fraStandards->setEnabled(shown);
    lblChanges->setVisible(shown);
    lblDisabledChanges->setVisible(!shown);
    lstStandards->setEnabled(shown);
}

void frmStandards::LoadStandards()
{
    const LessonPlanModule &m = ctx_.m;
    lstStandards->clear();
    const qsizetype count = std::min(m.strStdCodes.size(), m.strStdTexts.size());
    for (qsizetype i = 0; i < count; ++i)
        lstStandards->addItem(
            frmEditStandard::standardLine(m.strStdCodes.at(i), m.strStdTexts.at(i)));
}

void frmStandards::chkShowStandards_Click()
{
    applyShowRule();
}

void frmStandards::lstStandards_Click()
{
    cmdEdit->setEnabled(lstStandards->currentRow() >= 0);
}

frmEditStandard *frmStandards::editStandardDialog()
{
    if (!editStandard_) {
        editStandard_ = new frmEditStandard(ctx_, this);
        editStandard_->setStandardsList(lstStandards);
    }
    return editStandard_;
}

void frmStandards::editEntry(int i, const QString &mode)
{
    frmEditStandard *editor = editStandardDialog();
    editor->SetUp(i);
    editor->SetMode(mode);
    ctx_.platform.showModal(editor);
    // Back to this screen, whatever the window manager does.
    if (isVisible())
        activateWindow();
    // Edit/Delete waits for the next choice, so that it never acts on the line that moved up
    // into a deleted entry's place.
    lstStandards->setCurrentRow(-1);
    cmdEdit->setEnabled(false);
    cmdDone->setFocus(Qt::OtherFocusReason);
}

void frmStandards::cmdAdd_Click()
{
    // The new entry is made only when the editor is closed with Done: an addition cancelled
    // leaves the list as it was.
    const LessonPlanModule &m = ctx_.m;
    editEntry(int(std::min(m.strStdCodes.size(), m.strStdTexts.size())), QStringLiteral("ADD"));
}

void frmStandards::cmdEdit_Click()
{
    const int row = lstStandards->currentRow();
    if (row < 0 || !lstStandards->isEnabled())
        return;
    ctx_.m.blnStandardsEdited = true;
    editEntry(row, QStringLiteral("EDIT"));
}

void frmStandards::optFullText_Click()
{
    ctx_.m.blnStandardsEdited = true;
}

void frmStandards::optPrefix_Click()
{
    ctx_.m.blnStandardsEdited = true;
}

void frmStandards::cmdChange_Click()
{
    txtNewHeading->setEnabled(true);
    ui::setBackColor(txtNewHeading, ui::white());
    txtNewHeading->setFocus(Qt::OtherFocusReason);
}

void frmStandards::cmdDone_Click()
{
    LessonPlanModule &m = ctx_.m;
    SettingsRecord next = m.record();
    next.blnShowStandards = chkShowStandards->isChecked();
    QString heading = txtNewHeading->text();
    while (heading.endsWith(QLatin1Char(':')))
        heading.chop(1);
    const bool newHeading = !heading.trimmed().isEmpty();
    if (newHeading)
        next.strStandardsHeading = ReplaceQuotes(heading);
    next.blnStandardsOnce = chkOncePerWeek->isChecked();
    next.strStandardsMode = optPrefix->isChecked() ? Prefixed : QStringLiteral("NO PREFIXES");

    if (next != m.record() && !storeSettings(next, ctx_.store, ctx_.platform))
        return; // the teacher has been told; the choices stay on the screen
    m.record() = next;
    if (newHeading) {
        lblHeading->setText(m.strStandardsHeading);
        txtNewHeading->clear();
        txtNewHeading->setEnabled(false);
        ui::setBackColor(txtNewHeading, ui::buttonFace());
    }
    done(QDialog::Accepted);
}

void frmStandards::cmdCancel_Click()
{
    if (ctx_.platform.messageBox(
            QStringLiteral("Quit without saving changes to the selections in the top section of "
                           "this screen?") +
                CrLf + CrLf +
                QStringLiteral("(Any additions, deletions, and changes displayed in the "
                               "Standards List text field have already been recorded.)"),
            QStringLiteral("Abandon Changes?"), Platform::Buttons::YesNo,
            Platform::Icon::Question) == Platform::Answer::Yes)
        done(QDialog::Rejected);
}

void frmStandards::cmdHelp_Click()
{
    showContextHelp();
}

bool frmStandards::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == lblCaution || watched == lblInstructions) &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) {
        lblCaution->hide();
    } else if (watched == txtNewHeading && event->type() == QEvent::FocusIn) {
        entryfields::selectAllOnFocus(txtNewHeading);
    }
    return Form::eventFilter(watched, event);
}

void frmStandards::mouseMoveEvent(QMouseEvent *event)
{
    lblCaution->hide();
    Form::mouseMoveEvent(event);
}
