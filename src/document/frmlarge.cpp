#include "document/frmlarge.h"

#include "app/frmmain.h"
#include "document/editing.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

frmLarge::frmLarge(frmMain &main) : Form(main.platform, nullptr), w(main)
{
    setObjectName(QStringLiteral("frmLarge"));
    setWindowTitle(QStringLiteral("CURRENT PLAN UNDER CONSTRUCTION"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    setHelpContextId(10006);
    const QScreen *screen = main.screen();
    fontSize_ = fontSizeFor(screen ? screen->geometry().size() : QSize());
    createControls();
    connectCommands();
}

int frmLarge::fontSizeFor(const QSize &screenPixels)
{
    return screenPixels.width() + screenPixels.height() >= 1700 ? 12 : 11;
}

void frmLarge::createControls()
{
    RTxtComposite = new RichTextBox(this);
    RTxtComposite->setObjectName(QStringLiteral("RTxtComposite"));
    RTxtComposite->setBackColor(ui::white());
    RTxtComposite->setContextMenuPolicy(Qt::PreventContextMenu);

    createEditControls(this, this, 1, QStringLiteral("Reset &Text Formatting"));

    lblIndents = new QLabel(QStringLiteral("''TAB'' key indents text."), this);
    lblIndents->setObjectName(QStringLiteral("lblIndents"));
    lblIndents->setTextFormat(Qt::PlainText);
    lblIndents->setWordWrap(true);
    cmdReturn = new QPushButton(QStringLiteral("&Return to Design Screen"), this);
    cmdReturn->setObjectName(QStringLiteral("cmdReturn"));
    cmdReturn->setAutoDefault(false); // Enter belongs to the document
    // Escape and the close box hand the document back too: the main window is hidden and the
    // edits made here would otherwise be lost.
    setEscapeButton(cmdReturn);

    auto *column = new QVBoxLayout;
    column->addWidget(fraEdit);
    column->addWidget(lblIndents);
    column->addStretch(1);
    column->addWidget(cmdReturn);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(RTxtComposite, 1);
    layout->addLayout(column);
}

void frmLarge::connectCommands()
{
    connect(RTxtComposite, &RichTextBox::MouseDown, this, &frmLarge::RTxtComposite_MouseDown);
    connect(RTxtComposite, &RichTextBox::GotFocus, this, &frmLarge::RTxtComposite_GotFocus);
    connect(RTxtComposite, &RichTextBox::Change, this, [this] {
        if (!adjusting_)
            edited_ = true;
    });
    new EditCommands(this, *this, RTxtComposite, w.m, platform, fontSize_,
                     [this] { CloseEditTools(); });
    connect(cmdReturn, &QPushButton::clicked, this, &frmLarge::cmdReturn_Click);
}

void frmLarge::Form_Load()
{
    // Most of the screen, so that the whole plan reads comfortably.
    if (const QScreen *screen = w.screen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 9 / 10, area.height() * 9 / 10);
        move(area.center() - rect().center());
    }
}

void frmLarge::Form_Activate()
{
    adjusting_ = true;
    ApplyFontSize(w.RTxtComposite, RTxtComposite, fontSize_);
    adjusting_ = false;
    RTxtComposite->ensureCursorVisible();
}

void frmLarge::ApplyFontSize(const RichTextBox *source, RichTextBox *target, int size)
{
    if (!source || !target)
        return;
    docedit::resizeDocument(target, size, source->SelStart(), source->SelLength());
}

void frmLarge::CloseEditTools()
{
    docedit::collapseToEnd(RTxtComposite);
    RTxtComposite->setFocus(Qt::OtherFocusReason);
}

void frmLarge::RTxtComposite_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                       QPoint pos)
{
    Q_UNUSED(shift);
    // The tools are always shown here; only the right button has something to do.
    if (button == Qt::RightButton)
        mnuEdit->popup(RTxtComposite->viewport()->mapToGlobal(pos));
}

void frmLarge::RTxtComposite_GotFocus()
{
    setHelpContextId(10006);
}

void frmLarge::takeDocument(const RichTextBox *source)
{
    adjusting_ = true;
    RTxtComposite->setTextRTF(source->TextRTF());
    RTxtComposite->setSelStart(source->SelStart());
    RTxtComposite->setSelLength(source->SelLength());
    adjusting_ = false;
    edited_ = false;
}

void frmLarge::cmdReturn_Click()
{
    RichTextBox *doc = w.RTxtComposite;
    // Loading the document counts as a change of the plan (it is no longer saved or printed as
    // it stands), so it is handed back only when the teacher changed something here.
    if (edited_) {
        doc->setTextRTF(RTxtComposite->TextRTF());
        ApplyFontSize(RTxtComposite, doc, docedit::MainFontSize);
    } else {
        doc->setSelStart(RTxtComposite->SelStart());
        doc->setSelLength(RTxtComposite->SelLength());
    }
    w.showMain();
    hide();
    w.raise();
    w.activateWindow();
    doc->setFocus(Qt::OtherFocusReason);
}
